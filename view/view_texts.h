#pragma once
// The texts the main window shows about the current picture: the caption, the tray
// tooltip, the status bar parts and the file name of the fullscreen view.
//
// Plain functions over a record of facts that the Win32 side fills in; it only sets the
// texts. Every text is cut to its buffer (never refused), and a cut never leaves half
// of a surrogate pair behind.

#include <cstdint>
#include <string>

#include "config/fixed_text.h"
#include "view/view_geometry_core.h"

namespace vistelo {

// What the slideshow clock shows in the status bar (part[5]).
enum class ClockShow : std::int32_t {
  kOff,       // no slideshow: "\t!"
  kCounting,  // seconds left: "\t2.50"
  kStopped,   // slideshow on but nothing more to show: "\t..."
};

struct ViewTextFacts {
  std::wstring currentPath;   // may be the clipboard pseudo-path
  std::wstring viewedFolder;  // shown while the exhibit is empty
  std::uint32_t currentIndex = 0;
  std::uint32_t count = 0;    // entries in the exhibit; 0 = empty
  bool pictureHeld = false;

  bool title = true;     // file name in the caption
  bool fullname = true;  // whole path rather than the bare name
  bool collage = false;

  std::int32_t zoomPercent = 100;
  std::int32_t zoomLock = 0;  // the `zoom` setting; 0 or below = none
  bool manualZoom = false;
  bool squeeze = false;

  Size32 image;              // pixels of the picture
  std::int32_t bitsPerPixel = 0;
  Size32 drawn;              // the picture as drawn at the current zoom
  std::int32_t overflowX = 0;  // how far `drawn` exceeds the view; 0 when it does not
  std::int32_t overflowY = 0;
  std::int32_t scrollStep = 100;
  std::int32_t collageTileWidth = 0;  // drawn width of the collage's latest tile

  bool fileSizeKnown = false;
  std::uint32_t fileSize = 0;  // low 32 bits of the size on disk

  ClockShow clock = ClockShow::kOff;
  std::int32_t slideRemaining = 0;  // milliseconds left while counting
};

using CaptionText = FixedText<kPathCapacity>;  // 259 characters
using ShortText = FixedText<128>;              // tooltip and status parts: 127 characters

constexpr std::int32_t kStatusPartCount = 7;
// Right edges of parts 0 to 5; the last part reaches the window's edge (-1).
constexpr std::int32_t kStatusPartEdges[kStatusPartCount] = {70, 160, 200, 260, 360, 410, -1};

struct StatusParts {
  ShortText part[kStatusPartCount];
};

// The window caption.
CaptionText captionText(const ViewTextFacts& facts);
// The tray tooltip: the caption, cut to 127 characters.
ShortText tooltipText(const CaptionText& caption);

// All seven parts. Without a picture or with an empty exhibit parts 0 to 4 are empty;
// parts 5 and 6 are always filled.
StatusParts statusParts(const ViewTextFacts& facts);
// part[5] alone, for the slideshow clock that writes it on its own.
ShortText countdownText(ClockShow clock, std::int32_t remainingMs);
// part[6], drawn without borders.
ShortText keyHintText();

// The name drawn in the fullscreen view: always the whole path.
CaptionText screenNameText(const ViewTextFacts& facts);

// Number texts as printf's "%d" and "%.2f" would give them, the latter for an exact
// fraction (rounded to nearest, ties to even) and for milliseconds as seconds (as
// ms / 1000.0 would round, so 1.005 s gives "1.00" but 2.515 s "2.52").
std::wstring decimalText(std::int64_t value);
std::wstring fractionText2(std::uint64_t numerator, std::uint64_t denominator);
std::wstring secondsText2(std::int32_t milliseconds);

}  // namespace vistelo
