#pragma once
// Reads the EXIF orientation tag from the first bytes of a JPEG file, without a decoder.
// The reader is bounded: it never looks past `size` nor past the Exif APP1 segment,
// whatever the offsets, counts and lengths inside the data claim.

#include <cstddef>
#include <cstdint>

namespace vistelo {

// The orientation (1..8) stored in IFD0 of the file's first Exif APP1 segment, or 0
// when the data is not a JPEG, has no such segment before the scan starts, has no
// orientation tag, or holds anything malformed or out of range there.
// A segment cut short by `size` is read as far as it goes.
std::int32_t readExifOrientation(const std::uint8_t* data, std::size_t size);

}  // namespace vistelo
