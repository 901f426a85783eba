#pragma once
// Hands documents, web addresses and programs to the desktop, as the Windows shell's open action
// does. Nothing is reported to the caller; every request and its result goes to the program's
// log, failures to standard error as well.
#include <functional>
#include <string>

namespace platform {

struct ShellOpenRequest {
  std::string target;  // a URL, or a Windows path (relative ones are taken relative to dir)
  std::string verb;    // "", "open", ...: every verb opens
  std::string params;  // command-line parameters for a program
  std::string dir;     // working folder as a Windows path; "" for the target's own folder
};

// URLs and documents go to xdg-open; an executable host file is started with its parameters in
// its working folder; a Windows program (.exe) goes to wine when it is installed. Never blocks;
// an opener that is missing or fails is reported once it has ended.
void shellOpen(const ShellOpenRequest& request);

// While set, requests are handed to the recorder instead of being carried out.
void setShellOpenRecorder(std::function<void(const ShellOpenRequest&)> recorder);

}  // namespace platform
