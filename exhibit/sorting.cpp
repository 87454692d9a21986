#include "exhibit/sorting.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>

#include "config/text_codec.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vistelo {
namespace {

using Unsigned = std::make_unsigned_t<wchar_t>;

// A code unit as an unsigned number. Every wchar_t of the program holds one UTF-16
// unit, so this is the unsigned 16-bit value; on Linux, where wchar_t is wider, a value
// outside that range (never stored) still compares consistently, above all units.
inline std::uint32_t unitOf(wchar_t c) { return static_cast<Unsigned>(c); }

// The comparison key of one code unit: itself, or folded to lower case like _wcsicmp.
// foldCase leaves everything below U+00C0 alone except 'A'..'Z', so ASCII is folded
// here without the call.
template <bool kCaseSensitive>
inline std::uint32_t keyOf(wchar_t c) {
  const std::uint32_t u = unitOf(c);
  if (kCaseSensitive) return u;
  if (u < 0xC0) return (u - 'A' < 26u) ? u + 32 : u;
  return unitOf(foldCase(c));
}

// The trailing zero bits of a non-zero word.
inline unsigned trailingZeros(std::uint64_t x) {
#if defined(__GNUC__) || defined(__clang__)
  return static_cast<unsigned>(__builtin_ctzll(x));
#else
  unsigned n = 0;
  while ((x & 1u) == 0) {
    x >>= 1;
    ++n;
  }
  return n;
#endif
}

// The first position from `i` below `n` where the two texts hold different code units,
// or `n`. Paths of one folder share long leading parts, so equal stretches are skipped
// sixteen bytes at a time where SSE2 is there (every x86-64 build), else eight; the
// first differing unit is found from the lowest differing byte, the units being stored
// little-endian on every target of the program.
inline std::size_t firstDifference(const wchar_t* a, const wchar_t* b, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
  constexpr std::size_t kUnitsPerBlock = 16 / sizeof(wchar_t);
  // Four blocks (one cache line) per step while they fit: their loads go out together.
  while (i + 4 * kUnitsPerBlock <= n) {
    const auto* va = reinterpret_cast<const __m128i*>(a + i);
    const auto* vb = reinterpret_cast<const __m128i*>(b + i);
    const __m128i e0 = _mm_cmpeq_epi8(_mm_loadu_si128(va), _mm_loadu_si128(vb));
    const __m128i e1 = _mm_cmpeq_epi8(_mm_loadu_si128(va + 1), _mm_loadu_si128(vb + 1));
    const __m128i e2 = _mm_cmpeq_epi8(_mm_loadu_si128(va + 2), _mm_loadu_si128(vb + 2));
    const __m128i e3 = _mm_cmpeq_epi8(_mm_loadu_si128(va + 3), _mm_loadu_si128(vb + 3));
    const __m128i all = _mm_and_si128(_mm_and_si128(e0, e1), _mm_and_si128(e2, e3));
    if (_mm_movemask_epi8(all) != 0xFFFF) break;  // the single blocks below find it
    i += 4 * kUnitsPerBlock;
  }
  while (i + kUnitsPerBlock <= n) {
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
    const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
    const auto equalBytes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(va, vb)));
    if (equalBytes != 0xFFFFu) return i + trailingZeros(~equalBytes & 0xFFFFu) / sizeof(wchar_t);
    i += kUnitsPerBlock;
  }
#endif
  constexpr std::size_t kUnitsPerWord = sizeof(std::uint64_t) / sizeof(wchar_t);
  static_assert(kUnitsPerWord * sizeof(wchar_t) == sizeof(std::uint64_t), "wchar_t of 2 or 4 bytes");
  while (i + kUnitsPerWord <= n) {
    std::uint64_t wa;
    std::uint64_t wb;
    std::memcpy(&wa, a + i, sizeof wa);
    std::memcpy(&wb, b + i, sizeof wb);
    if (wa != wb) return i + trailingZeros(wa ^ wb) / (8 * sizeof(wchar_t));
    i += kUnitsPerWord;
  }
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

// Name: the whole paths, unit by unit; a leading part goes first.
template <bool kCaseSensitive>
inline bool nameBefore(const std::wstring& a, const std::wstring& b) {
  const wchar_t* pa = a.data();
  const wchar_t* pb = b.data();
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = firstDifference(pa, pb, 0, n); i < n; i = firstDifference(pa, pb, i + 1, n)) {
    const std::uint32_t ka = keyOf<kCaseSensitive>(pa[i]);
    const std::uint32_t kb = keyOf<kCaseSensitive>(pb[i]);
    if (ka != kb) return ka < kb;
  }
  return a.size() < b.size();
}

// Whether a backslash comes at or after `from`: the element there is a folder.
inline bool hasBackslash(const wchar_t* p, std::size_t from, std::size_t size) {
  std::size_t i = from;
#if defined(__SSE2__)
  constexpr std::size_t kUnitsPerBlock = 16 / sizeof(wchar_t);
  const __m128i backslashes = sizeof(wchar_t) == 2 ? _mm_set1_epi16(0x5C) : _mm_set1_epi32(0x5C);
  for (; i + kUnitsPerBlock <= size; i += kUnitsPerBlock) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i hits = sizeof(wchar_t) == 2 ? _mm_cmpeq_epi16(v, backslashes) : _mm_cmpeq_epi32(v, backslashes);
    if (_mm_movemask_epi8(hits) != 0) return true;
  }
#endif
  for (; i < size; ++i)
    if (p[i] == L'\\') return true;
  return false;
}

// Tree and Tree (Strict): the element sequences of the two paths, lexicographically.
//
// Two elements that compare equal have keys of the same length, so while the elements
// match the two paths are walked with one index, and each element starts at the same
// position in both. At the first position where the keys differ (or a path ends) the
// decision is made: first by kind (is there a backslash still ahead, i.e. is this
// element a folder), then by the key unit at that position, where a folder name's end
// (its backslash) stands for `kSeparator`.
template <bool kCaseSensitive, wchar_t kSeparator>
inline bool treeBefore(const std::wstring& a, const std::wstring& b) {
  const wchar_t* pa = a.data();
  const wchar_t* pb = b.data();
  const std::size_t na = a.size();
  const std::size_t nb = b.size();
  const std::size_t n = std::min(na, nb);
  // Equal units go on, also a backslash in both (equal folders: the next element).
  std::size_t i = firstDifference(pa, pb, 0, n);
  if (!kCaseSensitive) {
    while (i < n && pa[i] != L'\\' && pb[i] != L'\\' && keyOf<false>(pa[i]) == keyOf<false>(pb[i]))
      i = firstDifference(pa, pb, i + 1, n);
  }
  if (i == na && i == nb) return false;  // same elements throughout: equivalent

  const bool folderA = hasBackslash(pa, i, na);
  const bool folderB = hasBackslash(pb, i, nb);
  if (folderA != folderB) return !folderA;  // a file before a folder

  if (!folderA) {  // two file names
    if (i == na) return true;  // a's name is a leading part of b's
    if (i == nb) return false;
    return keyOf<kCaseSensitive>(pa[i]) < keyOf<kCaseSensitive>(pb[i]);
  }
  // Two folder names: both paths go on past i (a backslash is still ahead in each).
  const bool endA = pa[i] == L'\\';
  const bool endB = pb[i] == L'\\';
  const std::uint32_t ka = endA ? static_cast<std::uint32_t>(kSeparator) : keyOf<kCaseSensitive>(pa[i]);
  const std::uint32_t kb = endB ? static_cast<std::uint32_t>(kSeparator) : keyOf<kCaseSensitive>(pb[i]);
  if (ka != kb) return ka < kb;
  // The separator met the same unit in the other name (a '"' in a Strict comparison):
  // the name that ended here has the shorter key, a leading part of the other's.
  return endA;
}

inline bool timeBefore(const FileTime& a, const FileTime& b) { return a.ticks() < b.ticks(); }

template <typename Less>
void sortWith(std::vector<ExhibitEntry>& entries, Less less) {
  std::sort(entries.begin(), entries.end(), less);
}

}  // namespace

bool entryBefore(const ExhibitEntry& a, const ExhibitEntry& b, int sortby, bool sortcase) {
  switch (sortby) {
    case kSortTree:
      return sortcase ? treeBefore<true, L'\\'>(a.path, b.path) : treeBefore<false, L'\\'>(a.path, b.path);
    case kSortName:
      return sortcase ? nameBefore<true>(a.path, b.path) : nameBefore<false>(a.path, b.path);
    case kSortCreated:
      return timeBefore(a.created, b.created);
    case kSortModified:
      return timeBefore(a.modified, b.modified);
    case kSortAccessed:
      return timeBefore(a.accessed, b.accessed);
    case kSortTreeStrict:
    default:
      return sortcase ? treeBefore<true, L'"'>(a.path, b.path) : treeBefore<false, L'"'>(a.path, b.path);
  }
}

void sortEntries(std::vector<ExhibitEntry>& entries, int sortby, bool sortcase, bool reverse) {
  using E = ExhibitEntry;
  switch (sortby) {
    case kSortTree:
      if (sortcase)
        sortWith(entries, [](const E& a, const E& b) { return treeBefore<true, L'\\'>(a.path, b.path); });
      else
        sortWith(entries, [](const E& a, const E& b) { return treeBefore<false, L'\\'>(a.path, b.path); });
      break;
    case kSortName:
      if (sortcase)
        sortWith(entries, [](const E& a, const E& b) { return nameBefore<true>(a.path, b.path); });
      else
        sortWith(entries, [](const E& a, const E& b) { return nameBefore<false>(a.path, b.path); });
      break;
    case kSortCreated:
      sortWith(entries, [](const E& a, const E& b) { return timeBefore(a.created, b.created); });
      break;
    case kSortModified:
      sortWith(entries, [](const E& a, const E& b) { return timeBefore(a.modified, b.modified); });
      break;
    case kSortAccessed:
      sortWith(entries, [](const E& a, const E& b) { return timeBefore(a.accessed, b.accessed); });
      break;
    case kSortTreeStrict:
    default:
      if (sortcase)
        sortWith(entries, [](const E& a, const E& b) { return treeBefore<true, L'"'>(a.path, b.path); });
      else
        sortWith(entries, [](const E& a, const E& b) { return treeBefore<false, L'"'>(a.path, b.path); });
      break;
  }
  if (reverse) std::reverse(entries.begin(), entries.end());
}

std::uint32_t uniformIndex(std::mt19937& random, std::uint32_t n) {
  const std::uint32_t range = n + 1u;  // 0 when n is 0xFFFFFFFF
  const std::uint32_t d = range == 0 ? 1u : 0xFFFFFFFFu / range;
  for (;;) {
    const auto x = static_cast<std::uint32_t>(random());
    const std::uint32_t r = x / d;
    if (r <= n) return r;
  }
}

void shuffleEntries(std::vector<ExhibitEntry>& entries, std::mt19937& random) {
  const auto count = static_cast<std::uint32_t>(entries.size());
  for (std::uint32_t i = 1; i < count; ++i) {
    const std::uint32_t j = uniformIndex(random, i);
    if (j != i) std::swap(entries[i], entries[j]);
  }
}

void seedRandom(std::mt19937& random, std::uint32_t seed) {
  // std::mt19937::seed is exactly the standard initialisation described above.
  random.seed(seed);
}

}  // namespace vistelo
