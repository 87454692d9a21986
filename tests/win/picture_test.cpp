#include "view/picture.h"

#include <gtest/gtest.h>

#include "config/file_io_win.h"
#include "temp_folder.h"

namespace {

using vistelo::Bytes;

class PictureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(startImaging(token_)); }
  static void TearDownTestSuite() { stopImaging(token_); }

  // A bottom-up 24-bit BMP of width x height pixels, all one colour.
  static Bytes bmp(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    const int pixels = stride * height;
    Bytes b(54 + static_cast<std::size_t>(pixels), 0);
    auto put32 = [&b](std::size_t at, std::uint32_t v) {
      for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    put32(34, static_cast<std::uint32_t>(pixels));
    for (std::size_t i = 54; i < b.size(); i += 3) b[i] = 0xC0;
    return b;
  }

  std::wstring write(const wchar_t* name, const Bytes& bytes) {
    const std::wstring path = folder_.file(name);
    EXPECT_TRUE(writeFileSafely(path, bytes));
    return path;
  }

  TempFolder folder_;
  static inline ULONG_PTR token_ = 0;
};

TEST_F(PictureTest, LoadsMeasuresAndTurns) {
  Picture picture;
  ASSERT_TRUE(picture.loadFromFile(write(L"a.bmp", bmp(4, 2)).c_str()));
  EXPECT_EQ(picture.width(), 4);
  EXPECT_EQ(picture.height(), 2);
  EXPECT_EQ(picture.bitsPerPixel(), 24);
  EXPECT_EQ(picture.orientation, 1);
  picture.rotateFlip(1);  // a quarter turn
  EXPECT_EQ(picture.width(), 2);
  EXPECT_EQ(picture.height(), 4);
  picture.release();
  EXPECT_FALSE(picture.hasImage());
  EXPECT_EQ(picture.width(), 0);
}

TEST_F(PictureTest, BadFilesLeaveThePictureEmpty) {
  Bytes truncated = bmp(64, 64);
  truncated.resize(60);
  Bytes headerOnly = bmp(8, 8);
  headerOnly.resize(54);
  const Bytes garbage(300, 0x5A);
  const struct {
    const wchar_t* name;
    Bytes bytes;
  } cases[] = {{L"zero.jpg", {}}, {L"garbage.jpg", garbage}, {L"header only.bmp", headerOnly},
               {L"truncated.bmp", truncated}};
  for (const auto& c : cases) {
    Picture picture;
    ASSERT_TRUE(picture.loadFromFile(write(L"good.bmp", bmp(2, 2)).c_str()));
    EXPECT_FALSE(picture.loadFromFile(write(c.name, c.bytes).c_str()));
    EXPECT_FALSE(picture.hasImage());
  }
  Picture picture;
  EXPECT_FALSE(picture.loadFromFile(folder_.file(L"missing.png").c_str()));
}

TEST_F(PictureTest, SavesJpegAtTheRequestedSizeReplacingTheOldFile) {
  Picture picture;
  ASSERT_TRUE(picture.loadFromFile(write(L"a.bmp", bmp(40, 30)).c_str()));
  const std::wstring out = write(L"out.jpg", Bytes(10, 1));
  EXPECT_EQ(picture.saveScaled(out.c_str(), 1, 20, 15), 0);
  Picture saved;
  ASSERT_TRUE(saved.loadFromFile(out.c_str()));
  EXPECT_EQ(saved.width(), 20);
  EXPECT_EQ(saved.height(), 15);
  EXPECT_EQ(GetFileAttributesW((out + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PictureTest, FailedSaveReportsFailureAndWritesNothing) {
  Picture empty;
  EXPECT_NE(empty.saveScaled(folder_.file(L"x.jpg").c_str(), 1, 10, 10), 0);
  Picture picture;
  ASSERT_TRUE(picture.loadFromFile(write(L"a.bmp", bmp(4, 4)).c_str()));
  EXPECT_NE(picture.saveScaled(folder_.file(L"no such folder\\x.bmp").c_str(), 0, 4, 4), 0);
  EXPECT_NE(picture.saveScaled(folder_.file(L"x.bmp").c_str(), 0, 0, 4), 0);
  EXPECT_EQ(GetFileAttributesW(folder_.file(L"x.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PictureTest, OrientationComesFromTheFilesExifBlock) {
  Picture picture;
  ASSERT_TRUE(picture.loadFromFile(write(L"a.bmp", bmp(6, 4)).c_str()));
  const std::wstring plain = folder_.file(L"plain.jpg");
  ASSERT_EQ(picture.saveScaled(plain.c_str(), 1, 6, 4), 0);
  Bytes jpeg;
  ASSERT_TRUE(readWholeFile(plain, jpeg, 1 << 20));
  // APP1 "Exif", little-endian TIFF header, one IFD0 entry: orientation (0x0112) = 6.
  const Bytes app1 = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0,
                      1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0};
  jpeg.insert(jpeg.begin() + 2, app1.begin(), app1.end());
  Picture turned;
  ASSERT_TRUE(turned.loadFromFile(write(L"six.jpg", jpeg).c_str()));
  EXPECT_EQ(turned.orientation, 6);
}

}  // namespace
