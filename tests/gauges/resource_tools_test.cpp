// The build-time tools behind the module's resources: the 24-bit BMP writer and the packer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "content/gauges/bmp_writer.h"
#include "winapi/resource_pack.h"

namespace fs = std::filesystem;

namespace {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "qtp-gauges-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) != nullptr ? fs::path(pattern) : fs::path();
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Widths whose rows need 0 to 3 bytes of padding.
TEST(BmpWriter, RoundTripsEveryPixelWhateverTheRowPadding) {
  TempFolder folder;
  ASSERT_FALSE(folder.path().empty());
  for (int width : {1, 2, 3, 4, 9, 13}) {
    SCOPED_TRACE(width);
    QImage image(width, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 19, y * 50, (x + y) * 7));
    const QString path = QString::fromStdString((folder.path() / "image.bmp").string());
    ASSERT_TRUE(gaugeart::writeBmp24(image, path));
    const std::string bytes = readAll(path.toStdString());
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    EXPECT_EQ(bytes.size(), 54 + stride * 5);
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    QImage back(path);
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < width; ++x)
        EXPECT_EQ(back.pixel(x, y), image.pixel(x, y)) << x << "," << y;
  }
}

TEST(BmpWriter, ReportsAFolderThatCannotBeWritten) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  EXPECT_FALSE(gaugeart::writeBmp24(image, "/nonexistent-folder/x.bmp"));
}

class Packer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path().empty());
    fs::create_directories(folder.path() / "bitmaps");
    fs::create_directories(folder.path() / "sounds");
  }

  int pack(const std::string& inputs) const {
    const std::string command = std::string("\"") + QTP_PACK_RESOURCES + "\" \"" + out().string() +
                                "\" " + inputs + " 2>/dev/null";
    return std::system(command.c_str());
  }
  fs::path out() const { return folder.path() / "pack.bin"; }
  std::string dir(const char* name) const { return (folder.path() / name).string(); }

  TempFolder folder;
};

TEST_F(Packer, PacksNumberedFilesByTypeWithTheirBytesAligned) {
  writeAll(folder.path() / "bitmaps" / "101.bmp", "BMone");
  writeAll(folder.path() / "bitmaps" / "7.bmp", "BMseven!");
  writeAll(folder.path() / "bitmaps" / "notes.txt", "ignored");
  writeAll(folder.path() / "bitmaps" / "x12.bmp", "ignored");
  writeAll(folder.path() / "sounds" / "118.wav", "RIFFwave");
  ASSERT_EQ(pack("\"#2=" + dir("bitmaps") + ":bmp\" \"WAVE=" + dir("sounds") + ":wav\""), 0);

  const std::string bytes = readAll(out());
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto table = respack::entries(data, bytes.size());
  ASSERT_TRUE(table);
  ASSERT_EQ(table->size(), 3u);
  const auto bitmap = *respack::typeFromId(2);
  const auto wave = *respack::typeFromName("wave");
  auto content = [&](const respack::ResourceType& type, std::uint32_t id) -> std::string {
    for (const respack::PackEntry& e : *table)
      if (respack::sameType(e, type) && e.name_id == id) return bytes.substr(e.offset, e.size);
    return "(missing)";
  };
  EXPECT_EQ(content(bitmap, 7), "BMseven!");
  EXPECT_EQ(content(bitmap, 101), "BMone");
  EXPECT_EQ(content(wave, 118), "RIFFwave");
  EXPECT_EQ(content(bitmap, 118), "(missing)");
  EXPECT_EQ(content(wave, 101), "(missing)");
  for (const respack::PackEntry& entry : *table) EXPECT_EQ(entry.offset % 4, 0u);
}

TEST_F(Packer, LeavesAnUnchangedPackUntouchedAndRefusesAMissingFolder) {
  writeAll(folder.path() / "bitmaps" / "101.bmp", "BM");
  const std::string inputs = "\"#2=" + dir("bitmaps") + ":bmp\"";
  ASSERT_EQ(pack(inputs), 0);
  const auto firstWrite = fs::last_write_time(out());
  fs::last_write_time(out(), firstWrite - std::chrono::hours(1));
  ASSERT_EQ(pack(inputs), 0);
  EXPECT_EQ(fs::last_write_time(out()), firstWrite - std::chrono::hours(1));

  EXPECT_NE(pack("\"WAVE=" + dir("missing") + ":wav\""), 0);
  EXPECT_NE(pack("\"nonsense\""), 0);
  EXPECT_TRUE(respack::entries(reinterpret_cast<const unsigned char*>(readAll(out()).data()),
                               readAll(out()).size()));
}

}  // namespace
