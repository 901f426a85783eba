#include "run_fixture.h"

#include <archive.h>
#include <archive_entry.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <fstream>

#include "content/demo/demo_prefix.h"
#include "controls/compass.h"
#include "controls/hemisphere_button.h"
#include "controls/label.h"
#include "installer/install_run.h"
#include "installer/setup1_dlg.h"
#include "platform/prefix.h"
#include "platform/registry.h"
#include "shell/install_state.h"
#include "shell/message_form.h"
#include "tests/shell/shell_test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProductKey = "SOFTWARE\\NORVANE\\QTP\\1.0";
// Far beyond any run of the sample CD; only keeps a broken run from hanging the suite.
constexpr qint64 kRunLimitMs = 300000;

// The host path of a CD path such as "FS2000\SOUND.RAR".
fs::path HostCdPath(const fs::path& root, const std::string& cdPath) {
  fs::path path = root;
  std::string part;
  for (const char c : cdPath) {
    if (c == '\\') {
      path /= part;
      part.clear();
    } else {
      part += c;
    }
  }
  return path / part;
}

// A folder of links to the entries of `from`.
void LinkEntries(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from))
    fs::create_symlink(entry.path(), to / entry.path().filename());
}

}  // namespace

fs::path RunTest::SampleCd() {
  const char* content = std::getenv("QTP_CONTENT_DIR");
  return fs::path(content ? content : "") / "cd";
}

void RunTest::SetUp() {
  hooks::clearAll();
  ResetProgramState();
  const fs::path home = prefix.root() / "home";
  fs::create_directories(home / "Desktop");
  home_ = std::make_unique<testsupport::ScopedEnv>("HOME", home.string());
  dataHome_ = std::make_unique<testsupport::ScopedEnv>("XDG_DATA_HOME", (home / "data").string());
  configHome_ =
      std::make_unique<testsupport::ScopedEnv>("XDG_CONFIG_HOME", (home / "config").string());

  ASSERT_TRUE(fs::is_regular_file(SampleCd() / "QTP.RAR")) << "no sample CD in " << SampleCd();
  std::string why;
  ASSERT_TRUE(demo::makeDemoPrefix(prefix.dir(), &why)) << why;
  cd_ = prefix.root() / "cd";
  LinkEntries(SampleCd(), cd_);
  const fs::path driveLink = prefix.dir() / "dosdevices" / "d:";
  fs::remove(driveLink);
  fs::create_symlink(cd_, driveLink);
  ASSERT_TRUE(platform::openPrefix(prefix.dir()));

  DetectSimulators();
  ASSERT_FALSE(FS2000Path.isEmpty());
  ASSERT_FALSE(FS98Path.isEmpty());
  InstallState.CDDrive = QString::fromLatin1(demo::kCdDrive);
  WriteStateString(QStringLiteral("CDDrive"), InstallState.CDDrive);
  // The target folder as the options dialog leaves it: made.
  Session.TargetFolder = FS2000Path + QStringLiteral("NORVANE\\QTP\\");
  fs::create_directories(Fs2000() / "NORVANE" / "QTP");
  Session.SceneryRes = QStringLiteral("0");

  hooks::setMessageObserver(
      [this](const hooks::MessageRecord& record) { messages.push_back(record); });
  hooks::setPlainObserver([this](const QString& text) { plain.push_back(text); });
  installrun::setArchiveObserver([this](const QString& archive, const QString& destination) {
    archives.push_back(archive);
    destinations.push_back(destination);
  });

  pump_ = std::make_unique<QTimer>();
  pump_->setInterval(0);
  QObject::connect(pump_.get(), &QTimer::timeout, [this] {
    if (Setup2DLG && Setup2DLG->running()) {
      windowSeen = windowSeen || InstallRunWindowShown();
      const QString status = Setup2DLG->InfoText->text();
      if (statuses.empty() || statuses.back() != status) statuses.push_back(status);
    }
    AnswerShownMessage();
    if (onPump) onPump();
  });
  pump_->start();
}

void RunTest::TearDown() {
  pump_.reset();
  installrun::setArchiveObserver({});
  installrun::setArchiveLibrary(kUnrarLibraryName);
  hooks::clearAll();
  ResetProgramState();
}

void RunTest::AnswerShownMessage() {
  TMessageForm* form = MessageForm;
  if (!form || !form->isVisible()) return;
  const QString text = form->MSGLabel->text();
  if (text == QStringLiteral("Installation wurde erfolgreich durchgeführt!") && Setup2DLG) {
    headingAtSuccess = Setup2DLG->Progress->heading();
    statusAtSuccess = Setup2DLG->InfoText->text();
  }
  const bool both = form->OKBtn->isVisible() && form->AbortBtn->isVisible();
  QString caption;
  if (const auto rule = answers.find(text); rule != answers.end()) {
    caption = rule->second;
  } else if (both) {
    ADD_FAILURE() << "no answer for " << text.toStdString();
    form->close();
    return;
  } else {
    caption = form->OKBtn->isVisible() ? form->OKBtn->caption() : form->AbortBtn->caption();
  }
  if (form->OKBtn->isVisible() && form->OKBtn->caption() == caption)
    form->OKBtnClick();
  else
    form->AbortBtnClick();
}

void RunTest::ReplaceCdFile(const std::string& cdPath, const std::optional<std::string>& bytes) {
  // Turn every linked folder on the way into a real folder of links.
  fs::path folder = cd_;
  std::string part;
  for (const char c : cdPath) {
    if (c != '\\') {
      part += c;
      continue;
    }
    folder /= part;
    part.clear();
    if (fs::is_symlink(folder)) {
      const fs::path target = fs::read_symlink(folder);
      fs::remove(folder);
      LinkEntries(target, folder);
    }
  }
  const fs::path file = HostCdPath(cd_, cdPath);
  fs::remove(file);
  if (!bytes) return;
  std::ofstream out(file, std::ios::binary);
  out << *bytes;
}

fs::path RunTest::Fs2000() const {
  return prefix.driveC() / "Program Files" / "Microsoft Games" / "FS2000";
}

fs::path RunTest::Fs98() const {
  return prefix.driveC() / "Program Files" / "Microsoft Games" / "FS98";
}

void RunTest::RunInstallation(QWidget* owner) {
  StartInstallRun(owner);
  QPointer<TSetup2DLG> window = Setup2DLG;
  ASSERT_TRUE(window);
  window->Timer1->start(0);
  QElapsedTimer guard;
  guard.start();
  while (window && guard.elapsed() < kRunLimitMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  ASSERT_FALSE(window) << "the run did not end";
}

std::optional<bool> RunTest::StoredBool(const char* name) const {
  auto key = platform::RegistryKey::open(kProductKey, false);
  if (!key) return std::nullopt;
  const auto value = key->readInteger(name);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::optional<std::string> RunTest::StoredString(const char* name) const {
  auto key = platform::RegistryKey::open(kProductKey, false);
  return key ? key->readString(name) : std::nullopt;
}

std::vector<QString> RunTest::MessageTexts() const {
  std::vector<QString> texts;
  for (const hooks::MessageRecord& record : messages) texts.push_back(record.text);
  return texts;
}

std::vector<std::string> ArchiveMembers(const fs::path& archive) {
  std::vector<std::string> members;
  struct archive* reader = archive_read_new();
  archive_read_support_format_rar(reader);
  if (archive_read_open_filename(reader, archive.c_str(), 65536) == ARCHIVE_OK) {
    archive_entry* entry = nullptr;
    while (archive_read_next_header(reader, &entry) == ARCHIVE_OK) {
      std::string name = archive_entry_pathname(entry);
      for (char& c : name)
        if (c == '\\') c = '/';
      members.push_back(name);
      archive_read_data_skip(reader);
    }
  }
  archive_read_free(reader);
  return members;
}
