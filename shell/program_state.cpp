#include "shell/program_state.h"

ProgramState programState;

void ResetProgramState() {
  programState = ProgramState{};
}
