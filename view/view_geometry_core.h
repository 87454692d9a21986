#pragma once
// How big the picture is drawn and where: the fit modes, the zoom, the layouts, the
// random window position of Roam, and the arithmetic of the zoom commands.
//
// Everything is computed in 64 bits and saturated back to 32; a drawn width or height is
// never below 1 pixel. A picture with no pixels, or an area with no room (zero or
// negative width or height), gives a `DrawnSize` or `DrawRect` whose `blank()` is true:
// the caller then paints the background only.
//
// A zoom of zero or below is "no zoom lock": the fit modes decide and the zoom that
// comes back is the derived percentage.

#include <cstdint>

#include "config/settings.h"

namespace vistelo {

struct Size32 {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const Size32& o) const { return width == o.width && height == o.height; }
};

struct Point32 {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point32& o) const { return x == o.x && y == o.y; }
};

// Width and height of a rectangle (right minus left, bottom minus top), saturated.
Size32 sizeOf(const Rect32& r);

struct FitModes {
  bool squeeze = false;  // larger than the area: shrink until it fits inside
  bool shrink = false;   // larger in both directions: shrink until it just covers (not with squeeze)
  bool stretch = false;  // does not cover the area: enlarge until it covers
};

struct DrawnSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t zoom = 0;  // percentage to store in `zoomPercent`
  bool blank() const { return width <= 0 || height <= 0; }
};

// Sizes an image of `image` pixels for `area`. A positive `zoom` scales by it and skips
// the fit modes. Otherwise stretch, squeeze and shrink apply in that order and the zoom
// returned is drawn width * 100 / image width. A blank result keeps a positive `zoom`
// and returns 0 otherwise.
DrawnSize fitSize(Size32 image, const Rect32& area, std::int32_t zoom, FitModes modes);

enum Layout : std::int32_t {
  kLayoutCentered = 0,
  kLayoutTopLeft = 1,
  kLayoutTopRight = 2,
  kLayoutBottomLeft = 3,
  kLayoutBottomRight = 4,
  kLayoutRoaming = 5,  // any other value places at (0, 0)
};

// The C runtime's rand() fits; nullptr draws 0 every time.
using RandomSource = int (*)();

// Where a `drawn` picture goes in an `area` of that size, by `layout`. Unless
// `allowNegative`, a negative x or y becomes 0 so that an oversized picture shows its
// top or left part. The window region of Crop is (layout, true, nullptr): roaming then
// falls back to (0, 0) like Top Left.
Point32 placePicture(std::int32_t layout, Size32 area, Size32 drawn, bool allowNegative,
                     RandomSource random);

struct DrawRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t zoom = 0;
  bool blank() const { return width <= 0 || height <= 0; }
};

// fitSize then placePicture; x and y are relative to the drawing target, the area's
// left and top only give its size. A blank size is not placed.
DrawRect layoutPicture(Size32 image, const Rect32& area, std::int32_t zoom, FitModes modes,
                       std::int32_t layout, bool allowNegative, RandomSource random);

// Roam: the top-left corner for a `window` of that size somewhere in `workArea`,
// centred (possibly off its edges) along a direction where the window does not fit.
Point32 roamPosition(Size32 window, const Rect32& workArea, RandomSource random);

// Zoom In stops short of a drawn picture that a 32-bit process could not allocate:
// neither side above kMaxDrawnSide and at most kMaxDrawnPixels 32-bit pixels (256 MiB).
constexpr std::int64_t kMaxDrawnSide = 16384;
constexpr std::int64_t kMaxDrawnPixels = 64 * 1024 * 1024;

// The zoom and fit state of the view and what the zoom and fit commands do to it.
// Zoom In and Zoom Out return whether they changed the zoom (nothing to refresh when
// not); ignoring the commands while Collage is on, the clock and the refresh are the
// caller's.
struct ZoomState {
  std::int32_t zoomPercent = 0;  // current zoom; 0 = derive from the fit modes
  std::int32_t zoom = 0;         // the zoom lock every new picture starts with; 0 = none
  std::int32_t zoomstep = 10;    // percentage points per Zoom In / Zoom Out
  bool manualZoom = false;       // set by Zoom In, Zoom Out and 100%
  FitModes modes{true, true, false};

  // A new picture: back to the lock, not manual.
  void startPicture();
  // Adds zoomstep (1 with Alt). Refused, leaving everything as it was, when the step
  // is not positive or the picture of `image` pixels would outgrow the drawing cap.
  bool zoomIn(bool alt, Size32 image);
  // Subtracts zoomstep (1 with Alt), only while zoomPercent is above zoomstep and the
  // result stays positive.
  bool zoomOut(bool alt);
  // 100%: at 100 back to the lock, not manual; otherwise 100, manual. Always refreshes;
  // the result says whether the zoom is now manual (the clock restarts then).
  bool toggleActualSize();
  // Zoom Lock: the current zoom becomes the lock (100 means none) and the fit modes go off.
  void lockZoom();
  void toggleSqueeze();
  void toggleShrink();
  void toggleStretch();

 private:
  std::int32_t lockedZoom() const;
  void forgetZoom();
};

}  // namespace vistelo
