#pragma once
// The flight school on a fresh program state in a test prefix: the page shown as the main menu
// shows it, codes typed key by key, and the lessons as the product key holds them.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "pages/syllabus_dlg.h"
#include "platform/shell_open.h"
#include "tests/installer_wizard/wizard_fixture.h"

class FlightSchoolTest : public WizardTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the page modally at this screen width, runs `action` once it is up and closes the
  // page afterwards unless the action did.
  void WithSchool(const std::function<void(TSyllabusDLG&)>& action, int screenWidth = 640);

  // Whether the product key holds M<lesson> as completed.
  bool StoredLesson(int lesson) const;

  std::vector<platform::ShellOpenRequest> opened;
};

// The completion code of a lesson as the user types it.
QString CodeOf(int lesson);

// Types the text into CodeEdit key by key, as a person does.
void TypeCode(TSyllabusDLG& page, const QString& text);

// The first line of the briefing on show.
QString ShownHeading(const TSyllabusDLG& page);

// Runs `action` and returns the names of the dialogs that came up meanwhile; each is closed as
// soon as it shows, so nothing waits for a person.
QStringList DialogsShownDuring(const std::function<void()>& action);
