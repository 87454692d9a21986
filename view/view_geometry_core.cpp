#include "view/view_geometry_core.h"

#include <limits>

namespace vistelo {
namespace {

using Wide = std::int64_t;

constexpr Wide kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr Wide kMax32 = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate(Wide v) {
  return static_cast<std::int32_t>(v < kMin32 ? kMin32 : (v > kMax32 ? kMax32 : v));
}

// A drawn side: at least one pixel, at most what 32 bits hold. Keeping every stage
// inside 1..2^31-1 keeps the next stage's products inside 64 bits and its divisors
// nonzero.
Wide side(Wide v) { return v < 1 ? 1 : (v > kMax32 ? kMax32 : v); }

// `to` scaled by num / den, truncated: the other side at the same aspect. The exact
// quotient, where a floating ratio could land just below a whole number.
Wide scaled(Wide to, Wide num, Wide den) { return to * num / den; }

struct Sides {
  Wide w;
  Wide h;
};

// Enlarges to cover the area unless it already does.
Sides stretchStage(Sides s, Wide areaW, Wide areaH) {
  if (s.w >= areaW && s.h >= areaH) return s;
  Sides r{scaled(areaH, s.w, s.h), areaH};
  if (r.w < areaW) r = {areaW, scaled(areaW, s.h, s.w)};
  return {side(r.w), side(r.h)};
}

// Shrinks to fit inside the area.
Sides squeezeStage(Sides s, Wide areaW, Wide areaH) {
  Sides r = s;
  if (r.h > areaH) r = {scaled(areaH, s.w, s.h), areaH};
  if (r.w > areaW) r = {areaW, scaled(areaW, s.h, s.w)};
  return {side(r.w), side(r.h)};
}

// Shrinks a picture larger in both directions to the smallest size still covering.
Sides shrinkStage(Sides s, Wide areaW, Wide areaH) {
  if (!(s.w > areaW && s.h > areaH)) return s;
  Sides r{scaled(areaH, s.w, s.h), areaH};
  if (r.w < areaW) r = {areaW, scaled(areaW, s.h, s.w)};
  return {side(r.w), side(r.h)};
}

// rand() mod span for a positive span; a source giving negative numbers still lands
// inside 0..span-1.
Wide draw(RandomSource random, Wide span) {
  if (random == nullptr) return 0;
  const Wide v = random() % span;
  return v < 0 ? v + span : v;
}

}  // namespace

Size32 sizeOf(const Rect32& r) {
  return {saturate(Wide{r.right} - r.left), saturate(Wide{r.bottom} - r.top)};
}

DrawnSize fitSize(Size32 image, const Rect32& area, std::int32_t zoom, FitModes modes) {
  const Size32 room = sizeOf(area);
  if (image.width <= 0 || image.height <= 0 || room.width <= 0 || room.height <= 0) {
    return {0, 0, zoom > 0 ? zoom : 0};
  }
  Sides s{image.width, image.height};
  if (zoom > 0) {
    s = {side(scaled(zoom, s.w, 100)), side(scaled(zoom, s.h, 100))};
    return {saturate(s.w), saturate(s.h), zoom};
  }
  if (modes.stretch) s = stretchStage(s, room.width, room.height);
  if (modes.squeeze) {
    s = squeezeStage(s, room.width, room.height);
  } else if (modes.shrink) {
    s = shrinkStage(s, room.width, room.height);
  }
  return {saturate(s.w), saturate(s.h), saturate(scaled(s.w, 100, image.width))};
}

Point32 placePicture(std::int32_t layout, Size32 area, Size32 drawn, bool allowNegative,
                     RandomSource random) {
  const Wide dx = Wide{area.width} - drawn.width;
  const Wide dy = Wide{area.height} - drawn.height;
  Wide x = 0;
  Wide y = 0;
  switch (layout) {
    case kLayoutCentered:
      x = dx / 2;
      y = dy / 2;
      break;
    case kLayoutTopRight:
      x = dx;
      break;
    case kLayoutBottomLeft:
      y = dy;
      break;
    case kLayoutBottomRight:
      x = dx;
      y = dy;
      break;
    case kLayoutRoaming:
      if (dx > 0) x = draw(random, dx);
      if (dy > 0) y = draw(random, dy);
      break;
    default:
      break;
  }
  if (!allowNegative) {
    if (x < 0) x = 0;
    if (y < 0) y = 0;
  }
  return {saturate(x), saturate(y)};
}

DrawRect layoutPicture(Size32 image, const Rect32& area, std::int32_t zoom, FitModes modes,
                       std::int32_t layout, bool allowNegative, RandomSource random) {
  const DrawnSize size = fitSize(image, area, zoom, modes);
  if (size.blank()) return {0, 0, 0, 0, size.zoom};
  const Point32 at = placePicture(layout, sizeOf(area), {size.width, size.height},
                                  allowNegative, random);
  return {at.x, at.y, size.width, size.height, size.zoom};
}

Point32 roamPosition(Size32 window, const Rect32& workArea, RandomSource random) {
  const Size32 room = sizeOf(workArea);
  const Wide dx = Wide{room.width} - window.width;
  const Wide dy = Wide{room.height} - window.height;
  const Wide x = workArea.left + (dx > 0 ? draw(random, dx) : dx / 2);
  const Wide y = workArea.top + (dy > 0 ? draw(random, dy) : dy / 2);
  return {saturate(x), saturate(y)};
}

std::int32_t ZoomState::lockedZoom() const { return zoom > 0 ? zoom : 0; }

void ZoomState::forgetZoom() {
  zoomPercent = 0;
  zoom = 0;
  manualZoom = false;
}

void ZoomState::startPicture() {
  zoomPercent = lockedZoom();
  manualZoom = false;
}

bool ZoomState::zoomIn(bool alt, Size32 image) {
  const Wide step = alt ? 1 : zoomstep;
  if (step <= 0) return false;
  const Wide next = (zoomPercent > 0 ? zoomPercent : 0) + step;
  if (next > kMax32) return false;
  const Wide w = side(scaled(next, image.width > 0 ? image.width : 0, 100));
  const Wide h = side(scaled(next, image.height > 0 ? image.height : 0, 100));
  if (w > kMaxDrawnSide || h > kMaxDrawnSide || w * h > kMaxDrawnPixels) return false;
  zoomPercent = static_cast<std::int32_t>(next);
  manualZoom = true;
  return true;
}

bool ZoomState::zoomOut(bool alt) {
  // Compared as unsigned numbers: a negative step is larger than any zoom.
  if (zoomPercent <= 0) return false;
  if (static_cast<std::uint32_t>(zoomPercent) <= static_cast<std::uint32_t>(zoomstep)) {
    return false;
  }
  const Wide step = alt ? 1 : zoomstep;
  const Wide next = Wide{zoomPercent} - step;
  if (step <= 0 || next < 1) return false;
  zoomPercent = static_cast<std::int32_t>(next);
  manualZoom = true;
  return true;
}

bool ZoomState::toggleActualSize() {
  if (zoomPercent == 100) {
    zoomPercent = lockedZoom();
    manualZoom = false;
  } else {
    zoomPercent = 100;
    manualZoom = true;
  }
  return manualZoom;
}

void ZoomState::lockZoom() {
  manualZoom = false;
  modes = FitModes{};
  zoom = (zoomPercent == 100 || zoomPercent <= 0) ? 0 : zoomPercent;
}

void ZoomState::toggleSqueeze() {
  modes.squeeze = !modes.squeeze;
  forgetZoom();
}

void ZoomState::toggleShrink() {
  modes.shrink = !modes.shrink;
  forgetZoom();
}

void ZoomState::toggleStretch() {
  modes.stretch = !modes.stretch;
  forgetZoom();
}

}  // namespace vistelo
