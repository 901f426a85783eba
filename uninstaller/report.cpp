#include "uninstaller/report.h"

#include <algorithm>

namespace uninstall {

namespace {

bool is(const ReportItem& item, ReportItem::Outcome outcome) {
  return item.outcome == outcome;
}

}  // namespace

bool Report::complete() const {
  return refusals_.empty() && std::none_of(items_.begin(), items_.end(), [](const auto& item) {
           return is(item, ReportItem::Outcome::Left);
         });
}

bool Report::removesAnything() const {
  return std::any_of(items_.begin(), items_.end(),
                     [](const auto& item) { return is(item, ReportItem::Outcome::Removed); });
}

std::string Report::text() const {
  struct Group {
    ReportItem::Outcome outcome;
    const char* heading;
  };
  const Group groups[] = {
      {ReportItem::Outcome::Removed, dryRun_ ? "Würde entfernen:" : "Entfernt:"},
      {ReportItem::Outcome::Gone, "War schon entfernt:"},
      {ReportItem::Outcome::Left, dryRun_ ? "Würde bleiben:" : "Nicht entfernt:"},
  };
  std::string out;
  for (const Group& group : groups) {
    std::string lines;
    for (const ReportItem& item : items_) {
      if (!is(item, group.outcome)) continue;
      lines += "  " + item.what + (item.why.empty() ? "" : " (" + item.why + ")") + "\n";
    }
    if (!lines.empty()) out += std::string(group.heading) + "\n" + lines;
  }
  if (!refusals_.empty()) {
    out += "Nicht ausgeführt:\n";
    for (const std::string& why : refusals_) out += "  " + why + "\n";
  }
  if (out.empty()) out = "Nichts zu entfernen.\n";
  if (dryRun_) out += "Es wurde nichts verändert.\n";
  return out;
}

}  // namespace uninstall
