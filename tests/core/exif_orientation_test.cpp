#include "view/exif_orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vistelo {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
  std::uint16_t tag;
  std::uint16_t type;
  std::uint32_t count;
  std::uint16_t value;
};

constexpr std::uint16_t kShort = 3;

// Builds a TIFF block in either byte order with one IFD of the given entries.
struct Tiff {
  bool bigEndian = false;
  std::uint32_t ifdOffset = 8;
  Bytes bytes;

  void u16(std::uint32_t v) {
    const auto hi = static_cast<std::uint8_t>(v >> 8);
    const auto lo = static_cast<std::uint8_t>(v);
    bytes.push_back(bigEndian ? hi : lo);
    bytes.push_back(bigEndian ? lo : hi);
  }
  void u32(std::uint32_t v) {
    if (bigEndian) {
      u16(v >> 16);
      u16(v & 0xFFFF);
    } else {
      u16(v & 0xFFFF);
      u16(v >> 16);
    }
  }
  Bytes build(const std::vector<Entry>& entries, std::int32_t countOverride = -1) {
    bytes.clear();
    const char* order = bigEndian ? "MM\0*" : "II*\0";
    bytes.insert(bytes.end(), order, order + 4);
    u32(ifdOffset);
    u16(countOverride >= 0 ? static_cast<std::uint32_t>(countOverride)
                           : static_cast<std::uint32_t>(entries.size()));
    for (const Entry& e : entries) {
      u16(e.tag);
      u16(e.type);
      u32(e.count);
      u16(e.value);  // a SHORT sits left-justified in the 4-byte value field
      u16(0);
    }
    u32(0);  // no next IFD
    return bytes;
  }
};

Bytes segment(std::uint8_t marker, const Bytes& payload) {
  const std::size_t length = payload.size() + 2;
  Bytes out;
  out.reserve(length + 2);
  out.push_back(0xFF);
  out.push_back(marker);
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length));
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

Bytes exifSegment(const Bytes& tiff) {
  Bytes payload{'E', 'x', 'i', 'f', 0, 0};
  payload.insert(payload.end(), tiff.begin(), tiff.end());
  return segment(0xE1, payload);
}

Bytes jpeg(const std::vector<Bytes>& segments) {
  Bytes out{0xFF, 0xD8};
  for (const Bytes& s : segments) out.insert(out.end(), s.begin(), s.end());
  // The scan and some image data follow, as in a real file.
  const Bytes scan = segment(0xDA, {1, 1, 0, 0, 0x3F, 0});
  out.insert(out.end(), scan.begin(), scan.end());
  out.insert(out.end(), {0x12, 0x34, 0xFF, 0xD9});
  return out;
}

Bytes oriented(std::uint16_t value, bool bigEndian = false) {
  Tiff tiff;
  tiff.bigEndian = bigEndian;
  return jpeg({exifSegment(tiff.build({{0x0112, kShort, 1, value}}))});
}

// Reads from an allocation of exactly `size` bytes so that AddressSanitizer catches
// any read past the end.
std::int32_t read(const Bytes& bytes, std::size_t size) {
  std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size == 0 ? 1 : size]);
  std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size), copy.get());
  return readExifOrientation(copy.get(), size);
}

std::int32_t read(const Bytes& bytes) { return read(bytes, bytes.size()); }

struct OrderCase {
  bool bigEndian;
  std::uint16_t value;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
  *os << (c.bigEndian ? "MM " : "II ") << c.value;
}

class ExifByteOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ExifByteOrderTest, ReadsEveryOrientation) {
  EXPECT_EQ(read(oriented(GetParam().value, GetParam().bigEndian)), GetParam().value);
}

std::vector<OrderCase> orderCases() {
  std::vector<OrderCase> cases;
  for (const bool big : {false, true})
    for (std::uint16_t v = 1; v <= 8; ++v) cases.push_back({big, v});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Exif, ExifByteOrderTest, ::testing::ValuesIn(orderCases()),
                         [](const ::testing::TestParamInfo<OrderCase>& p) {
                           return std::string(p.param.bigEndian ? "motorola_" : "intel_") +
                                  std::to_string(p.param.value);
                         });

struct BlockCase {
  const char* name;
  Bytes bytes;
  std::int32_t expected;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }

class ExifBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ExifBlockTest, ReadsBlock) { EXPECT_EQ(read(GetParam().bytes), GetParam().expected); }

Bytes withTiff(Tiff tiff, const std::vector<Entry>& entries, std::int32_t count = -1) {
  return jpeg({exifSegment(tiff.build(entries, count))});
}

const Entry kSix{0x0112, kShort, 1, 6};
const Entry kWidth{0x0100, kShort, 1, 640};
const Entry kMake{0x010F, 2, 6, 0x4142};

Bytes app0() { return segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}); }

// The entry's tag bytes moved after the segment: a reader that looks past the
// segment's end finds an orientation there.
Bytes ifdBeyondSegment() {
  Tiff tiff;
  tiff.ifdOffset = 100;
  Bytes header = tiff.build({});
  header.resize(8);
  Bytes out = jpeg({exifSegment(header)});
  Tiff after;
  const Bytes fake = after.build({kSix});
  const std::size_t ifdAt = 12 + tiff.ifdOffset;  // SOI, marker, length, "Exif\0\0"
  out.resize(ifdAt, 0);
  out.insert(out.end(), fake.begin() + 8, fake.end());
  return out;
}

Bytes withLength(std::uint8_t hi, std::uint8_t lo) {
  Bytes out{0xFF, 0xD8, 0xFF, 0xE1, hi, lo};
  const Bytes rest = oriented(6);
  out.insert(out.end(), rest.begin() + 6, rest.end());
  return out;
}

std::vector<BlockCase> blockCases() {
  Tiff intel;
  Tiff motorola;
  motorola.bigEndian = true;
  Tiff hostile;
  hostile.ifdOffset = 0xFFFFFFF0;
  Tiff pastEnd;
  pastEnd.ifdOffset = 30;
  Bytes xmp = segment(0xE1, {'h', 't', 't', 'p', ':', '/', '/', 0});
  Bytes fill = oriented(6);
  fill.insert(fill.begin() + 2, {0xFF, 0xFF});
  Bytes scanFirst{0xFF, 0xD8};
  const Bytes scan = segment(0xDA, {1, 1, 0, 0, 0x3F, 0});
  scanFirst.insert(scanFirst.end(), scan.begin(), scan.end());
  const Bytes late = oriented(6);
  scanFirst.insert(scanFirst.end(), late.begin() + 2, late.end());
  Bytes badOrder = oriented(6);
  badOrder[12] = 'I';
  badOrder[13] = 'M';
  Bytes badExif = oriented(6);
  badExif[9] = 'X';
  return {
      {"tag_missing", withTiff(intel, {kWidth, kMake}), 0},
      {"among_other_entries", withTiff(intel, {kWidth, kMake, {0x0112, kShort, 1, 3}}), 3},
      {"among_other_entries_motorola", withTiff(motorola, {kWidth, {0x0112, kShort, 1, 8}}),
       8},
      {"no_entries", withTiff(intel, {}), 0},
      {"app0_before_app1", jpeg({app0(), exifSegment(intel.build({kSix}))}), 6},
      {"xmp_app1_before_exif", jpeg({xmp, exifSegment(intel.build({kSix}))}), 6},
      {"other_segment_before_app1",
       jpeg({segment(0xDB, Bytes(65, 1)), exifSegment(intel.build({kSix}))}), 6},
      {"fill_bytes_before_marker", fill, 6},
      {"scan_before_app1", scanFirst, 0},
      {"wrong_type_long", withTiff(intel, {{0x0112, 4, 1, 6}}), 0},
      {"wrong_count", withTiff(intel, {{0x0112, kShort, 2, 6}}), 0},
      {"value_0", oriented(0), 0},
      {"value_9", oriented(9), 0},
      {"value_0x0106", oriented(0x0106), 0},
      {"hostile_ifd_offset", withTiff(hostile, {kSix}), 0},
      {"ifd_offset_past_tiff", withTiff(pastEnd, {kSix}), 0},
      {"ifd_beyond_segment", ifdBeyondSegment(), 0},
      {"entry_count_0xffff_with_tag", withTiff(intel, {kSix}, 0xFFFF), 6},
      {"entry_count_0xffff_without_tag", withTiff(intel, {kWidth}, 0xFFFF), 0},
      {"segment_length_0", withLength(0, 0), 0},
      {"segment_length_1", withLength(0, 1), 0},
      {"segment_length_beyond_data", withLength(0xFF, 0xFF), 6},
      {"segment_too_short_for_entry", withLength(0, 20), 0},
      {"bad_byte_order", badOrder, 0},
      {"not_exif_header", badExif, 0},
      {"not_a_jpeg", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, 0},
      {"soi_only", {0xFF, 0xD8}, 0},
      {"empty", {}, 0},
  };
}

INSTANTIATE_TEST_SUITE_P(Exif, ExifBlockTest, ::testing::ValuesIn(blockCases()),
                         [](const ::testing::TestParamInfo<BlockCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(ExifOrientationTest, NullDataGivesZero) { EXPECT_EQ(readExifOrientation(nullptr, 16), 0); }

TEST(ExifOrientationTest, EveryPrefixGivesZeroUntilEntryIsComplete) {
  for (const bool big : {false, true}) {
    const Bytes full = oriented(6, big);
    // SOI 2, marker and length 4, "Exif\0\0" 6, TIFF header 8, count 2, entry 12.
    const std::size_t entryEnd = 34;
    for (std::size_t size = 0; size <= full.size(); ++size) {
      EXPECT_EQ(read(full, size), size < entryEnd ? 0 : 6) << "prefix " << size;
    }
  }
}

TEST(ExifOrientationTest, AnySingleByteDamageStaysInBounds) {
  const Bytes good = oriented(6, true);
  for (std::size_t at = 0; at < good.size(); ++at) {
    for (const int value : {0x00, 0x01, 0x7F, 0xFE, 0xFF}) {
      Bytes damaged = good;
      damaged[at] = static_cast<std::uint8_t>(value);
      const std::int32_t result = read(damaged);
      EXPECT_TRUE(result >= 0 && result <= 8) << at << " " << value;
    }
  }
}

}  // namespace
}  // namespace vistelo
