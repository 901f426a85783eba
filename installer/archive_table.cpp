#include "installer/archive_table.h"

#include <algorithm>
#include <iterator>

namespace {

// Which choice an archive depends on. Per-aircraft rows are repeated for aircraft 1 to 4.
enum class Needs {
  Training,
  Scenery2000,
  Scenery98,
  AnyAircraft,
  EachAircraft,
  Aircraft1Or2,
  Aircraft3Or4,
};

// In archive names "<V>" is the simulator's CD folder, "<r>" the scenery resolution code and
// "<n>" the aircraft number.
struct ArchiveRow {
  InstallGroup group;
  const char* status;  // nullptr: unchanged
  const char* archive;
  ArchiveDestination destination;
  Needs needs;
};

constexpr ArchiveDestination kTarget = ArchiveDestination::TargetFolder;
constexpr ArchiveDestination kSimulator = ArchiveDestination::SimulatorFolder;

const ArchiveRow kArchives[] = {
    {InstallGroup::Training, "Installiere QTP...", "QTP.RAR", kTarget, Needs::Training},
    {InstallGroup::Training, "Installiere Adventures...", "<V>ADV.RAR", kSimulator,
     Needs::Training},
    {InstallGroup::Training, "Installiere ADV-Sound...", "ADV.RAR", kSimulator, Needs::Training},
    {InstallGroup::Training, "Installiere Situationen", "<V>PILOTS.RAR", kSimulator,
     Needs::Training},
    {InstallGroup::Scenery, "Installiere Szenerie...", "FS2000\\NORVANE<r>.RAR", kSimulator,
     Needs::Scenery2000},
    {InstallGroup::Scenery, "Installiere Szenerie...", "FS98\\NORVANE.RAR", kSimulator,
     Needs::Scenery98},
    {InstallGroup::Aircraft, "Installiere SOUND...", "<V>SOUND.RAR", kSimulator,
     Needs::AnyAircraft},
    {InstallGroup::Aircraft, "Installiere Flugzeuge...", "<V>Aircraft<n>.rar", kSimulator,
     Needs::EachAircraft},
    {InstallGroup::Aircraft, nullptr, "<V>GAUGES<n>.rar", kSimulator, Needs::EachAircraft},
    {InstallGroup::Aircraft, nullptr, "<V>AIRCRAFTSND1.RAR", kSimulator, Needs::Aircraft1Or2},
    {InstallGroup::Aircraft, nullptr, "<V>AIRCRAFTSND2.RAR", kSimulator, Needs::Aircraft3Or4},
};

bool Chosen(const InstallSession& session, int aircraft) {
  return session.AircraftChosen[aircraft - 1];
}

bool Holds(Needs needs, const InstallSession& session, int version) {
  switch (needs) {
    case Needs::Training:
      return session.TrainingChosen;
    case Needs::Scenery2000:
      return session.SceneryChosen && version == 2000;
    case Needs::Scenery98:
      return session.SceneryChosen && version == 98;
    case Needs::AnyAircraft:
    case Needs::EachAircraft:
      return std::any_of(std::begin(session.AircraftChosen), std::end(session.AircraftChosen),
                         [](bool chosen) { return chosen; });
    case Needs::Aircraft1Or2:
      return Chosen(session, 1) || Chosen(session, 2);
    case Needs::Aircraft3Or4:
      return Chosen(session, 3) || Chosen(session, 4);
  }
  return false;
}

QString Expand(const char* pattern, int version, const QString& resolution, int aircraft) {
  QString name = QString::fromLatin1(pattern);
  name.replace(QLatin1String("<V>"), SimulatorCdFolder(version));
  name.replace(QLatin1String("<r>"), resolution);
  name.replace(QLatin1String("<n>"), QString::number(aircraft));
  return name;
}

PlannedArchive Plan(const ArchiveRow& row, int version, const QString& resolution, int aircraft) {
  return {row.status ? QString::fromUtf8(row.status) : QString(),
          Expand(row.archive, version, resolution, aircraft), row.destination};
}

}  // namespace

QString SimulatorCdFolder(int version) {
  if (version == 98) return QStringLiteral("FS98\\");
  if (version == 2000) return QStringLiteral("FS2000\\");
  return {};
}

std::vector<PlannedArchive> PlanArchives(InstallGroup group, const InstallSession& session,
                                         int version) {
  std::vector<PlannedArchive> plan;
  if (SimulatorCdFolder(version).isEmpty()) return plan;
  const ArchiveRow* row = std::begin(kArchives);
  while (row != std::end(kArchives)) {
    if (row->group != group || !Holds(row->needs, session, version)) {
      ++row;
      continue;
    }
    if (row->needs != Needs::EachAircraft) {
      plan.push_back(Plan(*row, version, session.SceneryRes, 0));
      ++row;
      continue;
    }
    // The rows of one aircraft go together, aircraft by aircraft.
    const ArchiveRow* end = row;
    while (end != std::end(kArchives) && end->needs == Needs::EachAircraft) ++end;
    for (int n = 1; n <= 4; ++n) {
      if (!Chosen(session, n)) continue;
      for (const ArchiveRow* each = row; each != end; ++each)
        plan.push_back(Plan(*each, version, session.SceneryRes, n));
    }
    row = end;
  }
  return plan;
}
