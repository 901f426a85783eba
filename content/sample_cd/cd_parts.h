#pragma once
// The parts of the sample CD, each written by its own source.
#include <filesystem>
#include <string>

#include "cd_folder.h"

namespace samplecd {

// QTP.RAR (the installed shell's launcher, its icon and help pages), ADV.RAR (the instructor's
// voice) and, for each simulator, <V>ADV.RAR (lessons and adventures) and <V>PILOTS.RAR
// (situations).
void writeTrainingArchives(const CdFolder& cd);

// FS2000\NORVANE0.RAR .. NORVANE2.RAR (one per texture resolution) and FS98\NORVANE.RAR.
void writeSceneryArchives(const CdFolder& cd);

// <V>SOUND.RAR, <V>Aircraft<n>.rar, <V>GAUGES<n>.rar and <V>AIRCRAFTSND<n>.RAR.
// The Windows module is NOR_NV36.gau when given (the Linux one then NOR_NV36.so), else the
// Linux one is.
void writeAircraftArchives(const CdFolder& cd, const std::filesystem::path& gaugeModule,
                           const std::filesystem::path& windowsGaugeModule);

// UNINSTALL.EXE in the root.
void writeUninstaller(const CdFolder& cd);

// UIRES: the FAQ, the gallery, the aircraft and scenery pictures with their texts.
void writeUserInterfaceFiles(const CdFolder& cd);

// UIRES\GALERIA\<base>.JPG (640 x 480), PREV\<base>.JPG and GALERIA.TXT.
void writeGalleryFiles(const CdFolder& cd);

// UIRES\GALERIA\QTP_D2.AVI, the promotional video.
void writeSponsorVideo(const CdFolder& cd);

// UIRES\PLANES (pictures, previews, PLANES.TXT) and UIRES\SCENERY.
void writePlanesFiles(const CdFolder& cd);

}  // namespace samplecd
