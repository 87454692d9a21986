#include "view/view_geometry_core.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vistelo {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

constexpr FitModes kNone{false, false, false};
constexpr FitModes kSqueeze{true, false, false};
constexpr FitModes kShrink{false, true, false};
constexpr FitModes kStretch{false, false, true};
constexpr FitModes kSqueezeShrink{true, true, false};
constexpr FitModes kSqueezeStretch{true, false, true};
constexpr FitModes kShrinkStretch{false, true, true};
constexpr FitModes kAll{true, true, true};

constexpr Rect32 kLandscape{0, 0, 1000, 800};
constexpr Rect32 kPortrait{0, 0, 600, 900};

// A scripted rand(): the same rolls in the same order every time it is reset.
int gRolls = 0;
int scriptedRandom() {
  static const int kValues[] = {12345, 678, 9};
  return kValues[gRolls++ % 3];
}

struct FitCase {
  const char* name;
  Size32 image;
  Rect32 area;
  std::int32_t zoom;
  FitModes modes;
  std::int32_t width;
  std::int32_t height;
  std::int32_t resultZoom;
};

class FitSizeTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitSizeTest, SizesPicture) {
  const FitCase& c = GetParam();
  const DrawnSize s = fitSize(c.image, c.area, c.zoom, c.modes);
  EXPECT_EQ(s.width, c.width);
  EXPECT_EQ(s.height, c.height);
  EXPECT_EQ(s.zoom, c.resultZoom);
  EXPECT_FALSE(s.blank());
}

INSTANTIATE_TEST_SUITE_P(
    Fit, FitSizeTest,
    ::testing::Values(
        // Pictures larger than, smaller than and equal to a landscape area.
        FitCase{"none_keeps_large", {4000, 3000}, kLandscape, 0, kNone, 4000, 3000, 100},
        FitCase{"none_keeps_small", {300, 200}, kLandscape, 0, kNone, 300, 200, 100},
        FitCase{"squeeze_large", {4000, 3000}, kLandscape, 0, kSqueeze, 1000, 750, 25},
        FitCase{"squeeze_large_portrait", {3000, 4000}, kLandscape, 0, kSqueeze, 600, 800, 20},
        FitCase{"squeeze_panorama_both_steps", {5000, 1000}, kLandscape, 0, kSqueeze, 1000, 200,
                20},
        FitCase{"squeeze_small_unchanged", {300, 200}, kLandscape, 0, kSqueeze, 300, 200, 100},
        FitCase{"squeeze_equal_unchanged", {1000, 800}, kLandscape, 0, kSqueeze, 1000, 800, 100},
        FitCase{"shrink_covers_height_fitted", {4000, 3000}, kLandscape, 0, kShrink, 1066, 800,
                26},
        FitCase{"shrink_covers_width_fitted", {3000, 4000}, kLandscape, 0, kShrink, 1000, 1333,
                33},
        FitCase{"shrink_needs_both_directions", {2000, 500}, kLandscape, 0, kShrink, 2000, 500,
                100},
        FitCase{"shrink_small_unchanged", {300, 200}, kLandscape, 0, kShrink, 300, 200, 100},
        FitCase{"shrink_equal_unchanged", {1000, 800}, kLandscape, 0, kShrink, 1000, 800, 100},
        FitCase{"squeeze_wins_over_shrink", {4000, 3000}, kLandscape, 0, kSqueezeShrink, 1000,
                750, 25},
        FitCase{"stretch_small_height_fitted", {300, 200}, kLandscape, 0, kStretch, 1200, 800,
                400},
        FitCase{"stretch_small_portrait_width_fitted", {300, 600}, kLandscape, 0, kStretch, 1000,
                2000, 333},
        FitCase{"stretch_covering_one_way_only", {2000, 500}, kLandscape, 0, kStretch, 3200, 800,
                160},
        FitCase{"stretch_large_unchanged", {4000, 3000}, kLandscape, 0, kStretch, 4000, 3000,
                100},
        FitCase{"stretch_equal_unchanged", {1000, 800}, kLandscape, 0, kStretch, 1000, 800, 100},
        FitCase{"stretch_then_squeeze", {300, 200}, kLandscape, 0, kSqueezeStretch, 1000, 666,
                333},
        FitCase{"stretch_then_squeeze_portrait", {300, 600}, kLandscape, 0, kSqueezeStretch, 400,
                800, 133},
        FitCase{"stretch_then_shrink_keeps_cover", {300, 200}, kLandscape, 0, kShrinkStretch,
                1200, 800, 400},
        FitCase{"stretch_then_shrink_large", {4000, 3000}, kLandscape, 0, kShrinkStretch, 1066,
                800, 26},
        FitCase{"all_modes_small", {300, 200}, kLandscape, 0, kAll, 1000, 666, 333},
        FitCase{"all_modes_large", {4000, 3000}, kLandscape, 0, kAll, 1000, 750, 25},
        FitCase{"all_modes_equal", {1000, 800}, kLandscape, 0, kAll, 1000, 800, 100},
        // A portrait area.
        FitCase{"portrait_area_squeeze", {1200, 900}, kPortrait, 0, kSqueeze, 600, 450, 50},
        FitCase{"portrait_area_shrink_one_way", {1200, 900}, kPortrait, 0, kShrink, 1200, 900,
                100},
        FitCase{"portrait_area_shrink", {2400, 1800}, kPortrait, 0, kShrink, 1200, 900, 50},
        FitCase{"portrait_area_stretch", {200, 100}, kPortrait, 0, kStretch, 1800, 900, 900},
        // Only the area's size counts, not where it is.
        FitCase{"offset_area", {4000, 3000}, {100, 50, 1100, 850}, 0, kSqueeze, 1000, 750, 25},
        // A zoom skips the fit modes.
        FitCase{"zoom_skips_squeeze", {4000, 3000}, kLandscape, 50, kSqueeze, 2000, 1500, 50},
        FitCase{"zoom_enlarges", {300, 200}, kLandscape, 250, kAll, 750, 500, 250},
        FitCase{"zoom_truncates", {333, 201}, kLandscape, 50, kNone, 166, 100, 50},
        FitCase{"zoom_keeps_one_pixel", {50, 1}, kLandscape, 1, kNone, 1, 1, 1},
        FitCase{"negative_zoom_is_no_lock", {4000, 3000}, kLandscape, -50, kSqueeze, 1000, 750,
                25},
        FitCase{"negative_zoom_natural_size", {4000, 3000}, kLandscape, -50, kNone, 4000, 3000,
                100},
        FitCase{"huge_zoom_saturates", {4000, 3000}, kLandscape, kMax, kNone, kMax, kMax, kMax},
        // Degenerate pictures.
        FitCase{"dot_squeeze", {1, 1}, kLandscape, 0, kSqueeze, 1, 1, 100},
        FitCase{"dot_stretch", {1, 1}, kLandscape, 0, kStretch, 1000, 1000, 100000},
        FitCase{"dot_stretch_squeeze", {1, 1}, kLandscape, 0, kSqueezeStretch, 800, 800, 80000},
        FitCase{"thin_tall_squeeze_keeps_a_column", {1, 5000}, kLandscape, 0, kSqueeze, 1, 800,
                100},
        FitCase{"thin_tall_stretch", {1, 5000}, kLandscape, 0, kStretch, 1000, 5000000, 100000},
        FitCase{"thin_tall_shrink", {1, 5000}, kLandscape, 0, kShrink, 1, 5000, 100},
        FitCase{"wide_flat_squeeze_keeps_a_row", {100000, 1}, kLandscape, 0, kSqueeze, 1000, 1,
                1},
        FitCase{"wide_flat_stretch", {100000, 1}, kLandscape, 0, kStretch, 80000000, 800, 80000},
        FitCase{"wide_flat_stretch_squeeze", {100000, 1}, kLandscape, 0, kSqueezeStretch, 1000,
                1, 1},
        FitCase{"extreme_stretch_saturates", {1, kMax}, {0, 0, kMax, 1}, 0, kStretch, kMax, kMax,
                kMax}),
    [](const ::testing::TestParamInfo<FitCase>& p) { return std::string(p.param.name); });

struct BlankCase {
  const char* name;
  Size32 image;
  Rect32 area;
  std::int32_t zoom;
  std::int32_t resultZoom;
};

class FitBlankTest : public ::testing::TestWithParam<BlankCase> {};

TEST_P(FitBlankTest, PaintsBackgroundOnly) {
  const BlankCase& c = GetParam();
  EXPECT_TRUE(fitSize(c.image, c.area, c.zoom, kAll).blank());
  EXPECT_TRUE(fitSize(c.image, c.area, c.zoom, kNone).blank());
  EXPECT_EQ(fitSize(c.image, c.area, c.zoom, kAll).zoom, c.resultZoom);
  gRolls = 0;
  const DrawRect r = layoutPicture(c.image, c.area, c.zoom, kAll, kLayoutRoaming, false,
                                   scriptedRandom);
  EXPECT_TRUE(r.blank());
  EXPECT_EQ(r.zoom, c.resultZoom);
  EXPECT_EQ(gRolls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fit, FitBlankTest,
    ::testing::Values(BlankCase{"zero_width_area", {300, 200}, {0, 0, 0, 800}, 0, 0},
                      BlankCase{"zero_height_area", {300, 200}, {0, 0, 1000, 0}, 0, 0},
                      BlankCase{"negative_width_area", {300, 200}, {100, 0, 50, 800}, 0, 0},
                      BlankCase{"negative_height_area", {300, 200}, {0, 0, 1000, -5}, 0, 0},
                      BlankCase{"no_room_keeps_zoom", {300, 200}, {0, 0, 0, 0}, 50, 50},
                      BlankCase{"no_room_negative_zoom", {300, 200}, {0, 0, 0, 0}, -50, 0},
                      BlankCase{"no_picture", {0, 0}, kLandscape, 0, 0},
                      BlankCase{"negative_picture", {-3, 200}, kLandscape, 0, 0}),
    [](const ::testing::TestParamInfo<BlankCase>& p) { return std::string(p.param.name); });

struct PlaceCase {
  const char* name;
  std::int32_t layout;
  Size32 drawn;
  bool allowNegative;
  Point32 at;
};

class LayoutPlacementTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(LayoutPlacementTest, PlacesInArea) {
  const PlaceCase& c = GetParam();
  gRolls = 0;
  EXPECT_EQ(placePicture(c.layout, {1000, 800}, c.drawn, c.allowNegative, scriptedRandom), c.at);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, LayoutPlacementTest,
    ::testing::Values(
        PlaceCase{"centered", kLayoutCentered, {300, 200}, false, {350, 300}},
        PlaceCase{"centered_odd_truncates", kLayoutCentered, {301, 201}, false, {349, 299}},
        PlaceCase{"centered_oversized_clamped", kLayoutCentered, {1066, 800}, false, {0, 0}},
        PlaceCase{"centered_oversized_negative", kLayoutCentered, {1066, 800}, true, {-33, 0}},
        PlaceCase{"centered_negative_truncates_toward_zero", kLayoutCentered, {1067, 801}, true,
                  {-33, 0}},
        PlaceCase{"top_left", kLayoutTopLeft, {300, 200}, false, {0, 0}},
        PlaceCase{"top_left_oversized", kLayoutTopLeft, {1200, 900}, true, {0, 0}},
        PlaceCase{"top_right", kLayoutTopRight, {300, 200}, false, {700, 0}},
        PlaceCase{"top_right_oversized_clamped", kLayoutTopRight, {1200, 900}, false, {0, 0}},
        PlaceCase{"top_right_oversized_negative", kLayoutTopRight, {1200, 900}, true, {-200, 0}},
        PlaceCase{"bottom_left", kLayoutBottomLeft, {300, 200}, false, {0, 600}},
        PlaceCase{"bottom_left_oversized_negative", kLayoutBottomLeft, {1200, 900}, true,
                  {0, -100}},
        PlaceCase{"bottom_right", kLayoutBottomRight, {300, 200}, false, {700, 600}},
        PlaceCase{"bottom_right_oversized_clamped", kLayoutBottomRight, {1200, 900}, false,
                  {0, 0}},
        PlaceCase{"bottom_right_oversized_negative", kLayoutBottomRight, {1200, 900}, true,
                  {-200, -100}},
        // 12345 mod 700 = 445, then 678 mod 600 = 78.
        PlaceCase{"roaming_x_then_y", kLayoutRoaming, {300, 200}, false, {445, 78}},
        // No roll for x when the picture is as wide as the area: y gets 12345 mod 600.
        PlaceCase{"roaming_full_width_at_zero", kLayoutRoaming, {1000, 200}, false, {0, 345}},
        PlaceCase{"roaming_wider_at_zero", kLayoutRoaming, {1200, 200}, true, {0, 345}},
        PlaceCase{"roaming_oversized_at_origin", kLayoutRoaming, {1200, 900}, true, {0, 0}},
        PlaceCase{"unknown_layout", 6, {300, 200}, false, {0, 0}},
        PlaceCase{"negative_layout", -1, {300, 200}, true, {0, 0}}),
    [](const ::testing::TestParamInfo<PlaceCase>& p) { return std::string(p.param.name); });

TEST(LayoutPlacementTest, RoamingWithoutRandomSourceStaysAtOrigin) {
  // The window region of Crop uses this for Top Left and Roaming alike.
  EXPECT_EQ(placePicture(kLayoutRoaming, {1000, 800}, {300, 200}, true, nullptr), (Point32{0, 0}));
}

TEST(LayoutPictureTest, ShrunkPictureCentredIsClampedUnlessNegativeAllowed) {
  const Rect32 area{100, 50, 1100, 850};
  const DrawRect clamped =
      layoutPicture({4000, 3000}, area, 0, kShrink, kLayoutCentered, false, nullptr);
  EXPECT_EQ(clamped.x, 0);
  EXPECT_EQ(clamped.y, 0);
  EXPECT_EQ(clamped.width, 1066);
  EXPECT_EQ(clamped.height, 800);
  EXPECT_EQ(clamped.zoom, 26);
  // Relative to the target's origin: the area's left and top do not move it.
  const DrawRect free = layoutPicture({4000, 3000}, area, 0, kShrink, kLayoutCentered, true,
                                      nullptr);
  EXPECT_EQ(free.x, -33);
  EXPECT_EQ(free.y, 0);
}

TEST(LayoutPictureTest, SmallPictureBottomRightInOffsetArea) {
  const DrawRect r = layoutPicture({300, 200}, {100, 50, 1100, 850}, 0, kSqueeze,
                                   kLayoutBottomRight, false, nullptr);
  EXPECT_EQ(r.x, 700);
  EXPECT_EQ(r.y, 600);
}

struct RoamCase {
  const char* name;
  Size32 window;
  Point32 at;
};

class RoamPositionTest : public ::testing::TestWithParam<RoamCase> {};

TEST_P(RoamPositionTest, PlacesWindowInWorkArea) {
  const RoamCase& c = GetParam();
  gRolls = 0;
  EXPECT_EQ(roamPosition(c.window, {100, 50, 1100, 850}, scriptedRandom), c.at);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, RoamPositionTest,
    ::testing::Values(RoamCase{"fits_random_from_corner", {300, 200}, {545, 128}},
                      RoamCase{"full_width_centred_no_roll", {1000, 200}, {100, 395}},
                      RoamCase{"oversized_centred_over_edges", {1200, 900}, {0, 0}},
                      RoamCase{"oversized_odd_truncates", {1201, 901}, {0, 0}},
                      RoamCase{"much_wider", {1400, 200}, {-100, 395}}),
    [](const ::testing::TestParamInfo<RoamCase>& p) { return std::string(p.param.name); });

enum class ZoomCommand { In, InAlt, Out, OutAlt, ActualSize, Lock, StartPicture };

struct ZoomCase {
  const char* name;
  ZoomState before;
  ZoomCommand command;
  Size32 image;
  bool changed;
  std::int32_t zoomPercent;
  std::int32_t zoom;
  bool manualZoom;
};

bool run(ZoomState& z, ZoomCommand command, Size32 image) {
  switch (command) {
    case ZoomCommand::In:
      return z.zoomIn(false, image);
    case ZoomCommand::InAlt:
      return z.zoomIn(true, image);
    case ZoomCommand::Out:
      return z.zoomOut(false);
    case ZoomCommand::OutAlt:
      return z.zoomOut(true);
    case ZoomCommand::ActualSize:
      return z.toggleActualSize();
    case ZoomCommand::Lock:
      z.lockZoom();
      return true;
    case ZoomCommand::StartPicture:
      z.startPicture();
      return true;
  }
  return false;
}

ZoomState state(std::int32_t zoomPercent, std::int32_t zoom, std::int32_t step, bool manual) {
  ZoomState z;
  z.zoomPercent = zoomPercent;
  z.zoom = zoom;
  z.zoomstep = step;
  z.manualZoom = manual;
  return z;
}

class ZoomCommandTest : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomCommandTest, ChangesZoom) {
  const ZoomCase& c = GetParam();
  ZoomState z = c.before;
  EXPECT_EQ(run(z, c.command, c.image), c.changed);
  EXPECT_EQ(z.zoomPercent, c.zoomPercent);
  EXPECT_EQ(z.zoom, c.zoom);
  EXPECT_EQ(z.manualZoom, c.manualZoom);
  EXPECT_EQ(z.zoomstep, c.before.zoomstep);
}

constexpr Size32 kPhoto{4000, 3000};

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomCommandTest,
    ::testing::Values(
        ZoomCase{"in_adds_step", state(25, 0, 10, false), ZoomCommand::In, {300, 200}, true, 35,
                 0, true},
        ZoomCase{"in_alt_adds_one", state(25, 0, 10, false), ZoomCommand::InAlt, {300, 200},
                 true, 26, 0, true},
        ZoomCase{"in_from_underived", state(0, 0, 10, false), ZoomCommand::In, {300, 200}, true,
                 10, 0, true},
        ZoomCase{"in_zero_step_refused", state(25, 0, 0, false), ZoomCommand::In, {300, 200},
                 false, 25, 0, false},
        ZoomCase{"in_negative_step_refused", state(25, 0, -10, false), ZoomCommand::In,
                 {300, 200}, false, 25, 0, false},
        ZoomCase{"in_alt_ignores_negative_step", state(25, 0, -10, false), ZoomCommand::InAlt,
                 {300, 200}, true, 26, 0, true},
        ZoomCase{"in_side_at_cap", state(90, 0, 10, false), ZoomCommand::In, {16384, 1}, true,
                 100, 0, true},
        ZoomCase{"in_side_over_cap", state(91, 0, 10, false), ZoomCommand::In, {16384, 1}, false,
                 91, 0, false},
        ZoomCase{"in_height_over_cap", state(91, 0, 10, false), ZoomCommand::In, {1, 16384},
                 false, 91, 0, false},
        ZoomCase{"in_pixels_at_cap", state(90, 0, 10, false), ZoomCommand::In, {8192, 8192},
                 true, 100, 0, true},
        ZoomCase{"in_pixels_over_cap_refused", state(91, 0, 10, true), ZoomCommand::In,
                 {8192, 8192}, false, 91, 0, true},
        ZoomCase{"in_photo_refused_near_cap", state(399, 0, 10, false), ZoomCommand::In, kPhoto,
                 false, 399, 0, false},
        ZoomCase{"in_wide_flat_below_cap", state(6, 0, 10, false), ZoomCommand::In,
                 {100000, 1}, true, 16, 0, true},
        ZoomCase{"in_wide_flat_over_cap", state(7, 0, 10, false), ZoomCommand::In, {100000, 1},
                 false, 7, 0, false},
        ZoomCase{"in_thin_tall_over_cap", state(320, 0, 10, false), ZoomCommand::In, {1, 5000},
                 false, 320, 0, false},
        ZoomCase{"in_dot_huge_zoom_refused", state(kMax - 5, 0, 10, false), ZoomCommand::In,
                 {1, 1}, false, kMax - 5, 0, false},
        ZoomCase{"out_subtracts_step", state(50, 0, 10, false), ZoomCommand::Out, {}, true, 40, 0,
                 true},
        ZoomCase{"out_alt_subtracts_one", state(50, 0, 10, false), ZoomCommand::OutAlt, {}, true,
                 49, 0, true},
        ZoomCase{"out_at_step_stays", state(10, 0, 10, false), ZoomCommand::Out, {}, false, 10, 0,
                 false},
        ZoomCase{"out_alt_at_step_stays", state(10, 0, 10, false), ZoomCommand::OutAlt, {}, false,
                 10, 0, false},
        ZoomCase{"out_just_above_step", state(11, 0, 10, false), ZoomCommand::Out, {}, true, 1, 0,
                 true},
        ZoomCase{"out_alt_just_above_step", state(11, 0, 10, false), ZoomCommand::OutAlt, {},
                 true, 10, 0, true},
        ZoomCase{"out_below_step_stays", state(5, 0, 10, false), ZoomCommand::Out, {}, false, 5,
                 0, false},
        ZoomCase{"out_negative_step_never", state(50, 0, -10, false), ZoomCommand::OutAlt, {},
                 false, 50, 0, false},
        ZoomCase{"out_negative_zoom_stays", state(-50, 0, 10, false), ZoomCommand::Out, {},
                 false, -50, 0, false},
        ZoomCase{"out_zero_step_alt_keeps_positive", state(1, 0, 0, false), ZoomCommand::OutAlt,
                 {}, false, 1, 0, false},
        ZoomCase{"out_zero_step_alt", state(50, 0, 0, false), ZoomCommand::OutAlt, {}, true, 49,
                 0, true},
        ZoomCase{"actual_size_sets_100", state(25, 0, 10, false), ZoomCommand::ActualSize, {},
                 true, 100, 0, true},
        ZoomCase{"actual_size_back_to_lock", state(100, 30, 10, true), ZoomCommand::ActualSize,
                 {}, false, 30, 30, false},
        ZoomCase{"actual_size_back_to_fit", state(100, 0, 10, true), ZoomCommand::ActualSize, {},
                 false, 0, 0, false},
        ZoomCase{"actual_size_negative_lock_is_none", state(100, -20, 10, true),
                 ZoomCommand::ActualSize, {}, false, 0, -20, false},
        ZoomCase{"lock_current_zoom", state(25, 0, 10, true), ZoomCommand::Lock, {}, true, 25, 25,
                 false},
        ZoomCase{"lock_at_100_clears", state(100, 40, 10, true), ZoomCommand::Lock, {}, true, 100,
                 0, false},
        ZoomCase{"lock_underived_clears", state(0, 40, 10, false), ZoomCommand::Lock, {}, true, 0,
                 0, false},
        ZoomCase{"new_picture_takes_lock", state(70, 30, 10, true), ZoomCommand::StartPicture,
                 {}, true, 30, 30, false},
        ZoomCase{"new_picture_negative_lock", state(70, -30, 10, true),
                 ZoomCommand::StartPicture, {}, true, 0, -30, false}),
    [](const ::testing::TestParamInfo<ZoomCase>& p) { return std::string(p.param.name); });

TEST(ZoomCommandTest, LockTurnsFitModesOff) {
  ZoomState z = state(25, 0, 10, true);
  z.modes = kAll;
  z.lockZoom();
  EXPECT_FALSE(z.modes.squeeze);
  EXPECT_FALSE(z.modes.shrink);
  EXPECT_FALSE(z.modes.stretch);
}

TEST(ZoomCommandTest, LockedZoomSizesNextPicture) {
  ZoomState z = state(25, 0, 10, false);
  z.modes = kSqueeze;
  z.lockZoom();
  z.startPicture();
  const DrawnSize s = fitSize({4000, 3000}, kLandscape, z.zoomPercent, z.modes);
  EXPECT_EQ(s.width, 1000);
  EXPECT_EQ(s.height, 750);
}

struct ToggleCase {
  const char* name;
  void (ZoomState::*toggle)();
  FitModes after;
};

class FitToggleTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(FitToggleTest, TogglesOneModeAndForgetsZoom) {
  const ToggleCase& c = GetParam();
  ZoomState z = state(140, 50, 10, true);
  z.modes = kSqueeze;
  (z.*c.toggle)();
  EXPECT_EQ(z.modes.squeeze, c.after.squeeze);
  EXPECT_EQ(z.modes.shrink, c.after.shrink);
  EXPECT_EQ(z.modes.stretch, c.after.stretch);
  EXPECT_EQ(z.zoomPercent, 0);
  EXPECT_EQ(z.zoom, 0);
  EXPECT_FALSE(z.manualZoom);
}

INSTANTIATE_TEST_SUITE_P(
    Fit, FitToggleTest,
    ::testing::Values(ToggleCase{"squeeze", &ZoomState::toggleSqueeze, kNone},
                      ToggleCase{"shrink", &ZoomState::toggleShrink, kSqueezeShrink},
                      ToggleCase{"stretch", &ZoomState::toggleStretch, kSqueezeStretch}),
    [](const ::testing::TestParamInfo<ToggleCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vistelo
