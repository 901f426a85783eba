// Naming of the volumes that follow the first.
#include <gtest/gtest.h>

#include "libs/unrar/volume_names.h"

namespace {

using unrar::nextVolumeName;

TEST(VolumeNames, NewNumberingCountsTheLastDigitsBeforeTheExtension) {
  EXPECT_EQ(nextVolumeName("/cd/x.part1.rar", true), "/cd/x.part2.rar");
  EXPECT_EQ(nextVolumeName("/cd/x.part0009.rar", true), "/cd/x.part0010.rar");
  EXPECT_EQ(nextVolumeName("/cd/x.part9.rar", true), "/cd/x.part10.rar");
  EXPECT_EQ(nextVolumeName("/cd/x.part99.RAR", true), "/cd/x.part100.RAR");
  // After a self-extracting first volume come plain archives.
  EXPECT_EQ(nextVolumeName("/cd/x.part1.exe", true), "/cd/x.part2.rar");
  EXPECT_EQ(nextVolumeName("/cd/X.PART1.EXE", true), "/cd/X.PART2.RAR");
}

TEST(VolumeNames, OldNumberingWalksTheExtension) {
  EXPECT_EQ(nextVolumeName("/cd/x.rar", false), "/cd/x.r00");
  EXPECT_EQ(nextVolumeName("/cd/X.RAR", false), "/cd/X.R00");
  EXPECT_EQ(nextVolumeName("/cd/x.r00", false), "/cd/x.r01");
  EXPECT_EQ(nextVolumeName("/cd/x.r09", false), "/cd/x.r10");
  EXPECT_EQ(nextVolumeName("/cd/x.r99", false), "/cd/x.s00");
  EXPECT_EQ(nextVolumeName("/cd/x.exe", false), "/cd/x.r00");
  // New numbering without digits in the name falls back to the old scheme.
  EXPECT_EQ(nextVolumeName("/cd9/x.rar", true), "/cd9/x.r00");
}

}  // namespace
