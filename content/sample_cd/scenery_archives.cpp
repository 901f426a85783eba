// The Arizona scenery: for Flight Simulator 2000 one archive per texture resolution, each with
// all three elevation files (the installer keeps the one that matches), for Flight Simulator 98
// one archive whose BGL files lie where its scenery entry points (NORVANE\AZ\*.BGL).
#include <iomanip>
#include <sstream>

#include "cd_layout.h"
#include "cd_parts.h"
#include "file_data.h"

namespace samplecd {

namespace {

constexpr int kObjectFiles = 24;

struct Resolution {
  char code;  // "0" low .. "2" high
  int textureSide;
};

constexpr Resolution kResolutions[] = {{'0', 4}, {'1', 8}, {'2', 16}};

// Elevation meshes by grid spacing; the finer one is the larger file.
struct Elevation {
  const char* file;
  std::size_t size;
};

constexpr Elevation kElevations[] = {
    {"az2k100mdem.bgl", 4096},
    {"az2k200mdem.bgl", 2048},
    {"az2k300mdem.bgl", 1024},
};

std::string fourDigits(int n) {
  std::ostringstream out;
  out << std::setw(4) << std::setfill('0') << n;
  return out.str();
}

void addObjects(ArchiveTree& tree, const std::string& folder, const std::string& stem) {
  tree.addFile(folder + stem + "lc.bgl", binaryData(stem + " landclass", 512));
  for (int i = 1; i <= kObjectFiles; ++i) {
    const std::string name = folder + stem + "obj" + twoDigits(i) + ".bgl";
    tree.addFile(name, binaryData(name, 160 + 8 * static_cast<std::size_t>(i)));
  }
}

void fillWithTextures(ArchiveTree& tree, int members, const std::string& folder,
                      const std::string& stem, int side) {
  tree.fillTo(static_cast<std::size_t>(members), [&](int i) {
    const std::string name = folder + stem + fourDigits(i + 1) + ".bmp";
    return std::pair{name, bmpTile(side, nameSeed(name))};
  });
}

ArchiveTree fs2000Scenery(const SimulatorCd& simulator, const Resolution& resolution) {
  ArchiveTree tree;
  const std::string scenery = "Norvane\\AZ\\Scenery\\";
  for (const Elevation& elevation : kElevations)
    tree.addFile(scenery + elevation.file, binaryData(elevation.file, elevation.size));
  addObjects(tree, scenery, "az2k");
  fillWithTextures(tree, simulator.sceneryMembers, "Norvane\\AZ\\Texture\\", "az2k",
                   resolution.textureSide);
  return tree;
}

ArchiveTree fs98Scenery(const SimulatorCd& simulator) {
  ArchiveTree tree;
  const std::string scenery = "NORVANE\\AZ\\";
  tree.addFile(scenery + "AZ98DEM.BGL", binaryData("AZ98DEM.BGL", 2048));
  addObjects(tree, scenery, "AZ98");
  fillWithTextures(tree, simulator.sceneryMembers, scenery + "TEXTURE\\", "AZ98", 8);
  return tree;
}

}  // namespace

void writeSceneryArchives(const CdFolder& cd) {
  for (const SimulatorCd& simulator : simulators()) {
    if (simulator.version == 2000) {
      for (const Resolution& resolution : kResolutions)
        cd.writeArchive(cdPath(simulator, std::string("NORVANE") + resolution.code + ".RAR"),
                        fs2000Scenery(simulator, resolution));
    } else {
      cd.writeArchive(cdPath(simulator, "NORVANE.RAR"), fs98Scenery(simulator));
    }
  }
}

}  // namespace samplecd
