#include "config/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "config/text_codec.h"

namespace vistelo {
namespace {

using Args = std::vector<std::wstring>;

// Records what the arguments ask for; a path named in `files` is read as a settings
// file at once, as the program does with a ".ini" argument.
class RecordingActions : public CommandLineActions {
 public:
  explicit RecordingActions(Settings& settings) : settings_(settings) {}
  void pathArgument(const std::wstring& path) override {
    log += L"path:" + path + L";";
    const auto file = files.find(path);
    if (file != files.end()) readSettingsText(file->second, settings_);
  }
  void center() override { log += L"center;"; }
  void restorePreset(int n) override { log += L"preset" + std::to_wstring(n) + L";"; }
  void setWallpaper(int style) override { log += L"wall" + std::to_wstring(style) + L";"; }
  void clearWallpaper() override { log += L"clearwall;"; }

  std::map<std::wstring, std::wstring> files;
  std::wstring log;

 private:
  Settings& settings_;
};

// The switches in one line, so that a failure shows all of them.
std::string describe(const CommandLineSwitches& s) {
  return "blend=" + std::to_string(s.blend) + " opacity=" + std::to_string(s.blendOpacity) +
         " landscape=" + std::to_string(s.landscape) + " portrait=" + std::to_string(s.portrait) +
         " noShell=" + std::to_string(s.noShell) + " noMenu=" + std::to_string(s.noMenu) +
         " browse=" + std::to_string(s.browse) + " translate=" + std::to_string(s.translate);
}

std::string fileText(const Settings& settings) { return utf8FromUtf16(writeSettingsText(settings)); }

// Every switch inverted and every choice moved off its default, so that each option
// changes something on at least one of the two starting points.
Settings invertedSettings() {
  Settings s;
  for (const SettingSpec& row : settingsSchema()) {
    if (row.kind == SettingKind::Switch) {
      bool* on = static_cast<bool*>(row.field(s));
      *on = !*on;
    } else if ((row.kind == SettingKind::Small || row.kind == SettingKind::Number) &&
               row.rule == RangeRule::Choices) {
      auto* value = static_cast<std::int32_t*>(row.field(s));
      *value = *value == row.low ? row.low + 1 : row.low;
    }
  }
  return s;
}

CommandLineSwitches invertedSwitches() {
  CommandLineSwitches s;
  s.blend = s.landscape = s.portrait = s.noShell = s.noMenu = true;
  return s;
}

// ---------------------------------------------------------------------------------
// Each option alone: the settings it must set (as settings file lines) or the unsaved
// switch, and nothing else.

struct OptionCase {
  const char* name;
  const wchar_t* arg;
  const wchar_t* section;  // null: no setting changes
  const wchar_t* lines;
  bool CommandLineSwitches::*unsaved;
  bool unsavedValue;
};

OptionCase set(const char* name, const wchar_t* arg, const wchar_t* section, const wchar_t* lines) {
  return {name, arg, section, lines, nullptr, false};
}

OptionCase unsaved(const char* name, const wchar_t* arg, bool CommandLineSwitches::*field, bool value) {
  return {name, arg, nullptr, nullptr, field, value};
}

class OptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionTest, SetsExactlyItsSetting) {
  const OptionCase& c = GetParam();
  const Settings bases[] = {Settings(), invertedSettings()};
  const CommandLineSwitches switchBases[] = {CommandLineSwitches(), invertedSwitches()};
  bool changedSomething = false;
  for (int b = 0; b < 2; ++b) {
    SCOPED_TRACE(b == 0 ? "from defaults" : "from inverted settings");
    Settings expected = bases[b];
    if (c.section != nullptr) readSettingsText(std::wstring(c.section) + L"\r\n" + c.lines + L"\r\n", expected);
    CommandLineSwitches expectedSwitches = switchBases[b];
    if (c.unsaved != nullptr) expectedSwitches.*c.unsaved = c.unsavedValue;

    Settings actual = bases[b];
    CommandLineSwitches switches = switchBases[b];
    RecordingActions actions(actual);
    applyArguments({c.arg}, actual, switches, actions);

    EXPECT_EQ(fileText(actual), fileText(expected));
    EXPECT_EQ(describe(switches), describe(expectedSwitches));
    EXPECT_EQ(actions.log, L"");
    changedSomething = changedSomething || fileText(expected) != fileText(bases[b]) ||
                       describe(expectedSwitches) != describe(switchBases[b]);
  }
  EXPECT_TRUE(changedSomething) << "the case shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionTest,
    ::testing::Values(
        // Slideshow
        set("slide", L"-slide", L"[Slideshow]", L"slide=TRUE"),
        set("noslide", L"-noslide", L"[Slideshow]", L"slide=FALSE"),
        set("loop", L"-loop", L"[Slideshow]", L"loop=0"),
        set("loopause", L"-loopause", L"[Slideshow]", L"loop=1"),
        set("loopexit", L"-loopexit", L"[Slideshow]", L"loop=2"),
        set("loopshuffle", L"-loopshuffle", L"[Slideshow]", L"loopshuffle=TRUE"),
        set("noloopshuffle", L"-noloopshuffle", L"[Slideshow]", L"loopshuffle=FALSE"),
        // Window mode
        set("windowed", L"-windowed", L"[Slideshow]", L"layer=0"),
        set("fullscreen", L"-fullscreen", L"[Slideshow]", L"layer=1"),
        set("wallpaper", L"-wallpaper", L"[Slideshow]", L"layer=2"),
        set("ontop", L"-ontop", L"[Slideshow]", L"ontop=TRUE"),
        set("notop", L"-notop", L"[Slideshow]", L"ontop=FALSE"),
        unsaved("blend", L"-blend", &CommandLineSwitches::blend, true),
        unsaved("noblend", L"-noblend", &CommandLineSwitches::blend, false),
        set("projector", L"-projector", L"[Window]", L"projector=TRUE"),
        set("noprojector", L"-noprojector", L"[Window]", L"projector=FALSE"),
        set("single", L"-single", L"[Window]", L"singleinstance=TRUE"),
        set("nosingle", L"-nosingle", L"[Window]", L"singleinstance=FALSE"),
        // Sorting
        set("sortforward", L"-sortforward", L"[Slideshow]", L"sort=0"),
        set("sortreverse", L"-sortreverse", L"[Slideshow]", L"sort=1"),
        set("sortrandom", L"-sortrandom", L"[Slideshow]", L"sort=2"),
        set("sorttree", L"-sorttree", L"[Slideshow]", L"sortby=0"),
        set("sorttreestrict", L"-sorttreestrict", L"[Slideshow]", L"sortby=1"),
        set("sortname", L"-sortname", L"[Slideshow]", L"sortby=2"),
        set("sortcreated", L"-sortcreated", L"[Slideshow]", L"sortby=3"),
        set("sortmodified", L"-sortmodified", L"[Slideshow]", L"sortby=4"),
        set("sortaccessed", L"-sortaccessed", L"[Slideshow]", L"sortby=5"),
        set("sortcase", L"-sortcase", L"[Slideshow]", L"sortcase=TRUE"),
        set("nosortcase", L"-nosortcase", L"[Slideshow]", L"sortcase=FALSE"),
        // Mouse and scrolling
        set("wheelnav", L"-wheelnav", L"[Slideshow]", L"wheelnav=TRUE"),
        set("wheelzoom", L"-wheelzoom", L"[Slideshow]", L"wheelnav=FALSE"),
        set("autoscroll", L"-autoscroll", L"[Slideshow]", L"autoscroll=TRUE"),
        set("noautoscroll", L"-noautoscroll", L"[Slideshow]", L"autoscroll=FALSE"),
        set("quietscroll", L"-quietscroll", L"[Slideshow]", L"quietautoscroll=TRUE"),
        set("animatescroll", L"-animatescroll", L"[Slideshow]", L"quietautoscroll=FALSE"),
        // Folder
        set("subfolders", L"-subfolders", L"[Folder]", L"subfolders=TRUE"),
        set("nosubfolders", L"-nosubfolders", L"[Folder]", L"subfolders=FALSE"),
        set("hidden", L"-hidden", L"[Folder]", L"hidden=TRUE"),
        set("nohidden", L"-nohidden", L"[Folder]", L"hidden=FALSE"),
        set("autorefresh", L"-autorefresh", L"[Folder]", L"autorefresh=TRUE"),
        set("noautorefresh", L"-noautorefresh", L"[Folder]", L"autorefresh=FALSE"),
        set("autofindcreate", L"-autofindcreate", L"[Folder]", L"autofindtype=1"),
        set("autofindmodify", L"-autofindmodify", L"[Folder]", L"autofindtype=2"),
        set("autofindaccess", L"-autofindaccess", L"[Folder]", L"autofindtype=3"),
        set("noautofind", L"-noautofind", L"[Folder]", L"autofindtype=0"),
        // Formats
        set("bmp", L"-bmp", L"[Formats]", L"bmp=TRUE"),
        set("nobmp", L"-nobmp", L"[Formats]", L"bmp=FALSE"),
        set("emf", L"-emf", L"[Formats]", L"emf=TRUE"),
        set("noemf", L"-noemf", L"[Formats]", L"emf=FALSE"),
        set("gif", L"-gif", L"[Formats]", L"gif=TRUE"),
        set("nogif", L"-nogif", L"[Formats]", L"gif=FALSE"),
        set("ico", L"-ico", L"[Formats]", L"ico=TRUE"),
        set("noico", L"-noico", L"[Formats]", L"ico=FALSE"),
        set("jpg", L"-jpg", L"[Formats]", L"jpg=TRUE"),
        set("nojpg", L"-nojpg", L"[Formats]", L"jpg=FALSE"),
        set("png", L"-png", L"[Formats]", L"png=TRUE"),
        set("nopng", L"-nopng", L"[Formats]", L"png=FALSE"),
        set("tif", L"-tif", L"[Formats]", L"tif=TRUE"),
        set("notif", L"-notif", L"[Formats]", L"tif=FALSE"),
        // Errors
        set("removefail", L"-removefail", L"[Errors]", L"removefail=TRUE"),
        set("noremovefail", L"-noremovefail", L"[Errors]", L"removefail=FALSE"),
        set("logerrors", L"-logerrors", L"[Errors]", L"logerrors=TRUE"),
        set("nologerrors", L"-nologerrors", L"[Errors]", L"logerrors=FALSE"),
        set("loglnkfail", L"-loglnkfail", L"[Errors]", L"loglnkfail=TRUE"),
        set("nologlnkfail", L"-nologlnkfail", L"[Errors]", L"loglnkfail=FALSE"),
        // Find
        unsaved("landscape", L"-landscape", &CommandLineSwitches::landscape, true),
        unsaved("portrait", L"-portrait", &CommandLineSwitches::portrait, true),
        set("markexit", L"-markexit", L"[Settings]", L"markexit=TRUE"),
        set("nomarkexit", L"-nomarkexit", L"[Settings]", L"markexit=FALSE"),
        // Catalog
        set("cathideview", L"-cathideview", L"[Catalog]", L"hide viewer=TRUE"),
        set("nocathideview", L"-nocathideview", L"[Catalog]", L"hide viewer=FALSE"),
        set("catlaunch", L"-catlaunch", L"[Catalog]", L"launch=TRUE"),
        set("nocatlaunch", L"-nocatlaunch", L"[Catalog]", L"launch=FALSE"),
        // Image
        set("wrap", L"-wrap", L"[Image]", L"wrap=TRUE"),
        set("nowrap", L"-nowrap", L"[Image]", L"wrap=FALSE"),
        set("crop", L"-crop", L"[Image]", L"crop=TRUE"),
        set("nocrop", L"-nocrop", L"[Image]", L"crop=FALSE"),
        set("squeeze", L"-squeeze", L"[Image]", L"squeeze=TRUE"),
        set("nosqueeze", L"-nosqueeze", L"[Image]", L"squeeze=FALSE"),
        set("shrink", L"-shrink", L"[Image]", L"shrink=TRUE"),
        set("noshrink", L"-noshrink", L"[Image]", L"shrink=FALSE"),
        set("stretch", L"-stretch", L"[Image]", L"stretch=TRUE"),
        set("nostretch", L"-nostretch", L"[Image]", L"stretch=FALSE"),
        set("zoomdef", L"-zoomdef", L"[Image]", L"zoomquality=0"),
        set("zoomhigh", L"-zoomhigh", L"[Image]", L"zoomquality=2"),
        set("zoombest", L"-zoombest", L"[Image]", L"zoomquality=7"),
        set("aspect", L"-aspect", L"[Image]", L"rotateaspect=TRUE"),
        set("noaspect", L"-noaspect", L"[Image]", L"rotateaspect=FALSE"),
        set("exiforient", L"-exiforient", L"[Image]", L"exiforient=TRUE"),
        set("noexiforient", L"-noexiforient", L"[Image]", L"exiforient=FALSE"),
        set("collage", L"-collage", L"[Image]", L"collage=TRUE"),
        set("nocollage", L"-nocollage", L"[Image]", L"collage=FALSE"),
        // Transitions
        set("transitions", L"-transitions", L"[Transitions]", L"transitions=TRUE"),
        set("notransitions", L"-notransitions", L"[Transitions]", L"transitions=FALSE"),
        set("overlap", L"-overlap", L"[Transitions]", L"overlap=TRUE"),
        set("nooverlap", L"-nooverlap", L"[Transitions]", L"overlap=FALSE"),
        // Window
        set("title", L"-title", L"[Window]", L"title=TRUE"),
        set("notitle", L"-notitle", L"[Window]", L"title=FALSE"),
        set("fullname", L"-fullname", L"[Window]", L"fullname=TRUE"),
        set("shortname", L"-shortname", L"[Window]", L"fullname=FALSE"),
        set("statusbar", L"-statusbar", L"[Window]", L"statusbar=TRUE"),
        set("nostatusbar", L"-nostatusbar", L"[Window]", L"statusbar=FALSE"),
        set("trayicon", L"-trayicon", L"[Window]", L"trayicon=TRUE"),
        set("taskbar", L"-taskbar", L"[Window]", L"trayicon=FALSE"),
        set("decor", L"-decor", L"[Window]", L"decorate=TRUE"),
        set("nodecor", L"-nodecor", L"[Window]", L"decorate=FALSE"),
        set("autocenter", L"-autocenter", L"[Window]", L"autocenter=TRUE\r\nroamwindow=FALSE"),
        set("noautocenter", L"-noautocenter", L"[Window]", L"autocenter=FALSE"),
        set("roam", L"-roam", L"[Window]", L"roamwindow=TRUE\r\nautocenter=FALSE"),
        set("noroam", L"-noroam", L"[Window]", L"roamwindow=FALSE"),
        set("corral", L"-corral", L"[Window]", L"corral=TRUE"),
        set("nocorral", L"-nocorral", L"[Window]", L"corral=FALSE"),
        set("draggable", L"-draggable", L"[Window]", L"draggable=TRUE"),
        set("nodraggable", L"-nodraggable", L"[Window]", L"draggable=FALSE"),
        set("centered", L"-centered", L"[Image]", L"layout=0"),
        set("topleft", L"-topleft", L"[Image]", L"layout=1"),
        set("topright", L"-topright", L"[Image]", L"layout=2"),
        set("bottomleft", L"-bottomleft", L"[Image]", L"layout=3"),
        set("bottomright", L"-bottomright", L"[Image]", L"layout=4"),
        // Fullscreen
        set("screenname", L"-screenname", L"[Window]", L"fullscreenname=TRUE"),
        set("noscreenname", L"-noscreenname", L"[Window]", L"fullscreenname=FALSE"),
        set("screencursor", L"-screencursor", L"[Window]", L"fullscreencursor=TRUE"),
        set("noscreencursor", L"-noscreencursor", L"[Window]", L"fullscreencursor=FALSE"),
        set("screencenter", L"-screencenter", L"[Window]", L"fullscreenlayout=0"),
        set("screenroam", L"-screenroam", L"[Window]", L"fullscreenlayout=5"),
        // Shell
        set("confirmdel", L"-confirmdel", L"[Shell]", L"confirmdelete=TRUE"),
        set("noconfirmdel", L"-noconfirmdel", L"[Shell]", L"confirmdelete=FALSE"),
        set("confirmarc", L"-confirmarc", L"[Shell]", L"confirmarchive=TRUE"),
        set("noconfirmarc", L"-noconfirmarc", L"[Shell]", L"confirmarchive=FALSE"),
        set("arclog", L"-arclog", L"[Shell]", L"archivelog=TRUE"),
        set("noarclog", L"-noarclog", L"[Shell]", L"archivelog=FALSE"),
        // Settings
        set("save", L"-save", L"[Settings]", L"savesettings=TRUE"),
        set("nosave", L"-nosave", L"[Settings]", L"savesettings=FALSE"),
        set("savefolder", L"-savefolder", L"[Portable]", L"savefolder=TRUE"),
        set("nosavefolder", L"-nosavefolder", L"[Portable]", L"savefolder=FALSE"),
        // Restrictions
        unsaved("noshell", L"-noshell", &CommandLineSwitches::noShell, true),
        unsaved("nomenu", L"-nomenu", &CommandLineSwitches::noMenu, true)),
    [](const ::testing::TestParamInfo<OptionCase>& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------------
// Options that act at once.

struct ActionCase {
  const char* name;
  const wchar_t* arg;
  const wchar_t* log;
  bool wrapOff;  // the presets turn `wrap` off after restoring
};

class ActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ActionTest, ActsOnceAndChangesNoOtherSetting) {
  const ActionCase& c = GetParam();
  Settings expected;
  if (c.wrapOff) expected.wrap = false;
  Settings actual;
  CommandLineSwitches switches;
  RecordingActions actions(actual);
  applyArguments({c.arg}, actual, switches, actions);
  EXPECT_EQ(actions.log, c.log);
  EXPECT_EQ(fileText(actual), fileText(expected));
  EXPECT_EQ(describe(switches), describe(CommandLineSwitches()));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ActionTest,
    ::testing::Values(ActionCase{"center", L"-center", L"center;", false},
                      ActionCase{"preset1", L"-preset1", L"preset1;", true},
                      ActionCase{"preset2", L"-preset2", L"preset2;", true},
                      ActionCase{"preset3", L"-preset3", L"preset3;", true},
                      ActionCase{"preset4", L"-preset4", L"preset4;", true},
                      ActionCase{"preset5", L"-preset5", L"preset5;", true},
                      ActionCase{"centerwall", L"-centerwall", L"wall1;", false},
                      ActionCase{"tilewall", L"-tilewall", L"wall2;", false},
                      ActionCase{"stretchwall", L"-stretchwall", L"wall3;", false},
                      ActionCase{"fitwall", L"-fitwall", L"wall4;", false},
                      ActionCase{"fillwall", L"-fillwall", L"wall5;", false},
                      ActionCase{"clearwall", L"-clearwall", L"clearwall;", false}),
    [](const ::testing::TestParamInfo<ActionCase>& p) { return std::string(p.param.name); });

TEST(CommandLineTest, PresetTurnsWrapOffAfterRestoring) {
  // The preset's window must not be wrapped straight back around the picture.
  class WrapProbe : public RecordingActions {
   public:
    explicit WrapProbe(Settings& s) : RecordingActions(s), settings(s) {}
    void restorePreset(int) override { wrapWhileRestoring = settings.wrap; }
    Settings& settings;
    bool wrapWhileRestoring = false;
  };
  Settings settings;
  CommandLineSwitches switches;
  WrapProbe probe(settings);
  applyArguments({L"-preset2"}, settings, switches, probe);
  EXPECT_TRUE(probe.wrapWhileRestoring);
  EXPECT_FALSE(settings.wrap);
}

TEST(CommandLineTest, TranslateStopsAtOnce) {
  Settings settings;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  applyArguments({L"-slide", L"-translate", L"-notitle", L"-center", L"C:\\p\\a.jpg", L"-browse"}, settings, switches,
                 actions);
  EXPECT_TRUE(switches.translate);
  EXPECT_TRUE(settings.slide);
  EXPECT_TRUE(settings.title);
  EXPECT_FALSE(switches.browse);
  EXPECT_EQ(actions.log, L"");
}

TEST(CommandLineTest, BrowseIsRememberedNotApplied) {
  Settings settings;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  applyArguments({L"-browse", L"-Browse"}, settings, switches, actions);
  EXPECT_TRUE(switches.browse);
  EXPECT_EQ(actions.log, L"");
  EXPECT_EQ(fileText(settings), fileText(Settings()));
}

// ---------------------------------------------------------------------------------
// Arguments that match nothing and are no number form change nothing.

struct IgnoredCase {
  const char* name;
  const wchar_t* arg;
};

class IgnoredTest : public ::testing::TestWithParam<IgnoredCase> {};

TEST_P(IgnoredTest, ChangesNothing) {
  const Settings bases[] = {Settings(), invertedSettings()};
  for (const Settings& base : bases) {
    Settings settings = base;
    CommandLineSwitches switches;
    RecordingActions actions(settings);
    applyArguments({GetParam().arg}, settings, switches, actions);
    EXPECT_EQ(fileText(settings), fileText(base));
    EXPECT_EQ(describe(switches), describe(CommandLineSwitches()));
    EXPECT_EQ(actions.log, L"");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, IgnoredTest,
    ::testing::Values(IgnoredCase{"upper_case", L"-SLIDE"}, IgnoredCase{"mixed_case", L"-Slide"},
                      IgnoredCase{"dash_alone", L"-"}, IgnoredCase{"unknown_letter", L"-x"},
                      IgnoredCase{"unknown_word", L"-nothing"}, IgnoredCase{"timer_letter_alone", L"-t"},
                      IgnoredCase{"blend_letter_alone", L"-b"}, IgnoredCase{"zoom_letter_alone", L"-z"},
                      IgnoredCase{"rotation_letter_alone", L"-r"}, IgnoredCase{"upper_case_number_form", L"-T3000"},
                      IgnoredCase{"double_dash", L"--slide"}, IgnoredCase{"trailing_blank", L"-slide "},
                      IgnoredCase{"no_preset_zero", L"-preset0"}, IgnoredCase{"no_preset_six", L"-preset6"},
                      IgnoredCase{"prefix_of_option", L"-loopshuffl"}, IgnoredCase{"option_with_suffix", L"-noslidex"},
                      IgnoredCase{"no_loop_option", L"-noloop"}, IgnoredCase{"number_after_other_letter", L"-x5"}),
    [](const ::testing::TestParamInfo<IgnoredCase>& p) { return std::string(p.param.name); });

// ---------------------------------------------------------------------------------
// The number forms.

struct NumberCase {
  const char* name;
  const wchar_t* arg;
  std::int32_t Settings::*field;  // null: the blend opacity
  std::int32_t value;
  bool fitting;  // squeeze, shrink or stretch still on afterwards
};

class NumberFormTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormTest, ConvertsLikeTheRuntime) {
  const NumberCase& c = GetParam();
  Settings settings;
  settings.rotation = 45;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  applyArguments({c.arg}, settings, switches, actions);
  if (c.field != nullptr) {
    EXPECT_EQ(settings.*c.field, c.value);
  } else {
    EXPECT_EQ(switches.blendOpacity, c.value);
  }
  EXPECT_EQ(settings.squeeze || settings.shrink || settings.stretch, c.fitting);
  EXPECT_FALSE(switches.browse);
}

constexpr std::int32_t Settings::*kTimer = &Settings::timer;
constexpr std::int32_t Settings::*kZoom = &Settings::zoom;
constexpr std::int32_t Settings::*kRotation = &Settings::rotation;

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberFormTest,
    ::testing::Values(
        NumberCase{"timer", L"-t3000", kTimer, 3000, true},
        NumberCase{"timer_without_digits_is_zero", L"-tx", kTimer, 0, true},
        NumberCase{"timer_after_blank", L"-t 12", kTimer, 12, true},
        NumberCase{"timer_after_tab_with_plus", L"-t\t+7", kTimer, 7, true},
        NumberCase{"timer_stops_at_non_digit", L"-t12ms", kTimer, 12, true},
        NumberCase{"timer_saturates_not_wraps", L"-t4294967301", kTimer, 86400000, true},
        NumberCase{"negative_timer_kept_in_range", L"-t-5", kTimer, 0, true},
        NumberCase{"short_unknown_word_is_timer", L"-ti", kTimer, 0, true},
        NumberCase{"title_is_an_option_not_a_timer", L"-title", kTimer, 5000, true},
        NumberCase{"tilewall_is_an_option_not_a_timer", L"-tilewall", kTimer, 5000, true},
        NumberCase{"zoom", L"-z150", kZoom, 150, false},
        NumberCase{"zebra_is_zoom_zero_without_fitting", L"-zebra", kZoom, 0, false},
        NumberCase{"zoom_kept_in_range", L"-z99999", kZoom, 3200, false},
        NumberCase{"zoomhigh_is_an_option_not_a_zoom", L"-zoomhigh", kZoom, 0, true},
        NumberCase{"rotation_negative", L"-r-90", kRotation, -90, true},
        NumberCase{"rotation", L"-r90", kRotation, 90, true},
        NumberCase{"rotation_without_digits_is_zero", L"-rx", kRotation, 0, true},
        NumberCase{"roam_is_an_option_not_a_rotation", L"-roam", kRotation, 45, true},
        NumberCase{"opacity_kept_whole", L"-b300", nullptr, 300, true},
        NumberCase{"opacity_half", L"-b128", nullptr, 128, true},
        NumberCase{"browse_with_suffix_is_opacity", L"-browsex", nullptr, 0, true},
        NumberCase{"bmp_is_an_option_not_an_opacity", L"-bmp", nullptr, 127, true},
        NumberCase{"blend_is_an_option_not_an_opacity", L"-blend", nullptr, 127, true}),
    [](const ::testing::TestParamInfo<NumberCase>& p) { return std::string(p.param.name); });

TEST(CommandLineTest, OpacityAloneDoesNotBlend) {
  Settings settings;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  applyArguments({L"-b128"}, settings, switches, actions);
  EXPECT_FALSE(switches.blend);
  applyArguments({L"-b300", L"-blend"}, settings, switches, actions);
  EXPECT_TRUE(switches.blend);
  EXPECT_EQ(switches.blendOpacity & 0xFF, 44);
}

// ---------------------------------------------------------------------------------
// Order: later arguments win; a fitting mode and a locked zoom exclude each other
// after every option; a settings file is read where it stands.

struct OrderCase {
  const char* name;
  Args args;
  std::int32_t zoom;
  bool squeeze;
  bool autocenter;
  bool roamwindow;
  std::int32_t timer;
  bool slide;
};

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTest, LaterArgumentsWin) {
  const OrderCase& c = GetParam();
  Settings settings;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  actions.files[L"fit.ini"] = L"[Image]\r\nsqueeze=TRUE\r\nzoom=150\r\n";
  actions.files[L"a.ini"] = L"[Slideshow]\r\nslide=TRUE\r\ntimer=200\r\n";
  actions.files[L"b.ini"] = L"[Slideshow]\r\ntimer=300\r\n";
  applyArguments(c.args, settings, switches, actions);
  EXPECT_EQ(settings.zoom, c.zoom);
  EXPECT_EQ(settings.squeeze, c.squeeze);
  EXPECT_EQ(settings.autocenter, c.autocenter);
  EXPECT_EQ(settings.roamwindow, c.roamwindow);
  EXPECT_EQ(settings.timer, c.timer);
  EXPECT_EQ(settings.slide, c.slide);
}

// Defaults: zoom 0, squeeze on, autocenter on, roaming off, timer 5000, slideshow off.
INSTANTIATE_TEST_SUITE_P(
    Sequences, OrderTest,
    ::testing::Values(
        OrderCase{"zoom_then_squeeze", {L"-z150", L"-squeeze"}, 0, true, true, false, 5000, false},
        OrderCase{"squeeze_then_zoom", {L"-squeeze", L"-z150"}, 150, false, true, false, 5000, false},
        OrderCase{"nosqueeze_then_zoom", {L"-nosqueeze", L"-z200"}, 200, false, true, false, 5000, false},
        OrderCase{"zoom_then_stretch", {L"-z200", L"-stretch"}, 0, false, true, false, 5000, false},
        OrderCase{"zoom_then_unmatched", {L"-z200", L"-x"}, 200, false, true, false, 5000, false},
        OrderCase{"file_zoom_kept_until_an_option", {L"fit.ini"}, 150, true, true, false, 5000, false},
        OrderCase{"file_zoom_kept_past_a_path", {L"fit.ini", L"pic.jpg"}, 150, true, true, false, 5000, false},
        OrderCase{"file_zoom_kept_past_browse", {L"fit.ini", L"-browse"}, 150, true, true, false, 5000, false},
        OrderCase{"unmatched_option_clears_file_zoom", {L"fit.ini", L"-x"}, 0, true, true, false, 5000, false},
        OrderCase{"autocenter_then_roam", {L"-autocenter", L"-roam"}, 0, true, false, true, 5000, false},
        OrderCase{"roam_then_autocenter", {L"-roam", L"-autocenter"}, 0, true, true, false, 5000, false},
        OrderCase{"roam_then_noroam", {L"-roam", L"-noroam"}, 0, true, false, false, 5000, false},
        OrderCase{"later_timer_wins", {L"-t100", L"-t300"}, 0, true, true, false, 300, false},
        OrderCase{"file_overrides_earlier_option", {L"-t100", L"-noslide", L"a.ini"}, 0, true, true, false, 200, true},
        OrderCase{"later_option_overrides_file", {L"a.ini", L"-t100", L"-noslide"}, 0, true, true, false, 100, false},
        OrderCase{"file_keys_absent_keep_values", {L"-t100", L"b.ini"}, 0, true, true, false, 300, false},
        OrderCase{"second_file_over_first", {L"a.ini", L"b.ini"}, 0, true, true, false, 300, true}),
    [](const ::testing::TestParamInfo<OrderCase>& p) { return std::string(p.param.name); });

TEST(CommandLineTest, PathsArriveInOrderWithoutTrailingBlanks) {
  Settings settings;
  CommandLineSwitches switches;
  RecordingActions actions(settings);
  applyArguments({L"-slide", L"-t3000", L"D:\\Pictures\\a.jpg  ", L"-notitle", L"  b", L"x.ini\t", L"c -d"}, settings,
                 switches, actions);
  EXPECT_EQ(actions.log, L"path:D:\\Pictures\\a.jpg;path:  b;path:x.ini;path:c -d;");
  EXPECT_TRUE(settings.slide);
  EXPECT_EQ(settings.timer, 3000);
  EXPECT_FALSE(settings.title);
}

// ---------------------------------------------------------------------------------
// Path helpers.

struct TextCase {
  const char* name;
  const wchar_t* text;
  bool expected;
};

class SettingsFileNameTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(SettingsFileNameTest, OnlyExactIniEnding) {
  EXPECT_EQ(namesSettingsFile(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SettingsFileNameTest,
    ::testing::Values(TextCase{"ini", L"C:\\p\\other.ini", true}, TextCase{"relative", L"other.ini", true},
                      TextCase{"only_extension", L"C:\\p\\.ini", true},
                      TextCase{"upper_case_is_a_picture_path", L"C:\\p\\OTHER.INI", false},
                      TextCase{"mixed_case", L"other.Ini", false}, TextCase{"longer_extension", L"other.inix", false},
                      TextCase{"ini_not_last", L"other.ini.jpg", false},
                      TextCase{"dot_in_folder_name", L"C:\\p.ini\\picture", false},
                      TextCase{"no_dot", L"C:\\p\\ini", false}, TextCase{"empty", L"", false}),
    [](const ::testing::TestParamInfo<TextCase>& p) { return std::string(p.param.name); });

class ProgramSectionTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProgramSectionTest, FindsHeaderAtLineStart) {
  EXPECT_EQ(holdsProgramSection(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProgramSectionTest,
    ::testing::Values(TextCase{"first_line", L"[Vistelo]\r\nversion=2.00\r\n", true},
                      TextCase{"later_line", L"; other\r\n[Portable]\r\n[Vistelo]\r\n", true},
                      TextCase{"last_line_without_end", L"x=1\n[Vistelo]", true},
                      TextCase{"header_with_more_text", L"[Vistelo] old\r\n", true},
                      TextCase{"other_letter_case", L"[vistelo]\r\n", false},
                      TextCase{"blank_before_header", L" [Vistelo]\r\n", false},
                      TextCase{"inside_a_value", L"[Portable]\r\nfolder=[Vistelo]\r\n", false},
                      TextCase{"other_program", L"[Settings]\r\nname=x\r\n", false},
                      TextCase{"longer_name", L"[Vistelo2]\r\n", false}, TextCase{"empty", L"", false}),
    [](const ::testing::TestParamInfo<TextCase>& p) { return std::string(p.param.name); });

struct ConversionCase {
  const char* name;
  const wchar_t* text;
  const wchar_t* expected;
};

class TrailingBlanksTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(TrailingBlanksTest, RemovesOnlyTheEnd) {
  EXPECT_EQ(withoutTrailingBlanks(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrailingBlanksTest,
    ::testing::Values(ConversionCase{"blanks", L"C:\\a.jpg  ", L"C:\\a.jpg"},
                      ConversionCase{"tab", L"a.ini\t", L"a.ini"},
                      ConversionCase{"leading_kept", L"  a", L"  a"},
                      ConversionCase{"inner_kept", L"my pictures", L"my pictures"},
                      ConversionCase{"only_blanks", L"   ", L""}, ConversionCase{"empty", L"", L""}),
    [](const ::testing::TestParamInfo<ConversionCase>& p) { return std::string(p.param.name); });

class FolderOfTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(FolderOfTest, UpToLastBackslash) { EXPECT_EQ(folderOf(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfTest,
    ::testing::Values(ConversionCase{"file", L"D:\\Pictures\\a.jpg", L"D:\\Pictures"},
                      ConversionCase{"drive_root", L"C:\\a.jpg", L"C:"},
                      ConversionCase{"network", L"\\\\server\\share\\b.png", L"\\\\server\\share"},
                      ConversionCase{"no_backslash", L"a.jpg", L"a.jpg"}),
    [](const ::testing::TestParamInfo<ConversionCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vistelo
