// The module's bitmaps and sounds, found through its dlopen handle as the gauges find them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "loaded_module.h"
#include "winapi/resource_pack.h"
#include "winapi/windows.h"

namespace {

const int kSoundIds[] = {118, 142, 199, 226, 255, 288, 289, 315, 316, 317, 318};

bool isSound(int id) {
  return std::find(std::begin(kSoundIds), std::end(kSoundIds), id) != std::end(kSoundIds);
}

// Background sizes from the gauge table.
const std::map<int, std::pair<int, int>> kBackgroundSizes = {
    {101, {136, 136}},  {103, {140, 140}}, {105, {86, 86}},   {108, {80, 80}},   {110, {144, 144}},
    {119, {141, 141}},  {121, {110, 110}}, {124, {147, 147}}, {125, {135, 135}}, {129, {59, 48}},
    {132, {135, 132}},  {137, {98, 94}},   {143, {173, 72}},  {152, {151, 151}}, {160, {47, 57}},
    {163, {161, 161}},  {169, {108, 38}},  {170, {127, 25}},  {178, {165, 156}}, {191, {20, 20}},
    {193, {20, 20}},    {195, {20, 20}},   {197, {20, 20}},   {200, {20, 20}},   {202, {151, 151}},
    {209, {506, 106}},  {213, {337, 175}}, {220, {337, 175}}, {227, {80, 67}},   {229, {80, 67}},
    {231, {80, 67}},    {278, {80, 67}},   {233, {47, 57}},   {236, {274, 59}},  {256, {274, 53}},
    {262, {274, 56}},   {280, {274, 53}},  {290, {274, 53}},  {292, {274, 53}},  {294, {274, 53}},
    {296, {1024, 110}}, {319, {37, 26}},   {321, {183, 34}}};

// Element bitmaps whose sizes the instrument descriptions give.
const std::map<int, std::pair<int, int>> kElementSizes = {
    {179, {102, 102}}, {180, {57, 101}}, {181, {256, 256}}, {183, {9, 10}},   {184, {9, 9}},
    {189, {165, 156}}, {190, {12, 57}},  {203, {128, 128}}, {204, {16, 14}},  {207, {151, 151}},
    {208, {3, 70}},    {210, {22, 20}},  {212, {501, 106}}, {215, {100, 99}}, {218, {39, 45}},
    {222, {39, 51}},   {224, {33, 100}}, {228, {55, 58}},   {234, {24, 35}},  {237, {8, 11}},
    {249, {16, 15}},   {254, {18, 11}},  {263, {45, 45}},   {269, {13, 35}},  {274, {9, 14}},
    {276, {14, 9}},    {279, {44, 31}},  {281, {16, 15}},   {286, {20, 21}},  {297, {1024, 110}},
    {298, {39, 51}},   {304, {65, 65}},  {309, {36, 295}},  {311, {78, 82}},  {314, {45, 45}},
    {320, {37, 26}},   {322, {26, 24}},  {324, {10, 60}},   {329, {105, 67}}};

std::uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

struct Found {
  const unsigned char* bytes = nullptr;
  DWORD size = 0;
};

Found find(HMODULE module, int id, LPCSTR type) {
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCE(id), type);
  if (resource == nullptr) return {};
  return {static_cast<const unsigned char*>(LockResource(LoadResource(module, resource))),
          SizeofResource(module, resource)};
}

class ModuleResources : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_MODULE_LOADED(LoadedModule::get()); }
  HMODULE handle = static_cast<HMODULE>(LoadedModule::get().handle);
};

TEST_F(ModuleResources, EveryBitmapIdIsAWellFormed24BitBmp) {
  int bitmaps = 0;
  for (int id = 101; id <= 329; ++id) {
    if (isSound(id)) continue;
    SCOPED_TRACE(id);
    const Found bmp = find(handle, id, RT_BITMAP);
    ASSERT_NE(bmp.bytes, nullptr);
    ASSERT_GE(bmp.size, 54u);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(bmp.bytes), 2), "BM");
    const auto width = static_cast<int>(le32(bmp.bytes + 18));
    const auto height = static_cast<int>(le32(bmp.bytes + 22));
    EXPECT_EQ(bmp.bytes[28], 24);         // bits per pixel
    EXPECT_EQ(le32(bmp.bytes + 30), 0u);  // uncompressed
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    EXPECT_EQ(bmp.size, le32(bmp.bytes + 2));
    EXPECT_EQ(bmp.size, 54 + stride * static_cast<std::uint32_t>(height));
    for (const auto* sizes : {&kBackgroundSizes, &kElementSizes}) {
      if (const auto expected = sizes->find(id); expected != sizes->end()) {
        EXPECT_EQ(std::make_pair(width, height), expected->second);
      }
    }
    ++bitmaps;
  }
  EXPECT_EQ(bitmaps, 218);
}

TEST_F(ModuleResources, BitmapTypeMayBeNamedOrNumbered) {
  const Found byNumber = find(handle, 101, RT_BITMAP);
  ASSERT_NE(byNumber.bytes, nullptr);
  EXPECT_EQ(find(handle, 101, "BITMAP").bytes, byNumber.bytes);
  EXPECT_EQ(find(handle, 101, "bitmap").bytes, byNumber.bytes);
  EXPECT_EQ(find(handle, 101, "#2").bytes, byNumber.bytes);
  EXPECT_EQ(FindResourceA(handle, "#101", RT_BITMAP),
            FindResourceA(handle, MAKEINTRESOURCE(101), RT_BITMAP));
}

TEST_F(ModuleResources, EverySoundIsAWaveResourceAndNotAWav) {
  for (int id : kSoundIds) {
    SCOPED_TRACE(id);
    const Found wave = find(handle, id, "WAVE");
    ASSERT_NE(wave.bytes, nullptr);
    ASSERT_GE(wave.size, 12u);
    EXPECT_EQ(std::memcmp(wave.bytes, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wave.bytes + 8, "WAVE", 4), 0);
    EXPECT_EQ(le32(wave.bytes + 4) + 8, wave.size);
    // The sound engine's fallback type finds nothing here, so it is the WAVE that is used.
    EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(id), "WAV"), nullptr);
    EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(id), RT_BITMAP), nullptr);
  }
}

TEST_F(ModuleResources, UnknownNamesTypesAndModulesFindNothing) {
  EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(100), RT_BITMAP), nullptr);
  EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(330), RT_BITMAP), nullptr);
  EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(101), "ICON"), nullptr);
  EXPECT_EQ(FindResourceA(handle, "CLICK", "WAVE"), nullptr);
  EXPECT_EQ(FindResourceA(handle, "#", "WAVE"), nullptr);
  EXPECT_EQ(FindResourceA(handle, "#12x", "WAVE"), nullptr);
  EXPECT_EQ(FindResourceA(handle, nullptr, "WAVE"), nullptr);
  EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(118), nullptr), nullptr);
  EXPECT_EQ(FindResourceA(handle, MAKEINTRESOURCE(118), "AVERYLONGTYPENAME"), nullptr);
  // The test program itself has no resources.
  EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(101), RT_BITMAP), nullptr);
}

TEST_F(ModuleResources, ForeignHandlesAreRefused) {
  int notAResource = 0;
  const auto bogus = reinterpret_cast<HRSRC>(&notAResource);
  EXPECT_EQ(LoadResource(handle, bogus), nullptr);
  EXPECT_EQ(SizeofResource(handle, bogus), 0u);
  EXPECT_EQ(LoadResource(handle, nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

// Like a Windows instance handle, the module's base address or any address inside it names the
// module; values that name no loaded module find nothing and are never followed.
TEST_F(ModuleResources, TheModuleMayBeNamedByAnAddressInsideIt) {
  const auto* linkage = LoadedModule::get().linkage;
  const HMODULE inside = reinterpret_cast<HMODULE>(const_cast<LINKAGE_HEAD*>(linkage));
  EXPECT_NE(FindResourceA(inside, MAKEINTRESOURCE(101), RT_BITMAP), nullptr);
  Dl_info info{};
  ASSERT_NE(dladdr(linkage, &info), 0);
  EXPECT_NE(FindResourceA(static_cast<HMODULE>(info.dli_fbase), MAKEINTRESOURCE(118), "WAVE"),
            nullptr);
  int onTheStack = 0;
  EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&onTheStack), MAKEINTRESOURCE(101), RT_BITMAP),
            nullptr);
  EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(std::uintptr_t{0x10}), MAKEINTRESOURCE(101),
                          RT_BITMAP),
            nullptr);
}

TEST_F(ModuleResources, TheProgramDoesNotBorrowAGloballyLoadedModulesResources) {
  void* global = dlopen(NOR_NV36_PATH, RTLD_NOW | RTLD_NOLOAD | RTLD_GLOBAL);
  ASSERT_NE(global, nullptr);
  EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(101), RT_BITMAP), nullptr);
  EXPECT_NE(FindResourceA(static_cast<HMODULE>(global), MAKEINTRESOURCE(101), RT_BITMAP), nullptr);
  dlclose(global);
}

// A resource handle is only good while its module is loaded: a copy of the module, loaded and
// unloaded again, leaves handles that must be refused, not read from unmapped memory.
TEST_F(ModuleResources, HandlesOfAnUnloadedModuleAreRefused) {
  const auto copy =
      std::filesystem::temp_directory_path() / ("resources-" + std::to_string(::getpid()) + ".gau");
  std::filesystem::copy_file(NOR_NV36_PATH, copy,
                             std::filesystem::copy_options::overwrite_existing);
  void* second = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(second, nullptr) << dlerror();
  const auto module = static_cast<HMODULE>(second);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCE(118), "WAVE");
  ASSERT_NE(resource, nullptr);
  EXPECT_GT(SizeofResource(module, resource), 0u);
  // Half-way into an entry is not a handle either.
  const auto skewed = reinterpret_cast<HRSRC>(reinterpret_cast<std::uintptr_t>(resource) + 2);
  EXPECT_EQ(LoadResource(module, skewed), nullptr);
  dlclose(second);
  std::filesystem::remove(copy);
  EXPECT_EQ(LoadResource(module, resource), nullptr);
  EXPECT_EQ(SizeofResource(module, resource), 0u);
}

// The pack reader refuses bytes that are not a whole pack.
TEST(ResourcePack, MalformedPacksAreRefused) {
  const auto* directory = static_cast<const QtpResourceDirectory*>(
      dlsym(LoadedModule::get().handle, "qtp_resource_directory"));
  ASSERT_NE(directory, nullptr);
  const auto table = respack::entries(directory->pack, directory->size);
  ASSERT_TRUE(table);
  std::uint64_t end = 0;
  for (const respack::PackEntry& entry : *table)
    end = std::max<std::uint64_t>(end, entry.offset + entry.size);
  EXPECT_TRUE(respack::entries(directory->pack, end));
  EXPECT_FALSE(respack::entries(directory->pack, end - 1));  // last resource cut
  EXPECT_FALSE(respack::entries(directory->pack, 20));       // table cut
  EXPECT_FALSE(respack::entries(nullptr, 100));
  std::vector<unsigned char> copy(directory->pack, directory->pack + 64);
  copy[0] = 'X';
  EXPECT_FALSE(respack::entries(copy.data(), copy.size()));
}

}  // namespace
