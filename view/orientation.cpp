#include "view/orientation.h"

namespace vistelo {

RotateFlip rotateFlipForOrientation(std::int32_t orientation) {
  switch (orientation) {
    case 2: return RotateFlip::RotateNoneFlipX;    // mirrored left to right
    case 3: return RotateFlip::Rotate180FlipNone;  // upside down
    case 4: return RotateFlip::Rotate180FlipX;     // mirrored top to bottom
    case 5: return RotateFlip::Rotate90FlipX;      // transposed
    case 6: return RotateFlip::Rotate90FlipNone;   // lying on its left side
    case 7: return RotateFlip::Rotate270FlipX;     // transversed
    case 8: return RotateFlip::Rotate270FlipNone;  // lying on its right side
    default: return RotateFlip::RotateNoneFlipNone;
  }
}

bool swapsSides(RotateFlip operation) {
  return (static_cast<std::int32_t>(operation) & 1) != 0;
}

PixelSize PixelSize::turned(RotateFlip operation) const {
  return swapsSides(operation) ? PixelSize{height, width} : *this;
}

LockTurn RotationLock::turnFor(PixelSize picture, PixelSize area) const {
  RotateFlip operation;
  switch (rotation) {
    case 90: operation = RotateFlip::Rotate90FlipNone; break;
    case 180: operation = RotateFlip::Rotate180FlipNone; break;
    case 270: operation = RotateFlip::Rotate270FlipNone; break;
    default: return {};
  }
  if (rotateaspect) {
    // Only a picture that already has the area's shape is left alone; a square
    // picture or a square area always turns.
    const bool bothWide = area.width > area.height && picture.height < picture.width;
    const bool bothTall = area.height > area.width && picture.height > picture.width;
    if (bothWide || bothTall) return {};
  }
  return {operation, rotation};
}

OrientationPlan OrientationSettings::plan(std::int32_t orientation, PixelSize loaded,
                                          PixelSize area) const {
  OrientationPlan result;
  if (exiforient) result.exifTurn = rotateFlipForOrientation(orientation);
  // The aspect filter looks at the picture as the EXIF turn left it.
  result.lockTurn = lock.turnFor(loaded.turned(result.exifTurn), area);
  return result;
}

}  // namespace vistelo
