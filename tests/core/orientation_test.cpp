#include "view/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace vistelo {
namespace {

using Matrix = std::vector<std::vector<int>>;

// The upright picture: two rows of three distinct values.
const Matrix kUpright = {{1, 2, 3}, {4, 5, 6}};

// Where the stored picture's first row and first column belong on screen, for each
// EXIF orientation 1..8, as the EXIF standard defines them.
enum Side { Top, Bottom, Left, Right };
struct Placement {
  Side firstRow;
  Side firstColumn;
};
const Placement kPlacements[9] = {{Top, Left},     {Top, Left},    {Top, Right},
                                  {Bottom, Right}, {Bottom, Left}, {Left, Top},
                                  {Right, Top},    {Right, Bottom}, {Left, Bottom}};

// The pixels as a camera of the given orientation stores the upright picture.
Matrix stored(std::int32_t orientation) {
  const Placement at = kPlacements[orientation];
  const std::size_t h = kUpright.size();
  const std::size_t w = kUpright[0].size();
  if (at.firstRow == Top || at.firstRow == Bottom) {
    Matrix m(h, std::vector<int>(w));
    for (std::size_t r = 0; r < h; ++r)
      for (std::size_t c = 0; c < w; ++c)
        m[r][c] = kUpright[at.firstRow == Top ? r : h - 1 - r]
                          [at.firstColumn == Left ? c : w - 1 - c];
    return m;
  }
  // Stored rows run along the screen's columns and stored columns along its rows.
  Matrix m(w, std::vector<int>(h));
  for (std::size_t r = 0; r < w; ++r)
    for (std::size_t c = 0; c < h; ++c)
      m[r][c] = kUpright[at.firstColumn == Top ? c : h - 1 - c]
                        [at.firstRow == Left ? r : w - 1 - r];
  return m;
}

Matrix rotateClockwise(const Matrix& m) {
  const std::size_t h = m.size();
  const std::size_t w = m[0].size();
  Matrix out(w, std::vector<int>(h));
  for (std::size_t r = 0; r < h; ++r)
    for (std::size_t c = 0; c < w; ++c) out[c][h - 1 - r] = m[r][c];
  return out;
}

Matrix mirrorX(const Matrix& m) {
  Matrix out = m;
  for (auto& row : out) std::reverse(row.begin(), row.end());
  return out;
}

// The imaging library's meaning of the numbers: clockwise quarter turns, then mirror.
Matrix apply(RotateFlip operation, Matrix m) {
  const auto value = static_cast<std::int32_t>(operation);
  for (std::int32_t i = 0; i < (value & 3); ++i) m = rotateClockwise(m);
  return (value & 4) != 0 ? mirrorX(m) : m;
}

PixelSize sizeOf(const Matrix& m) {
  return {static_cast<std::int32_t>(m[0].size()), static_cast<std::int32_t>(m.size())};
}

class OrientationUprightTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(OrientationUprightTest, TurnStandsStoredPictureUpright) {
  const std::int32_t orientation = GetParam();
  const Matrix picture = stored(orientation);
  const RotateFlip turn = rotateFlipForOrientation(orientation);
  EXPECT_EQ(apply(turn, picture), kUpright);
  EXPECT_EQ(sizeOf(picture).turned(turn), sizeOf(kUpright));
  EXPECT_EQ(swapsSides(turn), sizeOf(picture).width != sizeOf(kUpright).width);
}

INSTANTIATE_TEST_SUITE_P(Orientation, OrientationUprightTest, ::testing::Range(1, 9),
                         [](const ::testing::TestParamInfo<std::int32_t>& p) {
                           return "orientation_" + std::to_string(p.param);
                         });

TEST(OrientationTest, ValuesOutsideTheTableTurnNothing) {
  for (const std::int32_t value : {0, -1, 9, 255, 65535}) {
    EXPECT_EQ(rotateFlipForOrientation(value), RotateFlip::RotateNoneFlipNone) << value;
  }
}

struct LockCase {
  const char* name;
  std::int32_t rotation;
  bool rotateaspect;
  PixelSize picture;
  PixelSize area;
  RotateFlip operation;
  std::int32_t appliedRotation;
};

constexpr PixelSize kWide{800, 600};
constexpr PixelSize kTall{600, 800};
constexpr PixelSize kSquare{700, 700};
constexpr auto kNone = RotateFlip::RotateNoneFlipNone;
constexpr auto k90 = RotateFlip::Rotate90FlipNone;

void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }

class OrientationLockTest : public ::testing::TestWithParam<LockCase> {};

TEST_P(OrientationLockTest, DecidesTurn) {
  const LockCase& c = GetParam();
  const LockTurn turn = RotationLock{c.rotation, c.rotateaspect}.turnFor(c.picture, c.area);
  EXPECT_EQ(turn.operation, c.operation);
  EXPECT_EQ(turn.appliedRotation, c.appliedRotation);
}

INSTANTIATE_TEST_SUITE_P(
    Orientation, OrientationLockTest,
    ::testing::Values(
        LockCase{"no_rotation", 0, false, kWide, kWide, kNone, 0},
        LockCase{"wide_picture_wide_area_kept", 90, true, kWide, kWide, kNone, 0},
        LockCase{"tall_picture_wide_area_turned", 90, true, kTall, kWide, k90, 90},
        LockCase{"square_picture_wide_area_turned", 90, true, kSquare, kWide, k90, 90},
        LockCase{"tall_picture_tall_area_kept", 90, true, kTall, kTall, kNone, 0},
        LockCase{"wide_picture_tall_area_turned", 90, true, kWide, kTall, k90, 90},
        LockCase{"square_area_turns_wide_picture", 90, true, kWide, kSquare, k90, 90},
        LockCase{"square_area_turns_tall_picture", 90, true, kTall, kSquare, k90, 90},
        LockCase{"filter_off_turns_matching_shape", 90, false, kWide, kWide, k90, 90},
        LockCase{"half_turn_is_filtered_too", 180, true, kWide, kWide, kNone, 0},
        LockCase{"half_turn", 180, false, kWide, kWide, RotateFlip::Rotate180FlipNone, 180},
        LockCase{"three_quarters", 270, true, kTall, kWide, RotateFlip::Rotate270FlipNone,
                 270},
        LockCase{"odd_angle_filter_on", 45, true, kTall, kWide, kNone, 0},
        LockCase{"odd_angle_filter_off", 45, false, kWide, kWide, kNone, 0},
        LockCase{"negative_angle", -90, false, kWide, kWide, kNone, 0},
        LockCase{"full_turn", 360, false, kWide, kWide, kNone, 0}),
    [](const ::testing::TestParamInfo<LockCase>& p) { return std::string(p.param.name); });

TEST(OrientationPlanTest, AspectFilterSeesPictureAfterExifTurn) {
  // Stored wide but lying on its side: upright it is tall, so a wide window turns it.
  const OrientationSettings settings{true, {90, true}};
  const OrientationPlan plan = settings.plan(6, kWide, kWide);
  EXPECT_EQ(plan.exifTurn, k90);
  EXPECT_EQ(plan.lockTurn.operation, k90);
  EXPECT_EQ(plan.lockTurn.appliedRotation, 90);
}

TEST(OrientationPlanTest, ExifTurnIsNotCountedAsApplied) {
  const OrientationPlan plan = OrientationSettings{true, {0, true}}.plan(6, kWide, kWide);
  EXPECT_EQ(plan.exifTurn, k90);
  EXPECT_EQ(plan.lockTurn.operation, kNone);
  EXPECT_EQ(plan.lockTurn.appliedRotation, 0);
}

TEST(OrientationPlanTest, ExifOffLeavesStoredShapeForFilter) {
  const OrientationPlan plan = OrientationSettings{false, {90, true}}.plan(6, kWide, kWide);
  EXPECT_EQ(plan.exifTurn, kNone);
  EXPECT_EQ(plan.lockTurn.operation, kNone);
}

}  // namespace
}  // namespace vistelo
