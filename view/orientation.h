#pragma once
// How a freshly loaded picture is turned: by its EXIF orientation, then by the rotation
// lock. Only the decisions live here; the Win32 layer applies the turns to the image.

#include <cstdint>

namespace vistelo {

// The imaging library's rotate/flip numbers: a clockwise turn of (value & 3) quarters,
// then, with bit 4, a mirror about the vertical axis. The Win32 layer passes them on.
enum class RotateFlip : std::int32_t {
  RotateNoneFlipNone = 0,
  Rotate90FlipNone = 1,
  Rotate180FlipNone = 2,
  Rotate270FlipNone = 3,
  RotateNoneFlipX = 4,
  Rotate90FlipX = 5,
  Rotate180FlipX = 6,
  Rotate270FlipX = 7,
};

// The turn that makes a picture stored with EXIF `orientation` stand upright; none for
// 1 and for any value outside 1..8.
RotateFlip rotateFlipForOrientation(std::int32_t orientation);

// Whether the turn exchanges width and height (the quarter and three-quarter turns).
bool swapsSides(RotateFlip operation);

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;

  PixelSize turned(RotateFlip operation) const;
  bool operator==(const PixelSize& other) const {
    return width == other.width && height == other.height;
  }
};

// What the rotation lock does to one picture.
struct LockTurn {
  RotateFlip operation = RotateFlip::RotateNoneFlipNone;
  std::int32_t appliedRotation = 0;  // degrees the picture counts as turned by the user
};

struct RotationLock {
  std::int32_t rotation = 0;  // degrees; only 90, 180 and 270 turn anything
  bool rotateaspect = true;   // turn only pictures whose shape differs from the area's

  // `picture` is the size after the EXIF turn; `area` the monitor or window rectangle.
  LockTurn turnFor(PixelSize picture, PixelSize area) const;
};

// Both turns for a freshly loaded picture, in the order they are applied.
struct OrientationPlan {
  RotateFlip exifTurn = RotateFlip::RotateNoneFlipNone;
  LockTurn lockTurn;
};

struct OrientationSettings {
  bool exiforient = true;
  RotationLock lock;

  OrientationPlan plan(std::int32_t orientation, PixelSize loaded, PixelSize area) const;
};

}  // namespace vistelo
