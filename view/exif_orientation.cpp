#include "view/exif_orientation.h"

#include <cstring>

namespace vistelo {
namespace {

constexpr std::uint8_t kMarkerPrefix = 0xFF;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;
constexpr std::size_t kEntrySize = 12;

std::uint16_t bigEndian16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

// Markers that carry no length field; none may come before the scan.
bool isStandalone(std::uint8_t marker) {
  return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// The TIFF block inside the Exif segment: every read is checked against its length.
struct TiffBlock {
  const std::uint8_t* data;
  std::size_t size;
  bool bigEndian = false;

  std::uint16_t u16(std::size_t at) const {
    const std::uint8_t* p = data + at;
    return bigEndian ? static_cast<std::uint16_t>((p[0] << 8) | p[1])
                     : static_cast<std::uint16_t>((p[1] << 8) | p[0]);
  }

  std::uint32_t u32(std::size_t at) const {
    const std::uint8_t* p = data + at;
    if (bigEndian) {
      return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
             (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
    }
    return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[1]} << 8) | std::uint32_t{p[0]};
  }

  std::int32_t orientation() {
    if (size < 8) return 0;
    if (std::memcmp(data, "II*\0", 4) == 0) {
      bigEndian = false;
    } else if (std::memcmp(data, "MM\0*", 4) == 0) {
      bigEndian = true;
    } else {
      return 0;
    }
    // Compared before any addition so that a hostile offset cannot wrap around.
    const std::uint32_t ifd = u32(4);
    if (ifd > size || size - ifd < 2) return 0;
    const std::size_t entries = (size - ifd - 2) / kEntrySize;
    const std::size_t count = u16(ifd) < entries ? u16(ifd) : entries;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t entry = ifd + 2 + i * kEntrySize;
      if (u16(entry) != kOrientationTag) continue;
      if (u16(entry + 2) != kTypeShort || u32(entry + 4) != 1) return 0;
      // A single SHORT sits in the first two bytes of the value field.
      const std::uint16_t value = u16(entry + 8);
      return value >= 1 && value <= 8 ? value : 0;
    }
    return 0;
  }
};

}  // namespace

std::int32_t readExifOrientation(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < 2 || data[0] != 0xFF || data[1] != 0xD8) return 0;
  std::size_t pos = 2;
  for (;;) {
    if (pos >= size || data[pos] != kMarkerPrefix) return 0;
    while (pos < size && data[pos] == kMarkerPrefix) ++pos;  // fill bytes
    if (pos >= size) return 0;
    const std::uint8_t marker = data[pos++];
    if (marker == kStartOfScan || marker == kEndOfImage || isStandalone(marker)) return 0;
    const std::size_t available = size - pos;  // from the length field on
    if (available < 2) return 0;
    const std::size_t length = bigEndian16(data + pos);
    if (length < 2) return 0;
    if (marker == kApp1) {
      const std::uint8_t* payload = data + pos + 2;
      const std::size_t payloadSize = (length < available ? length : available) - 2;
      if (payloadSize >= 6 && std::memcmp(payload, "Exif\0\0", 6) == 0) {
        return TiffBlock{payload + 6, payloadSize - 6}.orientation();
      }
    }
    if (length > available) return 0;
    pos += length;
  }
}

}  // namespace vistelo
