#pragma once
// What a demo prefix holds, as data: the files with their contents and the drive links.
#include <span>

namespace demo {

enum class FileKind {
  Text,      // written as it stands
  DosText,   // lines end in CR LF, as the simulators write their own files
  Launcher,  // a simulator's program file: the script of demo_launcher.h; text is its name
};

struct DemoFile {
  const char* path;  // relative to the prefix
  const char* text;
  FileKind kind;
};

struct DemoLink {
  const char* path;  // relative to the prefix
  const char* target;
};

std::span<const DemoFile> demoFiles();
std::span<const DemoLink> demoLinks();
std::span<const char* const> demoFolders();

}  // namespace demo
