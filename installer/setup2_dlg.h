#pragma once
// The installation run's window: a compass needle over a dial that turns as archive members
// come off the CD, and a status line. The run itself happens in Timer1's single shot.
#include <QStringList>
#include <filesystem>
#include <functional>

#include "installer/archive_table.h"
#include "installer/rar_arc.h"
#include "installer/record/name_cache.h"
#include "shell/program_state.h"
#include "shell/shell_form.h"

class QTimer;
class TCompass;
class TImage;
class TLabel;
class TPanel;
class TShortcutLink;
struct Simulator;

class TSetup2DLG : public TShellForm {
  Q_OBJECT

 public:
  // The window is nobody's child: it belongs to `owner` until its run begins and frees itself
  // when the run ends, so nothing a page does while the run pumps messages can free it under
  // the running sequence.
  explicit TSetup2DLG(QWidget* owner);
  ~TSetup2DLG() override;

  // Extracts the CD archive `archive` (relative to the CD root, such as "FS2000\SOUND.RAR")
  // into the Windows folder `destination`. False when the CD file could not be found (the CD
  // prompt was given up, nothing said), or when the destination folder is gone or the
  // extraction failed (said in red, InstallAbort set).
  bool ExtractFromCD(const QString& archive, const QString& destination);

  bool running() const { return running_; }

  TImage* Image1;
  TCompass* Progress;
  TPanel* InfoPanel;
  TLabel* InfoText;
  QTimer* Timer1;
  TRAR RAR1;
  TShortcutLink* ShortcutLink1;

 public slots:
  void Timer1Timer();

 private:
  // The progress handler, once per extracted member.
  void RAR1Extract();
  // Where a member lands below the extraction folder, each existing name matched as the archive
  // library matches it.
  std::filesystem::path MemberPath(const TRAR& rar, const RARHeaderData& member);
  // Before the library writes a member, the journal holds what it will create or replace; a
  // journal that cannot be written stops the extraction as a failed one.
  void JournalMember(const TRAR& rar, const RARHeaderData& member);
  void ShowStatus(const QString& text);
  // The sequence up to the completion; false when it stopped.
  bool RunSequence();
  bool ExtractGroup(InstallGroup group);
  void CompleteTraining(const Simulator& simulator);
  // False when the scenery could not be registered (told in red, left unrecorded).
  bool CompleteScenery(const Simulator& simulator);
  void CompleteAircraft(const Simulator& simulator);
  // Seals the component's records into the install log, then records its flags; a log that
  // cannot be written leaves it not installed and undone (false).
  bool Seal(const QStringList& flags, const std::function<void()>& record);
  void EndStep();
  void OwnerDestroyed();
  QString DestinationFolder(ArchiveDestination destination) const;

  bool running_ = false;
  bool ended_ = false;
  bool uninstallerAwaitsCd_ = false;  // copied after the next successful CD check
  bool componentMissed_ = false;      // a chosen component arrived but is not installed
  installrecord::NameCache names_;    // below the folder of the archive being extracted
};

// The run window from its start until its run has ended or its owner went before the run
// began, else null.
inline TSetup2DLG*& Setup2DLG = programState.Setup2DLG;
