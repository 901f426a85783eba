// panelhost-win32 [--panel CFG] [--module PATH] --script FILE [--aircraft cruise|cold]
//                 [--lesson FILE] [--help]
//
// The panel core as a Windows console program, for running the Windows gauge module (under Wine
// on Linux): the Linux panelhost's script mode without its window and its pictures.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "panelhost/host_command.h"

namespace {

void usage(std::FILE* out) {
  std::fputs(
      "usage: panelhost-win32 [--panel CFG] [--module PATH] --script FILE "
      "[--aircraft cruise|cold] [--lesson FILE] [--help]\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  const auto command = panelhost::parseHostCommand(argc, argv);
  if (!command) {
    usage(stderr);
    return 2;
  }
  if (command->help) {
    usage(stdout);
    return 0;
  }
  if (!command->script) {
    std::fprintf(stderr, "panelhost-win32: this host has no window; give it --script FILE\n");
    return 2;
  }
  // Lines end in LF, as the Linux host writes them, so the two outputs compare byte for byte.
  _setmode(_fileno(stdout), _O_BINARY);
  panelhost::PanelCore host;
  if (!panelhost::prepareHost(host, *command, "panelhost-win32")) return 1;
  return panelhost::runHostScript(host, *command->script, "panelhost-win32", command->lesson);
}
