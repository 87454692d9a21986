#include "config/command_line.h"

#include <cstdint>
#include <limits>

#include "config/ini_file.h"

namespace vistelo {
namespace {

enum class Effect {
  Switch,          // a setting on or off
  Number,          // a setting to a value
  OnTurningOff,    // a setting on and another off
  Unsaved,         // one of the CommandLineSwitches on or off
  Center,
  Preset,          // value: the preset 1..5
  Wallpaper,       // value: the style 1..5
  ClearWallpaper,
  Translate,
};

struct Option {
  const wchar_t* name;
  Effect effect;
  bool Settings::*switchField;
  std::int32_t Settings::*numberField;
  bool Settings::*offField;
  bool CommandLineSwitches::*unsavedField;
  std::int32_t value;  // Switch and Unsaved: 1 on, 0 off
};

Option switchOption(const wchar_t* name, bool Settings::*field, bool on) {
  return {name, Effect::Switch, field, nullptr, nullptr, nullptr, on ? 1 : 0};
}

Option numberOption(const wchar_t* name, std::int32_t Settings::*field, std::int32_t value) {
  return {name, Effect::Number, nullptr, field, nullptr, nullptr, value};
}

Option unsavedOption(const wchar_t* name, bool CommandLineSwitches::*field, bool on) {
  return {name, Effect::Unsaved, nullptr, nullptr, nullptr, field, on ? 1 : 0};
}

Option actionOption(const wchar_t* name, Effect effect, std::int32_t value) {
  return {name, effect, nullptr, nullptr, nullptr, nullptr, value};
}

// The usual "-name" / "-noname" pair.
void addPair(std::vector<Option>& rows, const wchar_t* on, const wchar_t* off, bool Settings::*field) {
  rows.push_back(switchOption(on, field, true));
  rows.push_back(switchOption(off, field, false));
}

std::vector<Option> buildOptions() {
  using S = Settings;
  std::vector<Option> rows;
  // Slideshow
  addPair(rows, L"-slide", L"-noslide", &S::slide);
  rows.push_back(numberOption(L"-loop", &S::loop, 0));
  rows.push_back(numberOption(L"-loopause", &S::loop, 1));
  rows.push_back(numberOption(L"-loopexit", &S::loop, 2));
  addPair(rows, L"-loopshuffle", L"-noloopshuffle", &S::loopshuffle);
  // Window mode
  rows.push_back(numberOption(L"-windowed", &S::layer, 0));
  rows.push_back(numberOption(L"-fullscreen", &S::layer, 1));
  rows.push_back(numberOption(L"-wallpaper", &S::layer, 2));
  addPair(rows, L"-ontop", L"-notop", &S::ontop);
  rows.push_back(unsavedOption(L"-blend", &CommandLineSwitches::blend, true));
  rows.push_back(unsavedOption(L"-noblend", &CommandLineSwitches::blend, false));
  addPair(rows, L"-projector", L"-noprojector", &S::projector);
  addPair(rows, L"-single", L"-nosingle", &S::singleinstance);
  // Sorting
  rows.push_back(numberOption(L"-sortforward", &S::sort, 0));
  rows.push_back(numberOption(L"-sortreverse", &S::sort, 1));
  rows.push_back(numberOption(L"-sortrandom", &S::sort, 2));
  rows.push_back(numberOption(L"-sorttree", &S::sortby, 0));
  rows.push_back(numberOption(L"-sorttreestrict", &S::sortby, 1));
  rows.push_back(numberOption(L"-sortname", &S::sortby, 2));
  rows.push_back(numberOption(L"-sortcreated", &S::sortby, 3));
  rows.push_back(numberOption(L"-sortmodified", &S::sortby, 4));
  rows.push_back(numberOption(L"-sortaccessed", &S::sortby, 5));
  addPair(rows, L"-sortcase", L"-nosortcase", &S::sortcase);
  // Mouse and scrolling
  addPair(rows, L"-wheelnav", L"-wheelzoom", &S::wheelnav);
  addPair(rows, L"-autoscroll", L"-noautoscroll", &S::autoscroll);
  addPair(rows, L"-quietscroll", L"-animatescroll", &S::quietautoscroll);
  // Folder
  addPair(rows, L"-subfolders", L"-nosubfolders", &S::subfolders);
  addPair(rows, L"-hidden", L"-nohidden", &S::hidden);
  addPair(rows, L"-autorefresh", L"-noautorefresh", &S::autorefresh);
  rows.push_back(numberOption(L"-autofindcreate", &S::autofindtype, 1));
  rows.push_back(numberOption(L"-autofindmodify", &S::autofindtype, 2));
  rows.push_back(numberOption(L"-autofindaccess", &S::autofindtype, 3));
  rows.push_back(numberOption(L"-noautofind", &S::autofindtype, 0));
  // Formats
  addPair(rows, L"-bmp", L"-nobmp", &S::bmp);
  addPair(rows, L"-emf", L"-noemf", &S::emf);
  addPair(rows, L"-gif", L"-nogif", &S::gif);
  addPair(rows, L"-ico", L"-noico", &S::ico);
  addPair(rows, L"-jpg", L"-nojpg", &S::jpg);
  addPair(rows, L"-png", L"-nopng", &S::png);
  addPair(rows, L"-tif", L"-notif", &S::tif);
  // Errors
  addPair(rows, L"-removefail", L"-noremovefail", &S::removefail);
  addPair(rows, L"-logerrors", L"-nologerrors", &S::logerrors);
  addPair(rows, L"-loglnkfail", L"-nologlnkfail", &S::loglnkfail);
  // Find
  rows.push_back(unsavedOption(L"-landscape", &CommandLineSwitches::landscape, true));
  rows.push_back(unsavedOption(L"-portrait", &CommandLineSwitches::portrait, true));
  addPair(rows, L"-markexit", L"-nomarkexit", &S::markexit);
  // Catalog
  addPair(rows, L"-cathideview", L"-nocathideview", &S::hideViewer);
  addPair(rows, L"-catlaunch", L"-nocatlaunch", &S::launch);
  // Image
  addPair(rows, L"-wrap", L"-nowrap", &S::wrap);
  addPair(rows, L"-crop", L"-nocrop", &S::crop);
  addPair(rows, L"-squeeze", L"-nosqueeze", &S::squeeze);
  addPair(rows, L"-shrink", L"-noshrink", &S::shrink);
  addPair(rows, L"-stretch", L"-nostretch", &S::stretch);
  rows.push_back(numberOption(L"-zoomdef", &S::zoomquality, 0));
  rows.push_back(numberOption(L"-zoomhigh", &S::zoomquality, 2));
  rows.push_back(numberOption(L"-zoombest", &S::zoomquality, 7));
  addPair(rows, L"-aspect", L"-noaspect", &S::rotateaspect);
  addPair(rows, L"-exiforient", L"-noexiforient", &S::exiforient);
  addPair(rows, L"-collage", L"-nocollage", &S::collage);
  // Transitions
  addPair(rows, L"-transitions", L"-notransitions", &S::transitions);
  addPair(rows, L"-overlap", L"-nooverlap", &S::overlap);
  // Window
  addPair(rows, L"-title", L"-notitle", &S::title);
  addPair(rows, L"-fullname", L"-shortname", &S::fullname);
  addPair(rows, L"-statusbar", L"-nostatusbar", &S::statusbar);
  addPair(rows, L"-trayicon", L"-taskbar", &S::trayicon);
  addPair(rows, L"-decor", L"-nodecor", &S::decorate);
  // Centring and roaming exclude each other.
  rows.push_back({L"-autocenter", Effect::OnTurningOff, &S::autocenter, nullptr, &S::roamwindow, nullptr, 1});
  rows.push_back(switchOption(L"-noautocenter", &S::autocenter, false));
  rows.push_back({L"-roam", Effect::OnTurningOff, &S::roamwindow, nullptr, &S::autocenter, nullptr, 1});
  rows.push_back(switchOption(L"-noroam", &S::roamwindow, false));
  addPair(rows, L"-corral", L"-nocorral", &S::corral);
  addPair(rows, L"-draggable", L"-nodraggable", &S::draggable);
  rows.push_back(numberOption(L"-centered", &S::layout, 0));
  rows.push_back(numberOption(L"-topleft", &S::layout, 1));
  rows.push_back(numberOption(L"-topright", &S::layout, 2));
  rows.push_back(numberOption(L"-bottomleft", &S::layout, 3));
  rows.push_back(numberOption(L"-bottomright", &S::layout, 4));
  // Fullscreen
  addPair(rows, L"-screenname", L"-noscreenname", &S::fullscreenname);
  addPair(rows, L"-screencursor", L"-noscreencursor", &S::fullscreencursor);
  rows.push_back(numberOption(L"-screencenter", &S::fullscreenlayout, 0));
  rows.push_back(numberOption(L"-screenroam", &S::fullscreenlayout, 5));
  // Shell
  addPair(rows, L"-confirmdel", L"-noconfirmdel", &S::confirmdelete);
  addPair(rows, L"-confirmarc", L"-noconfirmarc", &S::confirmarchive);
  addPair(rows, L"-arclog", L"-noarclog", &S::archivelog);
  // Settings
  addPair(rows, L"-save", L"-nosave", &S::savesettings);
  addPair(rows, L"-savefolder", L"-nosavefolder", &S::savefolder);
  // Restrictions
  rows.push_back(unsavedOption(L"-noshell", &CommandLineSwitches::noShell, true));
  rows.push_back(unsavedOption(L"-nomenu", &CommandLineSwitches::noMenu, true));
  // Acting at once
  rows.push_back(actionOption(L"-translate", Effect::Translate, 0));
  rows.push_back(actionOption(L"-center", Effect::Center, 0));
  rows.push_back(actionOption(L"-preset1", Effect::Preset, 1));
  rows.push_back(actionOption(L"-preset2", Effect::Preset, 2));
  rows.push_back(actionOption(L"-preset3", Effect::Preset, 3));
  rows.push_back(actionOption(L"-preset4", Effect::Preset, 4));
  rows.push_back(actionOption(L"-preset5", Effect::Preset, 5));
  rows.push_back(actionOption(L"-centerwall", Effect::Wallpaper, 1));
  rows.push_back(actionOption(L"-tilewall", Effect::Wallpaper, 2));
  rows.push_back(actionOption(L"-stretchwall", Effect::Wallpaper, 3));
  rows.push_back(actionOption(L"-fitwall", Effect::Wallpaper, 4));
  rows.push_back(actionOption(L"-fillwall", Effect::Wallpaper, 5));
  rows.push_back(actionOption(L"-clearwall", Effect::ClearWallpaper, 0));
  return rows;
}

const std::vector<Option>& options() {
  static const std::vector<Option> rows = buildOptions();
  return rows;
}

const Option* findOption(const std::wstring& arg) {
  for (const Option& option : options()) {
    if (arg == option.name) return &option;
  }
  return nullptr;
}

// Like the C runtime's _wtoi: no digits give 0, overflow saturates.
std::int32_t wideToInt(const wchar_t* text) {
  std::int64_t value = 0;
  if (!scanInteger(text, 10, value)) return 0;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// "-t", "-b", "-z" or "-r" followed by a number; anything else does nothing.
void applyNumberForm(const std::wstring& arg, Settings& settings, CommandLineSwitches& switches) {
  if (arg.size() <= 2) return;
  const std::int32_t number = wideToInt(arg.c_str() + 2);
  switch (arg[1]) {
    case L't':
      settings.timer = number;
      break;
    case L'b':
      switches.blendOpacity = number;
      break;
    case L'z':
      settings.zoom = number;
      settings.squeeze = false;
      settings.shrink = false;
      settings.stretch = false;
      break;
    case L'r':
      settings.rotation = number;
      break;
    default:
      break;
  }
}

// False when the option ends the program.
bool applyOption(const std::wstring& arg, Settings& settings, CommandLineSwitches& switches,
                 CommandLineActions& actions) {
  const Option* option = findOption(arg);
  if (option == nullptr) {
    applyNumberForm(arg, settings, switches);
    return true;
  }
  switch (option->effect) {
    case Effect::Switch:
      settings.*option->switchField = option->value != 0;
      break;
    case Effect::Number:
      settings.*option->numberField = option->value;
      break;
    case Effect::OnTurningOff:
      settings.*option->switchField = true;
      settings.*option->offField = false;
      break;
    case Effect::Unsaved:
      switches.*option->unsavedField = option->value != 0;
      break;
    case Effect::Center:
      actions.center();
      break;
    case Effect::Preset:
      actions.restorePreset(option->value);
      settings.wrap = false;
      break;
    case Effect::Wallpaper:
      actions.setWallpaper(option->value);
      break;
    case Effect::ClearWallpaper:
      actions.clearWallpaper();
      break;
    case Effect::Translate:
      switches.translate = true;
      return false;
  }
  return true;
}

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

void applyArguments(const std::vector<std::wstring>& args, Settings& settings, CommandLineSwitches& switches,
                    CommandLineActions& actions) {
  for (const std::wstring& arg : args) {
    if (arg.empty() || arg[0] != L'-') {
      actions.pathArgument(withoutTrailingBlanks(arg));
      continue;
    }
    if (arg == L"-browse") {
      switches.browse = true;
      continue;
    }
    if (!applyOption(arg, settings, switches, actions)) break;
    // A fitting mode and a locked zoom exclude each other; the fitting wins.
    if (settings.squeeze || settings.shrink || settings.stretch) settings.zoom = 0;
  }
  keepSettingsInRange(settings);
}

std::wstring withoutTrailingBlanks(const std::wstring& text) {
  std::size_t end = text.size();
  while (end > 0 && isBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

bool namesSettingsFile(const std::wstring& path) {
  const std::size_t dot = path.find_last_of(L'.');
  return dot != std::wstring::npos && path.compare(dot, std::wstring::npos, L".ini") == 0;
}

bool holdsProgramSection(const std::wstring& text) {
  // The same test the settings reader uses to find the section.
  return IniReader(text).readSection(SettingsTable(), L"[Vistelo]", 12);
}

}  // namespace vistelo
