#include "installer/archive_table.h"

#include <algorithm>
#include <iterator>

#include "shell/simulators.h"

namespace {

// Which choice an archive depends on. Per-aircraft rows are repeated for aircraft 1 to 4.
enum class Needs {
  Training,
  Scenery,
  AnyAircraft,
  EachAircraft,
  Aircraft1Or2,
  Aircraft3Or4,
};

// In archive names "<V>" is the simulator's CD folder, "<r>" the scenery resolution code (empty
// for a simulator whose scenery comes in one resolution) and "<n>" the aircraft number.
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
    {InstallGroup::Scenery, "Installiere Szenerie...", "<V>NORVANE<r>.RAR", kSimulator,
     Needs::Scenery},
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

bool Holds(Needs needs, const InstallSession& session) {
  switch (needs) {
    case Needs::Training:
      return session.TrainingChosen;
    case Needs::Scenery:
      return session.SceneryChosen;
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

QString Expand(const char* pattern, const Simulator& simulator, const QString& resolution,
               int aircraft) {
  QString name = QString::fromLatin1(pattern);
  name.replace(QLatin1String("<V>"), QString::fromLatin1(simulator.cdFolder));
  name.replace(QLatin1String("<r>"), simulator.sceneryResolutions ? resolution : QString());
  name.replace(QLatin1String("<n>"), QString::number(aircraft));
  return name;
}

PlannedArchive Plan(const ArchiveRow& row, const Simulator& simulator, const QString& resolution,
                    int aircraft) {
  return {row.status ? QString::fromUtf8(row.status) : QString(),
          Expand(row.archive, simulator, resolution, aircraft), row.destination};
}

}  // namespace

QString SimulatorCdFolder(int version) {
  const Simulator* simulator = simulatorFor(version);
  return simulator ? QString::fromLatin1(simulator->cdFolder) : QString();
}

std::vector<PlannedArchive> PlanArchives(InstallGroup group, const InstallSession& session,
                                         int version) {
  std::vector<PlannedArchive> plan;
  const Simulator* simulator = simulatorFor(version);
  if (!simulator) return plan;
  const ArchiveRow* row = std::begin(kArchives);
  while (row != std::end(kArchives)) {
    if (row->group != group || !Holds(row->needs, session)) {
      ++row;
      continue;
    }
    if (row->needs != Needs::EachAircraft) {
      plan.push_back(Plan(*row, *simulator, session.SceneryRes, 0));
      ++row;
      continue;
    }
    // The rows of one aircraft go together, aircraft by aircraft.
    const ArchiveRow* end = row;
    while (end != std::end(kArchives) && end->needs == Needs::EachAircraft) ++end;
    for (int n = 1; n <= 4; ++n) {
      if (!Chosen(session, n)) continue;
      for (const ArchiveRow* each = row; each != end; ++each)
        plan.push_back(Plan(*each, *simulator, session.SceneryRes, n));
    }
    row = end;
  }
  return plan;
}
