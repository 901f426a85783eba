#pragma once
// What an uninstallation removed (or, in a dry run, would remove), what it left and why, and the
// parts of the install log it could not trust: the same for the window, the terminal and the
// program's log.
#include <string>
#include <vector>

namespace uninstall {

struct ReportItem {
  enum class Outcome {
    Removed,  // removed, or in a dry run to be removed
    Gone,     // was no longer there
    Left,     // stays, for the reason given
  };
  Outcome outcome = Outcome::Removed;
  std::string what;  // a path or a named entry
  std::string why;   // Left only
};

class Report {
 public:
  explicit Report(bool dryRun) : dryRun_(dryRun) {}

  void removed(std::string what) { add(ReportItem::Outcome::Removed, std::move(what), {}); }
  void gone(std::string what) { add(ReportItem::Outcome::Gone, std::move(what), {}); }
  void left(std::string what, std::string why) {
    add(ReportItem::Outcome::Left, std::move(what), std::move(why));
  }
  // A reason the uninstallation as a whole, or a part of the log, is not carried out.
  void refuse(std::string why) { refusals_.push_back(std::move(why)); }

  bool dryRun() const { return dryRun_; }
  const std::vector<ReportItem>& items() const { return items_; }
  const std::vector<std::string>& refusals() const { return refusals_; }
  // Nothing left and nothing refused: the product is gone.
  bool complete() const;
  bool removesAnything() const;

  // The report in German, one item a line, grouped as removed, left, refused.
  std::string text() const;

 private:
  void add(ReportItem::Outcome outcome, std::string what, std::string why) {
    items_.push_back({outcome, std::move(what), std::move(why)});
  }

  bool dryRun_;
  std::vector<ReportItem> items_;
  std::vector<std::string> refusals_;
};

}  // namespace uninstall
