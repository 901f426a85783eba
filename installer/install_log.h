#pragma once
// What the installation run writes to the program's log: the components it was given, each
// component it completed, each archive and member that failed, and how it ended.
#include <QString>

#include "shell/program_state.h"

struct Simulator;

namespace installlog {

// The archive library's error code in words.
const char* RarErrorText(int code);

void RunStarts(const Simulator& simulator, const InstallSession& session);
void ComponentInstalled(const QString& flag);
enum class RunEnd {
  Complete,    // every chosen component installed
  Incomplete,  // the run went through, but a component is not installed
  Stopped,
};
void RunEnds(RunEnd end);

}  // namespace installlog
