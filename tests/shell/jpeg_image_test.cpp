// The JPEG loader on libjpeg: good pictures in colour and grey, and every kind of bad file
// answered with a reason instead of a crash; missing shell pictures reported once.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "shell/jpeg_image.h"
#include "shell/shell_pictures.h"

namespace {

// A JPEG of the given size: left half red, right half blue (or a grey ramp in grey).
QByteArray EncodeJpeg(int width, int height, bool grey) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * cinfo.input_components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      if (grey) {
        row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>(x * 255 / (width - 1));
      } else {
        const bool left = x < width / 2;
        row[static_cast<std::size_t>(x * 3)] = left ? 255 : 0;
        row[static_cast<std::size_t>(x * 3 + 1)] = 0;
        row[static_cast<std::size_t>(x * 3 + 2)] = left ? 0 : 255;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return data;
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
         std::abs(qBlue(a) - qBlue(b)) < 24;
}

TEST(JpegImageTest, DecodesColourPicturesPixelForPixel) {
  QString why;
  const QImage image = LoadJpeg(EncodeJpeg(64, 48, false), &why);
  ASSERT_FALSE(image.isNull()) << why.toStdString();
  EXPECT_EQ(image.size(), QSize(64, 48));
  EXPECT_TRUE(Near(image.pixel(8, 24), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(image.pixel(56, 24), qRgb(0, 0, 255)));
}

TEST(JpegImageTest, DecodesGreyPicturesAsGrey) {
  const QImage image = LoadJpeg(EncodeJpeg(256, 8, true));
  ASSERT_FALSE(image.isNull());
  EXPECT_TRUE(Near(image.pixel(0, 4), qRgb(0, 0, 0)));
  EXPECT_TRUE(Near(image.pixel(255, 4), qRgb(255, 255, 255)));
  EXPECT_EQ(qRed(image.pixel(128, 4)), qBlue(image.pixel(128, 4)));
}

TEST(JpegImageTest, BadFilesGiveNoPictureAndAReason) {
  const QByteArray good = EncodeJpeg(32, 32, false);
  QByteArray wrongMarker = good;
  wrongMarker[1] = '\x00';
  const QByteArray cases[] = {QByteArray(), QByteArray("not a picture at all"), good.left(2),
                              wrongMarker, QByteArray(4096, '\xff')};
  for (const QByteArray& data : cases) {
    QString why;
    EXPECT_TRUE(LoadJpeg(data, &why).isNull());
    EXPECT_FALSE(why.isEmpty());
  }
}

TEST(JpegImageTest, TruncatedFilesNeverCrash) {
  const QByteArray good = EncodeJpeg(120, 90, false);
  for (qsizetype cut = 0; cut < good.size(); cut += 37) {
    QString why;
    const QImage image = LoadJpeg(good.left(cut), &why);
    // Either refused with a reason or decoded to its full size with the rest filled in.
    if (image.isNull())
      EXPECT_FALSE(why.isEmpty()) << "cut at " << cut;
    else
      EXPECT_EQ(image.size(), QSize(120, 90)) << "cut at " << cut;
  }
}

TEST(JpegImageTest, AHeaderClaimingAHugePictureIsRefusedBeforeDecoding) {
  QByteArray data = EncodeJpeg(16, 16, false);
  // The frame header (SOF0: FF C0, length, precision, height, width) gets 60000 x 60000.
  const qsizetype sof = data.indexOf(QByteArray("\xff\xc0", 2));
  ASSERT_GT(sof, 0);
  for (qsizetype at : {sof + 5, sof + 7}) {
    data[at] = static_cast<char>(0xEA);
    data[at + 1] = static_cast<char>(0x60);
  }
  QString why;
  EXPECT_TRUE(LoadJpeg(data, &why).isNull());
  EXPECT_TRUE(why.contains("too large")) << why.toStdString();
}

TEST(JpegImageTest, AMissingFileGivesTheReason) {
  QString why;
  EXPECT_TRUE(LoadJpegFile("/nonexistent/picture.jpg", &why).isNull());
  EXPECT_FALSE(why.isEmpty());
}

TEST(ShellPicturesTest, AMissingPictureIsReportedOnceAndLeftEmpty) {
  testing::internal::CaptureStderr();
  EXPECT_TRUE(ShellPicture(":/shell/pages/TNoSuchDLG_small.jpg").isNull());
  EXPECT_TRUE(PagePicture("TNoSuchDLG", false).isNull());
  const std::string said = testing::internal::GetCapturedStderr();
  const auto first = said.find("TNoSuchDLG_small.jpg");
  ASSERT_NE(first, std::string::npos) << said;
  EXPECT_EQ(said.find("TNoSuchDLG_small.jpg", first + 1), std::string::npos) << said;
}

}  // namespace
