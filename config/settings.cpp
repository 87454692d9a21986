#include "config/settings.h"

#include <limits>

namespace vistelo {
namespace {

#define FIELD(name) [](Settings& settings) -> void* { return &settings.name; }

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
// Screen coordinates: wide enough for any arrangement of monitors, small enough that
// widths and sums never overflow.
constexpr std::int32_t kCoordinate = 32767;

SettingSpec switchRow(const wchar_t* section, const wchar_t* key, void* (*field)(Settings&), bool on) {
  return {section, key, SettingKind::Switch, field, 0, on ? 1 : 0, nullptr, RangeRule::Any, 0, 1};
}

SettingSpec smallRow(const wchar_t* section, const wchar_t* key, void* (*field)(Settings&), std::int32_t value,
                     RangeRule rule, std::int32_t low, std::int32_t high) {
  return {section, key, SettingKind::Small, field, 0, value, nullptr, rule, low, high};
}

SettingSpec numberRow(const wchar_t* section, const wchar_t* key, void* (*field)(Settings&), std::int32_t value,
                      RangeRule rule, std::int32_t low, std::int32_t high) {
  return {section, key, SettingKind::Number, field, 0, value, nullptr, rule, low, high};
}

SettingSpec textRow(const wchar_t* section, const wchar_t* key, void* (*field)(Settings&), std::size_t capacity,
                    const wchar_t* value) {
  return {section, key, SettingKind::Text, field, capacity, 0, value, RangeRule::Any, 0, 0};
}

SettingSpec commentRow(const wchar_t* section, const wchar_t* text) {
  return {section, L";", SettingKind::Comment, nullptr, 0, 0, text, RangeRule::Any, 0, 0};
}

void addRect(std::vector<SettingSpec>& rows, const wchar_t* section, const wchar_t* const keys[4],
             void* (*left)(Settings&), void* (*top)(Settings&), void* (*right)(Settings&),
             void* (*bottom)(Settings&)) {
  void* (*fields[4])(Settings&) = {left, top, right, bottom};
  for (int i = 0; i < 4; ++i)
    rows.push_back(numberRow(section, keys[i], fields[i], 0, RangeRule::Clamp, -kCoordinate, kCoordinate));
}

std::vector<SettingSpec> buildSchema() {
  std::vector<SettingSpec> rows;
  const wchar_t* s = L"[Vistelo]";
  rows.push_back(textRow(s, L"version", FIELD(version), 12, L""));

  s = L"[Portable]";
  rows.push_back(commentRow(s, L"for portability set savefolder=FALSE and use relative paths, eg. \\pics"));
  rows.push_back(commentRow(s, L"try setting folder=C:\\users\\public\\pictures"));
  rows.push_back(switchRow(s, L"savefolder", FIELD(savefolder), false));
  rows.push_back(textRow(s, L"folder", FIELD(folder), kPathCapacity, L""));
  rows.push_back(textRow(s, L"favorites", FIELD(favorites), kPathCapacity, L""));
  rows.push_back(textRow(s, L"archive", FIELD(archive), kPathCapacity, L""));
  rows.push_back(textRow(s, L"image viewer", FIELD(imageViewer), kPathCapacity, L""));
  rows.push_back(textRow(s, L"file manager", FIELD(fileManager), kPathCapacity, L"explorer.exe"));

  s = L"[Tweak]";
  // Milliseconds the watcher waits after a change: at most a minute.
  rows.push_back(numberRow(s, L"autorefresh latency", FIELD(autorefreshLatency), 200, RangeRule::Clamp, 0, 60000));
  rows.push_back(textRow(s, L"desktop", FIELD(desktop), kPathCapacity, L""));

  s = L"[Tweak Transitions]";
  // Sleeps per animation step, which run on the window's thread: at most two seconds.
  rows.push_back(numberRow(s, L"shutter latency", FIELD(shutterLatency), 500, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"wipe latency", FIELD(wipeLatency), 2, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"slide latency", FIELD(slideLatency), 5, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"quadrant slide latency", FIELD(quadrantSlideLatency), 10, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"quadrant wipe latency", FIELD(quadrantWipeLatency), 12, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"dissolve latency", FIELD(dissolveLatency), 2, RangeRule::Clamp, 0, 2000));
  rows.push_back(numberRow(s, L"crossfade latency", FIELD(crossfadeLatency), 30, RangeRule::Clamp, 0, 2000));

  s = L"[Slideshow]";
  rows.push_back(switchRow(s, L"slide", FIELD(slide), false));
  // Milliseconds per picture: at most a day (below a second advances after one tick).
  rows.push_back(numberRow(s, L"timer", FIELD(timer), 5000, RangeRule::Clamp, 0, 86400000));
  rows.push_back(smallRow(s, L"sort", FIELD(sort), 0, RangeRule::Choices, 0, 2));
  rows.push_back(smallRow(s, L"sortby", FIELD(sortby), 1, RangeRule::Choices, 0, 5));
  rows.push_back(switchRow(s, L"sortcase", FIELD(sortcase), false));
  rows.push_back(smallRow(s, L"layer", FIELD(layer), 0, RangeRule::Choices, 0, 2));
  rows.push_back(switchRow(s, L"ontop", FIELD(ontop), false));
  rows.push_back(smallRow(s, L"loop", FIELD(loop), 0, RangeRule::Choices, 0, 2));
  rows.push_back(switchRow(s, L"loopshuffle", FIELD(loopshuffle), false));
  rows.push_back(switchRow(s, L"wheelnav", FIELD(wheelnav), false));
  rows.push_back(switchRow(s, L"autoscroll", FIELD(autoscroll), true));
  rows.push_back(switchRow(s, L"quietautoscroll", FIELD(quietautoscroll), false));

  s = L"[Folder]";
  rows.push_back(switchRow(s, L"subfolders", FIELD(subfolders), true));
  rows.push_back(switchRow(s, L"hidden", FIELD(hidden), true));
  rows.push_back(switchRow(s, L"autorefresh", FIELD(autorefresh), true));
  rows.push_back(smallRow(s, L"autofindtype", FIELD(autofindtype), 0, RangeRule::Choices, 0, 3));

  s = L"[Formats]";
  rows.push_back(switchRow(s, L"bmp", FIELD(bmp), true));
  rows.push_back(switchRow(s, L"emf", FIELD(emf), false));
  rows.push_back(switchRow(s, L"gif", FIELD(gif), true));
  rows.push_back(switchRow(s, L"ico", FIELD(ico), false));
  rows.push_back(switchRow(s, L"jpg", FIELD(jpg), true));
  rows.push_back(switchRow(s, L"png", FIELD(png), true));
  rows.push_back(switchRow(s, L"tif", FIELD(tif), false));

  s = L"[Errors]";
  rows.push_back(switchRow(s, L"removefail", FIELD(removefail), true));
  rows.push_back(switchRow(s, L"logerrors", FIELD(logerrors), true));
  rows.push_back(switchRow(s, L"loglnkfail", FIELD(loglnkfail), false));

  s = L"[Catalog]";
  // Thumbnail edge in pixels: each thumbnail is a bitmap of this size squared.
  rows.push_back(numberRow(s, L"thumbsize", FIELD(thumbsize), 100, RangeRule::Clamp, 16, 512));
  rows.push_back(switchRow(s, L"hide viewer", FIELD(hideViewer), true));
  rows.push_back(switchRow(s, L"launch", FIELD(launch), false));

  static const wchar_t* const kEdges[4] = {L"left", L"top", L"right", L"bottom"};
  addRect(rows, L"[Catalog Position]", kEdges, FIELD(catalogRect.left), FIELD(catalogRect.top),
          FIELD(catalogRect.right), FIELD(catalogRect.bottom));

  s = L"[Image]";
  rows.push_back(switchRow(s, L"wrap", FIELD(wrap), true));
  rows.push_back(switchRow(s, L"crop", FIELD(crop), false));
  rows.push_back(switchRow(s, L"squeeze", FIELD(squeeze), true));
  rows.push_back(switchRow(s, L"shrink", FIELD(shrink), true));
  rows.push_back(switchRow(s, L"stretch", FIELD(stretch), false));
  // Zoom lock in percent (0: none): at most 32 times, so a picture's drawn size stays
  // within what the system can draw.
  rows.push_back(smallRow(s, L"zoom", FIELD(zoom), 0, RangeRule::Clamp, 0, 3200));
  rows.push_back(smallRow(s, L"zoomstep", FIELD(zoomstep), 10, RangeRule::Clamp, 1, 1000));
  // The imaging library's interpolation modes 0 to 7.
  rows.push_back(smallRow(s, L"zoomquality", FIELD(zoomquality), 0, RangeRule::Choices, 0, 7));
  // Degrees; only 90, 180 and 270 turn a picture, any other value turns nothing.
  rows.push_back(smallRow(s, L"rotation", FIELD(rotation), 0, RangeRule::Any, 0, 0));
  rows.push_back(switchRow(s, L"rotateaspect", FIELD(rotateaspect), true));
  rows.push_back(switchRow(s, L"exiforient", FIELD(exiforient), true));
  rows.push_back(smallRow(s, L"layout", FIELD(layout), 0, RangeRule::Choices, 0, 5));
  rows.push_back(switchRow(s, L"collage", FIELD(collage), false));
  // Collage tile size in pixels.
  rows.push_back(smallRow(s, L"collagesize", FIELD(collagesize), 250, RangeRule::Clamp, 16, 4096));

  s = L"[Transitions]";
  rows.push_back(switchRow(s, L"transitions", FIELD(transitions), false));
  static const wchar_t* const kTransitionKeys[kTransitionCount] = {
      L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"11", L"12", L"13", L"14", L"15"};
  void* (*const transitionFields[kTransitionCount])(Settings&) = {
      FIELD(transitionEnabled[0]),  FIELD(transitionEnabled[1]),  FIELD(transitionEnabled[2]),
      FIELD(transitionEnabled[3]),  FIELD(transitionEnabled[4]),  FIELD(transitionEnabled[5]),
      FIELD(transitionEnabled[6]),  FIELD(transitionEnabled[7]),  FIELD(transitionEnabled[8]),
      FIELD(transitionEnabled[9]),  FIELD(transitionEnabled[10]), FIELD(transitionEnabled[11]),
      FIELD(transitionEnabled[12]), FIELD(transitionEnabled[13]), FIELD(transitionEnabled[14])};
  for (int n = 0; n < kTransitionCount; ++n) rows.push_back(switchRow(s, kTransitionKeys[n], transitionFields[n], true));
  rows.push_back(switchRow(s, L"overlap", FIELD(overlap), true));

  s = L"[Window]";
  rows.push_back(switchRow(s, L"title", FIELD(title), true));
  rows.push_back(switchRow(s, L"fullname", FIELD(fullname), true));
  rows.push_back(switchRow(s, L"statusbar", FIELD(statusbar), true));
  rows.push_back(switchRow(s, L"trayicon", FIELD(trayicon), false));
  rows.push_back(switchRow(s, L"decorate", FIELD(decorate), true));
  // A colour 0x00BBGGRR; anything with a high byte is no colour and gives black.
  rows.push_back(numberRow(s, L"bgcolor", FIELD(bgcolor), 0, RangeRule::Choices, 0, 0xFFFFFF));
  rows.push_back(switchRow(s, L"autocenter", FIELD(autocenter), true));
  rows.push_back(switchRow(s, L"roamwindow", FIELD(roamwindow), false));
  rows.push_back(switchRow(s, L"corral", FIELD(corral), false));
  rows.push_back(switchRow(s, L"draggable", FIELD(draggable), true));
  rows.push_back(switchRow(s, L"singleinstance", FIELD(singleinstance), false));
  rows.push_back(switchRow(s, L"fullscreenname", FIELD(fullscreenname), true));
  rows.push_back(switchRow(s, L"fullscreencursor", FIELD(fullscreencursor), true));
  rows.push_back(smallRow(s, L"fullscreenlayout", FIELD(fullscreenlayout), 0, RangeRule::Choices, 0, 5));
  rows.push_back(switchRow(s, L"projector", FIELD(projector), false));

  addRect(rows, L"[Position]", kEdges, FIELD(windowRect.left), FIELD(windowRect.top), FIELD(windowRect.right),
          FIELD(windowRect.bottom));

  static const wchar_t* const kPresetKeys[kPresetCount][4] = {
      {L"1left", L"1top", L"1right", L"1bottom"}, {L"2left", L"2top", L"2right", L"2bottom"},
      {L"3left", L"3top", L"3right", L"3bottom"}, {L"4left", L"4top", L"4right", L"4bottom"},
      {L"5left", L"5top", L"5right", L"5bottom"}};
  addRect(rows, L"[Presets]", kPresetKeys[0], FIELD(presets[0].left), FIELD(presets[0].top), FIELD(presets[0].right), FIELD(presets[0].bottom));
  addRect(rows, L"[Presets]", kPresetKeys[1], FIELD(presets[1].left), FIELD(presets[1].top), FIELD(presets[1].right), FIELD(presets[1].bottom));
  addRect(rows, L"[Presets]", kPresetKeys[2], FIELD(presets[2].left), FIELD(presets[2].top), FIELD(presets[2].right), FIELD(presets[2].bottom));
  addRect(rows, L"[Presets]", kPresetKeys[3], FIELD(presets[3].left), FIELD(presets[3].top), FIELD(presets[3].right), FIELD(presets[3].bottom));
  addRect(rows, L"[Presets]", kPresetKeys[4], FIELD(presets[4].left), FIELD(presets[4].top), FIELD(presets[4].right), FIELD(presets[4].bottom));

  s = L"[Shell]";
  rows.push_back(switchRow(s, L"confirmdelete", FIELD(confirmdelete), true));
  rows.push_back(switchRow(s, L"archivelog", FIELD(archivelog), true));
  rows.push_back(switchRow(s, L"confirmarchive", FIELD(confirmarchive), true));

  s = L"[Settings]";
  rows.push_back(switchRow(s, L"savesettings", FIELD(savesettings), true));
  rows.push_back(switchRow(s, L"markexit", FIELD(markexit), false));
  // An index into the exhibit.
  rows.push_back(numberRow(s, L"bookmark", FIELD(bookmark), 0, RangeRule::Clamp, 0, kIntMax));

  s = L"[Menu]";
  rows.push_back(switchRow(s, L"at cursor", FIELD(atCursor), true));

  s = L"[Hotkeys]";
  // The system's hotkey modifier bits (Alt, Ctrl, Shift, Win) and a virtual key.
  rows.push_back(smallRow(s, L"hidemod", FIELD(hidemod), 1, RangeRule::Choices, 0, 15));
  rows.push_back(smallRow(s, L"hidekey", FIELD(hidekey), 27, RangeRule::Choices, 1, 254));
  return rows;
}

#undef FIELD

}  // namespace

const std::vector<const wchar_t*>& settingsSections() {
  static const std::vector<const wchar_t*> sections = {
      L"[Vistelo]", L"[Portable]", L"[Tweak]", L"[Tweak Transitions]", L"[Slideshow]", L"[Folder]", L"[Formats]",
      L"[Errors]", L"[Catalog]", L"[Catalog Position]", L"[Image]", L"[Transitions]", L"[Window]", L"[Position]",
      L"[Presets]", L"[Shell]", L"[Settings]", L"[Menu]", L"[Hotkeys]"};
  return sections;
}

const std::vector<SettingSpec>& settingsSchema() {
  static const std::vector<SettingSpec> schema = buildSchema();
  return schema;
}

Settings::Settings() {
  for (const SettingSpec& row : settingsSchema()) {
    if (row.field == nullptr) continue;
    void* target = row.field(*this);
    switch (row.kind) {
      case SettingKind::Switch:
        *static_cast<bool*>(target) = row.defaultNumber != 0;
        break;
      case SettingKind::Small:
      case SettingKind::Number:
        *static_cast<std::int32_t*>(target) = row.defaultNumber;
        break;
      case SettingKind::Text: {
        auto* text = static_cast<wchar_t*>(target);
        std::size_t n = 0;
        for (; row.defaultText[n] != 0 && n + 1 < row.capacity; ++n) text[n] = row.defaultText[n];
        text[n] = 0;
        break;
      }
      case SettingKind::Comment:
        break;
    }
  }
}

void keepSettingsInRange(Settings& settings) {
  for (const SettingSpec& row : settingsSchema()) {
    if (row.kind != SettingKind::Small && row.kind != SettingKind::Number) continue;
    auto* value = static_cast<std::int32_t*>(row.field(settings));
    if (row.rule == RangeRule::Clamp) {
      if (*value < row.low) *value = row.low;
      if (*value > row.high) *value = row.high;
    } else if (row.rule == RangeRule::Choices && (*value < row.low || *value > row.high)) {
      *value = row.defaultNumber;
    }
  }
}

}  // namespace vistelo
