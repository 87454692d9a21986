#pragma once
// Every persistent setting of the program, and the one table that describes them: the
// section and key in "vistelo.ini", the kind, the field, the default and the range the
// value is kept in.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "config/fixed_text.h"

namespace vistelo {

struct Rect32 {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const Rect32& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

constexpr int kTransitionCount = 15;
constexpr int kPresetCount = 5;

struct Settings {
  // [Vistelo]
  FixedText<12> version;
  // [Portable]
  bool savefolder;
  PathText folder;
  PathText favorites;
  PathText archive;
  PathText imageViewer;
  PathText fileManager;
  // [Tweak]
  std::int32_t autorefreshLatency;
  PathText desktop;
  // [Tweak Transitions]
  std::int32_t shutterLatency;
  std::int32_t wipeLatency;
  std::int32_t slideLatency;
  std::int32_t quadrantSlideLatency;
  std::int32_t quadrantWipeLatency;
  std::int32_t dissolveLatency;
  std::int32_t crossfadeLatency;
  // [Slideshow]
  bool slide;
  std::int32_t timer;
  std::int32_t sort;
  std::int32_t sortby;
  bool sortcase;
  std::int32_t layer;
  bool ontop;
  std::int32_t loop;
  bool loopshuffle;
  bool wheelnav;
  bool autoscroll;
  bool quietautoscroll;
  // [Folder]
  bool subfolders;
  bool hidden;
  bool autorefresh;
  std::int32_t autofindtype;
  // [Formats]
  bool bmp;
  bool emf;
  bool gif;
  bool ico;
  bool jpg;
  bool png;
  bool tif;
  // [Errors]
  bool removefail;
  bool logerrors;
  bool loglnkfail;
  // [Catalog]
  std::int32_t thumbsize;
  bool hideViewer;
  bool launch;
  // [Catalog Position]
  Rect32 catalogRect;
  // [Image]
  bool wrap;
  bool crop;
  bool squeeze;
  bool shrink;
  bool stretch;
  std::int32_t zoom;
  std::int32_t zoomstep;
  std::int32_t zoomquality;
  std::int32_t rotation;
  bool rotateaspect;
  bool exiforient;
  std::int32_t layout;
  bool collage;
  std::int32_t collagesize;
  // [Transitions]: key n + 1 mirrors whether transition n is in the enabled list.
  bool transitions;
  bool transitionEnabled[kTransitionCount];
  bool overlap;
  // [Window]
  bool title;
  bool fullname;
  bool statusbar;
  bool trayicon;
  bool decorate;
  std::int32_t bgcolor;
  bool autocenter;
  bool roamwindow;
  bool corral;
  bool draggable;
  bool singleinstance;
  bool fullscreenname;
  bool fullscreencursor;
  std::int32_t fullscreenlayout;
  bool projector;
  // [Position]
  Rect32 windowRect;
  // [Presets]
  Rect32 presets[kPresetCount];
  // [Shell]
  bool confirmdelete;
  bool archivelog;
  bool confirmarchive;
  // [Settings]
  bool savesettings;
  bool markexit;
  std::int32_t bookmark;
  // [Menu]
  bool atCursor;
  // [Hotkeys]
  std::int32_t hidemod;
  std::int32_t hidekey;

  Settings();  // every setting at its default
};

enum class SettingKind {
  Switch,   // "TRUE"/"FALSE"
  Small,    // 16-bit signed in the file
  Number,   // 32-bit signed in the file
  Text,     // wide text
  Comment,  // a fixed line written with its key; never read
};

// What is done with a number read from the file that lies outside [low, high].
enum class RangeRule {
  Any,       // any value is meaningful (values that mean nothing simply do nothing)
  Clamp,     // a size, delay, count or coordinate: kept within the range
  Choices,   // one of a set of choices numbered low..high: anything else is the default
};

struct SettingSpec {
  const wchar_t* section;  // the section's header line
  const wchar_t* key;
  SettingKind kind;
  void* (*field)(Settings&);  // null for comment rows
  std::size_t capacity;       // text buffers: size in wchar_t
  std::int32_t defaultNumber; // switches: 0 or 1
  const wchar_t* defaultText; // text and comment rows
  RangeRule rule;
  std::int32_t low;
  std::int32_t high;
};

// The nineteen sections in file order; each is read and written in this order.
const std::vector<const wchar_t*>& settingsSections();

// Every row of the settings file, in file order.
const std::vector<SettingSpec>& settingsSchema();

// Applies each row's range rule, so that no value read from a file or given on the
// command line can hang, crash or exhaust memory.
void keepSettingsInRange(Settings& settings);

}  // namespace vistelo
