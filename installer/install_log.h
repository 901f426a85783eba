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
void RunEnds(bool completed);

}  // namespace installlog
