#include "view/view_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace vistelo {
namespace {

// A picture on show: 400 x 300, 24 bits, at 100%, no scrolling, third of five.
ViewTextFacts shown(const wchar_t* path) {
  ViewTextFacts f;
  f.currentPath = path;
  f.viewedFolder = L"C:\\pics";
  f.currentIndex = 2;
  f.count = 5;
  f.pictureHeld = true;
  f.image = {400, 300};
  f.drawn = {400, 300};
  f.bitsPerPixel = 24;
  f.fileSizeKnown = true;
  f.fileSize = 2048;
  return f;
}

std::wstring caption(const ViewTextFacts& f) { return captionText(f).c_str(); }

struct CaptionCase {
  const char* name;
  const wchar_t* path;
  bool fullname;
  std::int32_t zoomPercent;
  bool collage;
  const wchar_t* expected;
};

class CaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, ComposesCaption) {
  const CaptionCase& c = GetParam();
  ViewTextFacts f = shown(c.path);
  f.fullname = c.fullname;
  f.zoomPercent = c.zoomPercent;
  f.drawn = {c.zoomPercent * 4, c.zoomPercent * 3};
  f.collage = c.collage;
  EXPECT_EQ(caption(f), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CaptionTest,
    ::testing::Values(
        CaptionCase{"bare_name_cut_at_last_dot", L"C:\\pics\\a.b.jpg", false, 100, false, L"a.b - Vistelo"},
        CaptionCase{"zoom_part_with_drawn_size", L"C:\\pics\\a.b.jpg", false, 50, false,
                    L"a.b - Vistelo (Zoom: 200 x 150)"},
        CaptionCase{"no_zoom_part_in_collage", L"C:\\pics\\a.b.jpg", false, 50, true, L"a.b - Vistelo"},
        CaptionCase{"enlarged_zoom_part", L"C:\\pics\\a.jpg", false, 250, false, L"a - Vistelo (Zoom: 1000 x 750)"},
        CaptionCase{"no_extension_kept_whole", L"C:\\pics\\pic", false, 100, false, L"pic - Vistelo"},
        CaptionCase{"dot_in_folder_not_cut", L"C:\\a.b\\pic", false, 100, false, L"pic - Vistelo"},
        CaptionCase{"no_backslash_at_all", L"pic.png", false, 100, false, L"pic - Vistelo"},
        CaptionCase{"shortcut_bare_name", L"C:\\links\\cat.jpg.lnk", false, 100, false, L"*cat.jpg - Vistelo"},
        CaptionCase{"shortcut_upper_case", L"C:\\links\\cat.jpg.LNK", false, 100, false, L"*cat.jpg - Vistelo"},
        CaptionCase{"shortcut_full_path", L"C:\\links\\cat.jpg.lnk", true, 100, false,
                    L"*C:\\links\\cat.jpg.lnk - Vistelo"},
        CaptionCase{"full_path_kept_whole", L"C:\\a.b\\pic.jpg", true, 100, false, L"C:\\a.b\\pic.jpg - Vistelo"},
        CaptionCase{"clipboard_bare", L"Clipboard_Image", false, 100, false, L"Clipboard_Image - Vistelo"},
        CaptionCase{"clipboard_zoomed", L"Clipboard_Image", true, 50, false,
                    L"Clipboard_Image - Vistelo (Zoom: 200 x 150)"}),
    [](const ::testing::TestParamInfo<CaptionCase>& p) { return std::string(p.param.name); });

TEST(CaptionTextTest, WithoutNameInCaptionIsProgramName) {
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.title = false;
  f.zoomPercent = 50;
  EXPECT_EQ(caption(f), L"Vistelo");
}

TEST(CaptionTextTest, EmptyExhibitShowsViewedFolder) {
  ViewTextFacts f = shown(L"C:\\pics\\gone.jpg");
  f.count = 0;
  f.zoomPercent = 50;
  EXPECT_EQ(caption(f), L"C:\\pics - Vistelo");
}

TEST(CaptionTextTest, LongestPathIsCutToBuffer) {
  const std::wstring path = L"C:\\" + std::wstring(252, L'x') + L".jpg";  // 259 characters
  ASSERT_EQ(path.size(), 259u);
  ViewTextFacts f = shown(path.c_str());
  f.fullname = true;
  f.zoomPercent = 50;
  const std::wstring text = caption(f);
  EXPECT_EQ(text, path);

  f.fullname = false;
  EXPECT_EQ(caption(f), (std::wstring(252, L'x') + L" - Vistelo (Zoom: 400 x 300)").substr(0, 259));
}

TEST(CaptionTextTest, CutDoesNotSplitSurrogatePair) {
  // A pair straddling the 259th character goes as a whole.
  const std::wstring path = L"C:\\" + std::wstring(255, L'x') + L"\xD83D\xDE00" + L".jpg";
  ViewTextFacts f = shown(path.c_str());
  f.fullname = true;
  EXPECT_EQ(caption(f), L"C:\\" + std::wstring(255, L'x'));
}

TEST(CaptionTextTest, TooltipTakes127Characters) {
  ViewTextFacts f = shown((L"C:\\" + std::wstring(200, L'y') + L".jpg").c_str());
  f.fullname = true;
  const std::wstring tip = tooltipText(captionText(f)).c_str();
  EXPECT_EQ(tip, L"C:\\" + std::wstring(124, L'y'));
}

TEST(CaptionScreenNameTest, FullPathWithShortcutStar) {
  ViewTextFacts f = shown(L"C:\\links\\cat.jpg.lnk");
  f.fullname = false;
  EXPECT_STREQ(screenNameText(f).c_str(), L"*C:\\links\\cat.jpg.lnk");
  f.count = 0;
  EXPECT_STREQ(screenNameText(f).c_str(), L"C:\\pics");
}

TEST(CaptionScreenNameTest, StarredLongestPathStaysInBuffer) {
  const std::wstring path = L"C:\\" + std::wstring(252, L'z') + L".lnk";
  const std::wstring text = screenNameText(shown(path.c_str())).c_str();
  EXPECT_EQ(text, L"*" + path.substr(0, 258));
}

std::wstring part(const ViewTextFacts& f, int index) { return statusParts(f).part[index].c_str(); }

TEST(StatusPartsTest, PictureOnShow) {
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.overflowX = 250;
  const StatusParts s = statusParts(f);
  EXPECT_STREQ(s.part[0].c_str(), L"\t2.00KB");
  EXPECT_STREQ(s.part[1].c_str(), L"\t400x300x24");
  EXPECT_STREQ(s.part[2].c_str(), L"\t100%");
  EXPECT_STREQ(s.part[3].c_str(), L"\t H:3 V:0");
  EXPECT_STREQ(s.part[4].c_str(), L"\t3/5");
  EXPECT_STREQ(s.part[5].c_str(), L"\t!");
  EXPECT_STREQ(s.part[6].c_str(), L"\tF1 menu | Esc exit");
}

TEST(StatusPartsTest, NothingToShowEmptiesFirstFiveParts) {
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.pictureHeld = false;
  const StatusParts held = statusParts(f);
  f.pictureHeld = true;
  f.count = 0;
  const StatusParts empty = statusParts(f);
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(held.part[i].c_str(), L"") << i;
    EXPECT_STREQ(empty.part[i].c_str(), L"") << i;
  }
  EXPECT_STREQ(empty.part[6].c_str(), L"\tF1 menu | Esc exit");
}

TEST(StatusPartsTest, PastedPicture) {
  ViewTextFacts f = shown(L"Clipboard_Image");
  f.fileSizeKnown = false;
  EXPECT_EQ(part(f, 0), L"\tNot a file");
  EXPECT_EQ(part(f, 4), L"\t?/5");
}

TEST(StatusPartsTest, UnreadableSize) {
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.fileSizeKnown = false;
  EXPECT_EQ(part(f, 0), L"\t!KB");
}

struct SizeCase {
  const char* name;
  std::uint32_t bytes;
  const wchar_t* expected;
};

class StatusSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(StatusSizeTest, KilobytesWithTwoDecimals) {
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.fileSize = GetParam().bytes;
  EXPECT_EQ(part(f, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StatusSizeTest,
    ::testing::Values(SizeCase{"zero", 0, L"\t0.00KB"},
                      SizeCase{"below_hundredth", 5, L"\t0.00KB"},
                      SizeCase{"rounds_up", 6, L"\t0.01KB"},           // 0.00586
                      SizeCase{"rounds_to_nearest", 1044, L"\t1.02KB"},
                      SizeCase{"tie_to_even_down", 2176, L"\t2.12KB"},  // 2.125 exactly
                      SizeCase{"tie_to_even_up", 2432, L"\t2.38KB"},    // 2.375 exactly
                      SizeCase{"carries_into_units", 1023 * 1024 + 1020, L"\t1024.00KB"},
                      SizeCase{"largest", 0xFFFFFFFFu, L"\t4194304.00KB"}),
    [](const ::testing::TestParamInfo<SizeCase>& p) { return std::string(p.param.name); });

struct ZoomCase {
  const char* name;
  std::int32_t zoomPercent;
  std::int32_t zoomLock;
  bool manualZoom;
  bool collage;
  std::int32_t tileWidth;
  std::int32_t imageWidth;
  const wchar_t* expected;
};

class StatusZoomTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(StatusZoomTest, ZoomPart) {
  const ZoomCase& c = GetParam();
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.zoomPercent = c.zoomPercent;
  f.zoomLock = c.zoomLock;
  f.manualZoom = c.manualZoom;
  f.collage = c.collage;
  f.collageTileWidth = c.tileWidth;
  f.image.width = c.imageWidth;
  EXPECT_EQ(part(f, 2), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zooms, StatusZoomTest,
    ::testing::Values(ZoomCase{"derived", 73, 0, false, false, 0, 400, L"\t73%"},
                      ZoomCase{"locked", 50, 50, false, false, 0, 400, L"\t!50%"},
                      ZoomCase{"lock_overridden_by_hand", 60, 50, true, false, 0, 400, L"\t60%"},
                      ZoomCase{"collage_from_drawn_tile", 100, 0, false, true, 150, 400, L"\t37%"},
                      ZoomCase{"collage_ignores_lock", 100, 50, false, true, 400, 200, L"\t200%"},
                      ZoomCase{"collage_wide_picture_no_overflow", 100, 0, false, true, 2000000000, 3, L"\t66666666666%"},
                      ZoomCase{"collage_no_width", 100, 0, false, true, 150, 0, L"\t0%"}),
    [](const ::testing::TestParamInfo<ZoomCase>& p) { return std::string(p.param.name); });

struct ScrollCase {
  const char* name;
  std::int32_t overflowX;
  std::int32_t overflowY;
  bool squeeze;
  bool manualZoom;
  bool collage;
  const wchar_t* expected;
};

class StatusScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(StatusScrollTest, ScrollPart) {
  const ScrollCase& c = GetParam();
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.overflowX = c.overflowX;
  f.overflowY = c.overflowY;
  f.squeeze = c.squeeze;
  f.manualZoom = c.manualZoom;
  f.collage = c.collage;
  EXPECT_EQ(part(f, 3), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scrolls, StatusScrollTest,
    ::testing::Values(ScrollCase{"fits", 0, 0, false, false, false, L"\t H:0 V:0"},
                      ScrollCase{"one_pixel_over", 1, 0, false, false, false, L"\t H:1 V:0"},
                      ScrollCase{"exact_steps_count_one_more", 0, 200, false, false, false, L"\t H:0 V:3"},
                      ScrollCase{"squeezed_fit_is_empty", 500, 500, true, false, false, L""},
                      ScrollCase{"squeeze_with_hand_zoom_counts", 500, 99, true, true, false, L"\t H:6 V:1"},
                      ScrollCase{"collage", 500, 500, false, false, true, L"\tCollage"}),
    [](const ::testing::TestParamInfo<ScrollCase>& p) { return std::string(p.param.name); });

struct CountdownCase {
  const char* name;
  ClockShow clock;
  std::int32_t remaining;
  const wchar_t* expected;
};

class StatusCountdownTest : public ::testing::TestWithParam<CountdownCase> {};

TEST_P(StatusCountdownTest, ClockText) {
  const CountdownCase& c = GetParam();
  EXPECT_STREQ(countdownText(c.clock, c.remaining).c_str(), c.expected);
  ViewTextFacts f = shown(L"C:\\pics\\a.jpg");
  f.clock = c.clock;
  f.slideRemaining = c.remaining;
  EXPECT_EQ(part(f, 5), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, StatusCountdownTest,
    ::testing::Values(CountdownCase{"full_period", ClockShow::kCounting, 2500, L"\t2.50"},
                      CountdownCase{"after_one_tick", ClockShow::kCounting, 1500, L"\t1.50"},
                      CountdownCase{"after_two_ticks", ClockShow::kCounting, 500, L"\t0.50"},
                      CountdownCase{"whole_seconds", ClockShow::kCounting, 5000, L"\t5.00"},
                      CountdownCase{"zero", ClockShow::kCounting, 0, L"\t0.00"},
                      CountdownCase{"rounds_up", ClockShow::kCounting, 1236, L"\t1.24"},
                      CountdownCase{"rounds_down", ClockShow::kCounting, 1234, L"\t1.23"},
                      // Halves as the double nearest to ms / 1000 rounds them.
                      CountdownCase{"half_below_in_binary", ClockShow::kCounting, 1005, L"\t1.00"},
                      CountdownCase{"half_above_in_binary", ClockShow::kCounting, 2515, L"\t2.52"},
                      CountdownCase{"another_half_below", ClockShow::kCounting, 2675, L"\t2.67"},
                      CountdownCase{"exact_half_to_even", ClockShow::kCounting, 125, L"\t0.12"},
                      CountdownCase{"exact_half_to_even_up", ClockShow::kCounting, 375, L"\t0.38"},
                      CountdownCase{"largest", ClockShow::kCounting, 2147483647, L"\t2147483.65"},
                      CountdownCase{"off", ClockShow::kOff, 2500, L"\t!"},
                      CountdownCase{"stopped", ClockShow::kStopped, 2500, L"\t..."}),
    [](const ::testing::TestParamInfo<CountdownCase>& p) { return std::string(p.param.name); });

TEST(StatusNumberTextTest, DecimalExtremes) {
  EXPECT_EQ(decimalText(0), L"0");
  EXPECT_EQ(decimalText(-42), L"-42");
  EXPECT_EQ(decimalText(INT64_MIN), L"-9223372036854775808");
}

}  // namespace
}  // namespace vistelo
