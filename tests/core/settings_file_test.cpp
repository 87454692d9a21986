#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "config/ini_file.h"
#include "config/text_codec.h"

namespace vistelo {
namespace {

Bytes readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The defaults of a first start, with the window geometry the golden file was made with.
Settings firstStartSettings() {
  Settings s;
  s.windowRect = {336, 209, 688, 559};
  const std::int32_t grow[3][2] = {{56, 31}, {136, 76}, {216, 121}};
  for (int i = 0; i < 3; ++i) {
    s.presets[i] = {s.windowRect.left - grow[i][0], s.windowRect.top - grow[i][1],
                    s.windowRect.right + grow[i][0], s.windowRect.bottom + grow[i][1]};
  }
  s.presets[3] = {0, 0, 1024 / 5 + 2 * 4, 768};
  s.presets[4] = {1024 - 2 * 4 - 1024 / 5, 0, 1024, 768};
  SaveContext context;
  return prepareSettingsForSave(s, context);
}

TEST(SettingsFileTest, FirstStartMatchesGoldenFileByteForByte) {
  const Bytes expected = readFileBytes(std::string(VISTELO_TEST_DATA) + "/golden/first_start.ini");
  ASSERT_FALSE(expected.empty()) << "golden file missing";
  EXPECT_EQ(encodeUtf16LeWithBom(writeSettingsText(firstStartSettings())), expected);
}

TEST(SettingsFileTest, ReadingTheGoldenFileGivesTheDefaults) {
  const Settings written = firstStartSettings();
  Settings read;
  readSettingsText(decodeTextFile(readFileBytes(std::string(VISTELO_TEST_DATA) + "/golden/first_start.ini")), read);
  EXPECT_EQ(writeSettingsText(read), writeSettingsText(written));
}

// Every key set to a value far from its default, then written and read back.
Settings extremeSettings() {
  Settings s;
  std::wstring longPath = L"C:\\";
  while (longPath.size() < 259) longPath += L'd';
  const std::wstring outsideBmp{L'C', L':', L'\\', wchar_t(0xD83D), wchar_t(0xDE00), L'=', L'\u00e9'};
  std::int32_t n = 0;
  for (const SettingSpec& row : settingsSchema()) {
    if (row.field == nullptr) continue;
    void* field = row.field(s);
    ++n;
    switch (row.kind) {
      case SettingKind::Switch: *static_cast<bool*>(field) = row.defaultNumber == 0; break;
      case SettingKind::Small:
      case SettingKind::Number: {
        std::int32_t value = row.rule == RangeRule::Any ? -32000 + n : row.high - (n % 2);
        if (row.rule == RangeRule::Clamp && row.low < 0) value = row.low + n;
        *static_cast<std::int32_t*>(field) = value;
        break;
      }
      case SettingKind::Text: {
        const std::wstring& text = (row.capacity == 12) ? std::wstring(L"9.99 beta x") : (n % 2 ? longPath : outsideBmp);
        std::copy(text.begin(), text.end(), static_cast<wchar_t*>(field));
        static_cast<wchar_t*>(field)[text.size()] = 0;
        break;
      }
      case SettingKind::Comment: break;
    }
  }
  return s;
}

TEST(SettingsFileTest, EveryKeyRoundTripsWithExtremeValues) {
  const Settings original = extremeSettings();
  const std::wstring text = writeSettingsText(original);
  Settings read;
  readSettingsText(decodeTextFile(encodeUtf16LeWithBom(text)), read);
  EXPECT_EQ(writeSettingsText(read), text);
  EXPECT_EQ(read.folder.length(), 259u);
  EXPECT_EQ(read.rotation, original.rotation);
  EXPECT_LT(read.rotation, 0);
}

TEST(SettingsFileTest, UnreadableLinesKeepEveryOtherKey) {
  const Settings extreme = extremeSettings();
  std::wstring text = writeSettingsText(extreme);
  // Control characters, a line of brackets far longer than any line the program
  // writes, and a line without "=", all in the middle of [Slideshow].
  text.insert(text.find(L"sortby="), L"\x01\x02garbage\r\njunk" + std::wstring(5000, L'[') + L"\r\nnonsense\r\n");
  Settings read;
  readSettingsText(text, read);
  EXPECT_EQ(writeSettingsText(read), writeSettingsText(extreme));
}

TEST(SettingsFileTest, TruncatedFileKeepsWhatCameBefore) {
  const std::wstring text = writeSettingsText(extremeSettings());
  const std::size_t cut = text.find(L"zoomquality=") + 5;
  Settings read;
  readSettingsText(text.substr(0, cut), read);
  EXPECT_EQ(read.zoom, extremeSettings().zoom);
  EXPECT_EQ(read.zoomquality, Settings().zoomquality);
  EXPECT_EQ(read.hidekey, Settings().hidekey);
}

TEST(SettingsFileTest, CommentRowsAreWrittenAsTheyStandAndNeverRead) {
  Settings read;
  readSettingsText(L"[Portable]\r\n;=changed\r\nsavefolder=TRUE\r\n", read);
  EXPECT_TRUE(read.savefolder);
  const std::wstring text = writeSettingsText(read);
  EXPECT_NE(text.find(L"[Portable]\r\n;=for portability set savefolder=FALSE and use relative paths, eg. \\pics\r\n"
                      L";=try setting folder=C:\\users\\public\\pictures\r\nsavefolder=TRUE\r\n"),
            std::wstring::npos);
  EXPECT_EQ(text.find(L"changed"), std::wstring::npos);
}

struct RangeCase {
  const char* name;
  const wchar_t* line;  // inside its section
  std::int32_t Settings::*field;
  std::int32_t expected;
};

class RangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeTest, KeepsValueInRange) {
  Settings read;
  readSettingsText(GetParam().line, read);
  EXPECT_EQ(read.*(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeTest,
    ::testing::Values(
        RangeCase{"sort_unknown_choice_defaults", L"[Slideshow]\r\nsort=3\r\n", &Settings::sort, 0},
        RangeCase{"sortby_negative_defaults", L"[Slideshow]\r\nsortby=-1\r\n", &Settings::sortby, 1},
        RangeCase{"sortby_valid", L"[Slideshow]\r\nsortby=5\r\n", &Settings::sortby, 5},
        RangeCase{"layer_unknown_defaults", L"[Slideshow]\r\nlayer=7\r\n", &Settings::layer, 0},
        RangeCase{"loop_unknown_defaults", L"[Slideshow]\r\nloop=3\r\n", &Settings::loop, 0},
        RangeCase{"timer_negative_clamped", L"[Slideshow]\r\ntimer=-5\r\n", &Settings::timer, 0},
        RangeCase{"timer_huge_clamped", L"[Slideshow]\r\ntimer=2000000000\r\n", &Settings::timer, 86400000},
        RangeCase{"autofind_unknown_defaults", L"[Folder]\r\nautofindtype=9\r\n", &Settings::autofindtype, 0},
        RangeCase{"thumbsize_zero_clamped", L"[Catalog]\r\nthumbsize=0\r\n", &Settings::thumbsize, 16},
        RangeCase{"thumbsize_huge_clamped", L"[Catalog]\r\nthumbsize=100000\r\n", &Settings::thumbsize, 512},
        RangeCase{"zoom_negative_clamped", L"[Image]\r\nzoom=-50\r\n", &Settings::zoom, 0},
        RangeCase{"zoomstep_zero_clamped", L"[Image]\r\nzoomstep=0\r\n", &Settings::zoomstep, 1},
        RangeCase{"zoomquality_unknown_defaults", L"[Image]\r\nzoomquality=8\r\n", &Settings::zoomquality, 0},
        RangeCase{"rotation_any_value_kept", L"[Image]\r\nrotation=-90\r\n", &Settings::rotation, -90},
        RangeCase{"layout_unknown_defaults", L"[Image]\r\nlayout=6\r\n", &Settings::layout, 0},
        RangeCase{"collagesize_zero_clamped", L"[Image]\r\ncollagesize=0\r\n", &Settings::collagesize, 16},
        RangeCase{"bgcolor_not_a_colour_defaults", L"[Window]\r\nbgcolor=-1\r\n", &Settings::bgcolor, 0},
        RangeCase{"bgcolor_white", L"[Window]\r\nbgcolor=16777215\r\n", &Settings::bgcolor, 0xFFFFFF},
        RangeCase{"fullscreenlayout_unknown_defaults", L"[Window]\r\nfullscreenlayout=9\r\n", &Settings::fullscreenlayout, 0},
        RangeCase{"latency_negative_clamped", L"[Tweak Transitions]\r\nshutter latency=-1\r\n", &Settings::shutterLatency, 0},
        RangeCase{"latency_huge_clamped", L"[Tweak Transitions]\r\ncrossfade latency=999999\r\n", &Settings::crossfadeLatency, 2000},
        RangeCase{"watch_latency_clamped", L"[Tweak]\r\nautorefresh latency=-3\r\n", &Settings::autorefreshLatency, 0},
        RangeCase{"bookmark_negative_clamped", L"[Settings]\r\nbookmark=-4\r\n", &Settings::bookmark, 0},
        RangeCase{"hidekey_zero_defaults", L"[Hotkeys]\r\nhidekey=0\r\n", &Settings::hidekey, 27},
        RangeCase{"hidemod_unknown_defaults", L"[Hotkeys]\r\nhidemod=16\r\n", &Settings::hidemod, 1}),
    [](const ::testing::TestParamInfo<RangeCase>& p) { return std::string(p.param.name); });

TEST(SettingsFileTest, WindowCoordinatesAreClamped) {
  Settings read;
  readSettingsText(L"[Position]\r\nleft=-999999\r\nright=999999\r\n", read);
  EXPECT_EQ(read.windowRect.left, -32767);
  EXPECT_EQ(read.windowRect.right, 32767);
}

TEST(TransitionSwitchesTest, SwitchThreeOffDropsTransitionTwo) {
  Settings s;
  switchesFromTransitionList({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, s);
  readSettingsText(L"[Transitions]\r\n3=FALSE\r\n", s);
  EXPECT_EQ(transitionListFromSwitches(s), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

TEST(TransitionSwitchesTest, AbsentSectionKeepsList) {
  Settings s;
  switchesFromTransitionList({4, 9}, s);
  readSettingsText(L"[Slideshow]\r\nslide=TRUE\r\n", s);
  EXPECT_EQ(transitionListFromSwitches(s), (std::vector<int>{4, 9}));
}

TEST(PrepareForSaveTest, AdjustsLiveSettingsAndTheWrittenCopy) {
  Settings live;
  live.savefolder = true;
  live.markexit = true;
  live.layout = 5;
  live.desktop.assign(L"C:\\Users\\me\\Desktop");
  SaveContext context;
  context.exhibitRoot = L"D:\\Photos";
  context.fullscreen = true;
  context.windowedLayout = 2;
  context.currentIndex = 42;
  context.minimisedOrMaximised = true;
  context.restoredRect = {10, 20, 300, 400};
  const Settings written = prepareSettingsForSave(live, context);
  EXPECT_EQ(live.version, L"2.00");
  EXPECT_EQ(live.folder, L"D:\\Photos");
  EXPECT_EQ(live.bookmark, 42);
  EXPECT_EQ(live.windowRect, (Rect32{10, 20, 300, 400}));
  EXPECT_EQ(written.layout, 2);
  EXPECT_EQ(live.layout, 5);  // fullscreen keeps its own layout for the rest of the run
  EXPECT_TRUE(written.desktop.empty());
  EXPECT_EQ(live.desktop, L"C:\\Users\\me\\Desktop");  // still used for the rest of the run
}

TEST(PrepareForSaveTest, FolderKeptAsReadWithoutSaveFolder) {
  Settings live;
  live.folder.assign(L"\\pics");
  live.desktop.assign(L"E:\\Desk");
  SaveContext context;
  context.exhibitRoot = L"C:\\pics";
  context.desktopFromFile = true;
  const Settings written = prepareSettingsForSave(live, context);
  EXPECT_EQ(written.folder, L"\\pics");
  EXPECT_EQ(written.desktop, L"E:\\Desk");
  EXPECT_EQ(written.bookmark, 0);
}

TEST(PrepareForSaveTest, EmptyExhibitRootSavesPublicPictures) {
  Settings live;
  live.savefolder = true;
  prepareSettingsForSave(live, SaveContext{});
  EXPECT_EQ(live.folder, L"C:/Users/Public/Pictures");
}

}  // namespace
}  // namespace vistelo
