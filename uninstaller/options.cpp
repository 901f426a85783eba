#include "uninstaller/options.h"

#include "qtp-uninstall_usage.h"

namespace uninstall {

Options parseOptions(const std::vector<std::string>& arguments) {
  Options options;
  auto fail = [&options](std::string error) {
    options.action = Options::Action::Error;
    options.error = std::move(error);
    return options;
  };
  bool optionsEnd = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnd || argument.empty() || argument[0] != '-' || argument == "-") {
      if (!options.folder.empty()) return fail("more than one folder: " + argument);
      options.folder = argument;
    } else if (argument == "--") {
      optionsEnd = true;
    } else if (argument == "--help") {
      options.action = Options::Action::Help;
      return options;
    } else if (argument == "--dry-run") {
      options.dryRun = true;
    } else if (argument == "--yes") {
      options.yes = true;
    } else if (argument == "--prefix" || argument.starts_with("--prefix=")) {
      if (argument == "--prefix" && i + 1 == arguments.size())
        return fail("--prefix needs a folder");
      options.prefix = argument == "--prefix" ? arguments[++i] : argument.substr(9);
      if (options.prefix.empty()) return fail("--prefix needs a folder");
    } else {
      return fail("unknown option " + argument);
    }
  }
  if (options.folder.empty()) return fail("no simulator folder given");
  return options;
}

const char* usageText() {
  return kUninstallUsage;
}

}  // namespace uninstall
