#include "exhibit/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "config/text_codec.h"

namespace vistelo {
namespace {

std::string utf8Of(const std::wstring& text) { return utf8FromUtf16(text); }

ExhibitEntry entry(const std::wstring& path) { return ExhibitEntry{path, {}, {}, {}}; }

std::vector<ExhibitEntry> entriesOf(std::initializer_list<const wchar_t*> paths) {
  std::vector<ExhibitEntry> list;
  for (const wchar_t* p : paths) list.push_back(entry(p));
  return list;
}

std::vector<std::wstring> pathsOf(const std::vector<ExhibitEntry>& list) {
  std::vector<std::wstring> paths;
  for (const ExhibitEntry& e : list) paths.push_back(e.path);
  return paths;
}

FileTime timeOf(std::uint64_t ticks) {
  return FileTime{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
}

bool before(const wchar_t* a, const wchar_t* b, int sortby, bool sortcase) {
  return entryBefore(entry(a), entry(b), sortby, sortcase);
}

// ---------------------------------------------------------------------------------
// The ordering examples.

struct OrderCase {
  int sortby;
  bool sortcase;
  const wchar_t* first;
  const wchar_t* second;
};

class OrderExampleTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderExampleTest, FirstGoesBeforeSecond) {
  const OrderCase& c = GetParam();
  EXPECT_TRUE(before(c.first, c.second, c.sortby, c.sortcase));
  EXPECT_FALSE(before(c.second, c.first, c.sortby, c.sortcase));
  std::vector<ExhibitEntry> list = {entry(c.second), entry(c.first)};
  sortEntries(list, c.sortby, c.sortcase, false);
  EXPECT_EQ(list[0].path, c.first);
  EXPECT_EQ(list[1].path, c.second);
}

const OrderCase kOrderCases[] = {
    // A folder's own files come before its subfolders' contents.
    {kSortTree, false, L"C:\\p\\z.jpg", L"C:\\p\\s\\a.jpg"},
    {kSortTree, true, L"C:\\p\\z.jpg", L"C:\\p\\s\\a.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\z.jpg", L"C:\\p\\s\\a.jpg"},
    {kSortTreeStrict, true, L"C:\\p\\z.jpg", L"C:\\p\\s\\a.jpg"},
    {kSortTree, false, L"C:\\p\\x-y.jpg", L"C:\\p\\x\\3.jpg"},
    {kSortTree, true, L"C:\\p\\x-y.jpg", L"C:\\p\\x\\3.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\x-y.jpg", L"C:\\p\\x\\3.jpg"},
    {kSortTreeStrict, true, L"C:\\p\\x-y.jpg", L"C:\\p\\x\\3.jpg"},
    // The description's cycle, now ordered: files of p, then a's contents, ...
    {kSortTree, false, L"C:\\p\\zz.jpg", L"C:\\p\\a\\1.jpg"},
    {kSortTree, false, L"C:\\p\\a-b.jpg", L"C:\\p\\a\\1.jpg"},
    {kSortTree, false, L"C:\\p\\a-b.jpg", L"C:\\p\\zz.jpg"},
    // ... deeper: the files of a folder before any subfolder, whatever the names.
    {kSortTree, false, L"C:\\p\\s\\~.jpg", L"C:\\p\\s\\a\\b.jpg"},
    {kSortTree, false, L"C:\\p\\a\\z.jpg", L"C:\\p\\b.jpg\\a.jpg"},
    // Sibling folders: x-y before x in Tree ('-' < '\'), x before x-y in Strict.
    {kSortTree, false, L"C:\\p\\x-y\\1.jpg", L"C:\\p\\x\\1.jpg"},
    {kSortTree, true, L"C:\\p\\x-y\\1.jpg", L"C:\\p\\x\\1.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\x\\1.jpg", L"C:\\p\\x-y\\1.jpg"},
    {kSortTreeStrict, true, L"C:\\p\\x\\1.jpg", L"C:\\p\\x-y\\1.jpg"},
    // "a b" before "a" in both (' ' below '\' and '"').
    {kSortTree, false, L"C:\\p\\a b\\1.jpg", L"C:\\p\\a\\1.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\a b\\1.jpg", L"C:\\p\\a\\1.jpg"},
    // Sibling files by name; a leading part first.
    {kSortTree, false, L"C:\\p\\a.jpg", L"C:\\p\\b.jpg"},
    {kSortTree, false, L"C:\\p\\a", L"C:\\p\\a.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\a", L"C:\\p\\a.jpg"},
    // Tree folds the case with sortcase off, compares code units with it on.
    {kSortTree, false, L"C:\\p\\B\\1.jpg", L"C:\\p\\c\\1.jpg"},
    {kSortTree, true, L"C:\\p\\Z\\1.jpg", L"C:\\p\\b\\1.jpg"},
    {kSortTreeStrict, false, L"C:\\p\\a.jpg", L"C:\\p\\B.jpg"},
    {kSortTreeStrict, true, L"C:\\p\\B.jpg", L"C:\\p\\a.jpg"},
    // Name: the whole path text.
    {kSortName, false, L"C:\\p\\s\\a.jpg", L"C:\\p\\z.jpg"},
    {kSortName, true, L"C:\\p\\s\\a.jpg", L"C:\\p\\z.jpg"},
    {kSortName, false, L"C:\\p\\x-y.jpg", L"C:\\p\\x\\3.jpg"},  // '-' (0x2D) below '\' (0x5C)
    {kSortName, false, L"C:\\a\\B.jpg", L"C:\\a\\c.jpg"},
    {kSortName, true, L"C:\\a\\B.jpg", L"C:\\a\\c.jpg"},
    {kSortName, true, L"C:\\a\\B.jpg", L"C:\\a\\b.jpg"},
    {kSortName, true, L"C:\\a\\Z.jpg", L"C:\\a\\b.jpg"},
    {kSortName, false, L"C:\\a\\b.jpg", L"C:\\a\\Z.jpg"},
    {kSortName, false, L"C:\\a\\_.jpg", L"C:\\a\\b.jpg"},  // like _wcsicmp: '_' < 'b'
    {kSortName, true, L"C:\\a\\Z.jpg", L"C:\\a\\_.jpg"},   // code units: 'Z' < '_'
    {kSortName, false, L"C:\\a", L"C:\\a\\b.jpg"},
    {kSortName, true, L"C:\\a", L"C:\\a\\b.jpg"},
    {kSortName, false, L"C:\\\u00e9a.jpg", L"C:\\\u00c9b.jpg"},  // Latin-1 letters folded
    {kSortName, true, L"C:\\\u00c9b.jpg", L"C:\\\u00e9a.jpg"},
    {kSortName, true, L"C:\\z.jpg", L"C:\\\u00e9.jpg"},           // unsigned units
    {kSortName, true, L"C:\\\u00e9.jpg", L"C:\\\uff41.jpg"},
};

INSTANTIATE_TEST_SUITE_P(Examples, OrderExampleTest, ::testing::ValuesIn(kOrderCases));

TEST(SortingTest, NameWithoutCaseTreatsCaseOnlyDifferencesAsEquivalent) {
  EXPECT_FALSE(before(L"C:\\a\\B.jpg", L"C:\\a\\b.jpg", kSortName, false));
  EXPECT_FALSE(before(L"C:\\a\\b.jpg", L"C:\\a\\B.jpg", kSortName, false));
  EXPECT_FALSE(before(L"C:\\A\\b.jpg", L"c:\\a\\B.JPG", kSortTree, false));
  EXPECT_FALSE(before(L"c:\\a\\B.JPG", L"C:\\A\\b.jpg", kSortTreeStrict, false));
  EXPECT_TRUE(before(L"C:\\a\\B.jpg", L"C:\\a\\b.jpg", kSortTree, true));
}

TEST(SortingTest, NameWithSortcaseMatchesTheSpecExample) {
  std::vector<ExhibitEntry> list = entriesOf({L"C:\\a\\b.jpg", L"C:\\a\\c.jpg", L"C:\\a\\Z.jpg", L"C:\\a\\B.jpg"});
  sortEntries(list, kSortName, true, false);
  EXPECT_EQ(pathsOf(list), (std::vector<std::wstring>{L"C:\\a\\B.jpg", L"C:\\a\\Z.jpg", L"C:\\a\\b.jpg", L"C:\\a\\c.jpg"}));
  list = entriesOf({L"C:\\a\\c.jpg", L"C:\\a\\Z.jpg", L"C:\\a\\B.jpg"});
  sortEntries(list, kSortName, false, false);
  EXPECT_EQ(pathsOf(list), (std::vector<std::wstring>{L"C:\\a\\B.jpg", L"C:\\a\\c.jpg", L"C:\\a\\Z.jpg"}));
}

TEST(SortingTest, TreeKeepsEachFoldersOwnFilesAheadOfItsSubfolders) {
  std::vector<ExhibitEntry> list = entriesOf({
      L"C:\\p\\x\\3.jpg", L"C:\\p\\x-y.jpg", L"C:\\p\\s\\a.jpg", L"C:\\p\\z.jpg", L"C:\\p\\a b\\c.jpg",
      L"C:\\p\\x\\q\\1.jpg", L"C:\\p\\x\\z.jpg", L"C:\\p\\x-y\\1.jpg", L"C:\\p\\x y.jpg",
  });
  sortEntries(list, kSortTree, false, false);
  EXPECT_EQ(pathsOf(list), (std::vector<std::wstring>{
                               L"C:\\p\\x y.jpg", L"C:\\p\\x-y.jpg", L"C:\\p\\z.jpg", L"C:\\p\\a b\\c.jpg",
                               L"C:\\p\\s\\a.jpg", L"C:\\p\\x-y\\1.jpg", L"C:\\p\\x\\3.jpg", L"C:\\p\\x\\z.jpg",
                               L"C:\\p\\x\\q\\1.jpg"}));
  sortEntries(list, kSortTreeStrict, false, false);
  EXPECT_EQ(pathsOf(list), (std::vector<std::wstring>{
                               L"C:\\p\\x y.jpg", L"C:\\p\\x-y.jpg", L"C:\\p\\z.jpg", L"C:\\p\\a b\\c.jpg",
                               L"C:\\p\\s\\a.jpg", L"C:\\p\\x\\3.jpg", L"C:\\p\\x\\z.jpg", L"C:\\p\\x\\q\\1.jpg",
                               L"C:\\p\\x-y\\1.jpg"}));
}

TEST(SortingTest, TreeHandlesAQuoteInAFolderNameUnderStrict) {
  // Windows names never hold '"', but the order stays total when one does: a folder
  // "x" has the key x" which is a leading part of x"y's key x"y".
  EXPECT_TRUE(before(L"C:\\x\\1.jpg", L"C:\\x\"y\\1.jpg", kSortTreeStrict, true));
  EXPECT_FALSE(before(L"C:\\x\"y\\1.jpg", L"C:\\x\\1.jpg", kSortTreeStrict, true));
  EXPECT_TRUE(before(L"C:\\x\\1.jpg", L"C:\\x\"\\1.jpg", kSortTreeStrict, false));
  EXPECT_FALSE(before(L"C:\\x\"\\1.jpg", L"C:\\x\\1.jpg", kSortTreeStrict, false));
}

TEST(SortingTest, TimesCompareAsUnsigned64BitNumbers) {
  for (int sortby : {kSortCreated, kSortModified, kSortAccessed}) {
    std::vector<ExhibitEntry> list(4);
    const std::uint64_t ticks[] = {0x8000000000000000ull, 0x00000001FFFFFFFFull, 0x0000000200000000ull, 5};
    for (std::size_t i = 0; i < 4; ++i) {
      list[i].path = std::to_wstring(i);
      FileTime& t = sortby == kSortCreated ? list[i].created : sortby == kSortModified ? list[i].modified : list[i].accessed;
      t = timeOf(ticks[i]);
      // The other two times run the other way, so only the chosen one can give this order.
      (sortby == kSortCreated ? list[i].modified : list[i].created) = timeOf(~ticks[i]);
    }
    for (bool sortcase : {false, true}) {
      std::vector<ExhibitEntry> sorted = list;
      sortEntries(sorted, sortby, sortcase, false);
      EXPECT_EQ(pathsOf(sorted), (std::vector<std::wstring>{L"3", L"1", L"2", L"0"})) << sortby;
      sortEntries(sorted, sortby, sortcase, true);
      EXPECT_EQ(pathsOf(sorted), (std::vector<std::wstring>{L"0", L"2", L"1", L"3"})) << sortby;
    }
  }
}

TEST(SortingTest, UnknownSortbyActsAsTreeStrict) {
  EXPECT_TRUE(before(L"C:\\p\\x\\1.jpg", L"C:\\p\\x-y\\1.jpg", 9, false));
  EXPECT_TRUE(before(L"C:\\p\\x\\1.jpg", L"C:\\p\\x-y\\1.jpg", -1, true));
}

TEST(SortingTest, EmptyAndOneEntryListsAreUnchanged) {
  for (int sortby = 0; sortby <= 5; ++sortby) {
    for (bool reverse : {false, true}) {
      std::vector<ExhibitEntry> none;
      sortEntries(none, sortby, false, reverse);
      EXPECT_TRUE(none.empty());
      std::vector<ExhibitEntry> one = entriesOf({L"C:\\a.jpg"});
      sortEntries(one, sortby, true, reverse);
      ASSERT_EQ(one.size(), 1u);
      EXPECT_EQ(one[0].path, L"C:\\a.jpg");
    }
  }
  std::mt19937 random;
  std::vector<ExhibitEntry> none;
  shuffleEntries(none, random);
  EXPECT_TRUE(none.empty());
  std::vector<ExhibitEntry> one = entriesOf({L"C:\\a.jpg"});
  const std::mt19937 untouched = random;
  shuffleEntries(one, random);
  EXPECT_EQ(one[0].path, L"C:\\a.jpg");
  EXPECT_EQ(random, untouched);  // nothing drawn
}

// ---------------------------------------------------------------------------------
// Properties on random path sets.

constexpr std::size_t kMaxPaths = 512;

// Paths from a small alphabet, of depth 1 to 5, with empty names now and then, plus
// exact duplicates and copies differing only in letter case.
std::vector<ExhibitEntry> randomEntries(std::uint32_t seed, std::size_t count, const std::wstring& alphabet) {
  std::mt19937 random(seed);
  auto pick = [&](std::uint32_t n) { return uniformIndex(random, n - 1); };
  std::vector<ExhibitEntry> list;
  while (list.size() < count) {
    const std::uint32_t kind = pick(10);
    if (kind == 0 && !list.empty()) {  // a duplicate
      list.push_back(list[pick(static_cast<std::uint32_t>(list.size()))]);
      continue;
    }
    if (kind == 1 && !list.empty()) {  // a case-only variant
      ExhibitEntry e = list[pick(static_cast<std::uint32_t>(list.size()))];
      for (wchar_t& c : e.path) {
        if (pick(2) == 0) continue;
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
        else if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
        else if (c == L'\u00e9') c = L'\u00c9';
        else if (c == L'\u00c9') c = L'\u00e9';
      }
      list.push_back(e);
      continue;
    }
    std::wstring path = pick(4) == 0 ? L"c:" : L"C:";
    const std::uint32_t depth = 1 + pick(5);
    for (std::uint32_t d = 0; d < depth; ++d) {
      path += L'\\';
      const std::uint32_t length = pick(8) == 0 ? 0 : 1 + pick(3);
      for (std::uint32_t k = 0; k < length; ++k) path += alphabet[pick(static_cast<std::uint32_t>(alphabet.size()))];
    }
    ExhibitEntry e;
    e.path = path;
    // Few distinct times, so ties are common; some with the top bit set.
    e.created = timeOf((std::uint64_t{pick(4)} << 62) | pick(3));
    e.modified = timeOf(std::uint64_t{pick(6)} << 31);
    e.accessed = timeOf(pick(2) == 0 ? pick(5) : ~std::uint64_t{pick(5)});
    list.push_back(e);
  }
  return list;
}

// Checks that "before" is a strict weak order on the set: irreflexive, asymmetric,
// transitive, with transitive equivalence. Bit rows make the transitivity checks exact
// over all triples at n^2 cost: for a < b, everything after b must be after a; for
// a ~ b, everything equivalent to b must be equivalent to a.
void expectStrictWeakOrder(const std::vector<ExhibitEntry>& list, int sortby, bool sortcase) {
  const std::size_t n = list.size();
  ASSERT_LE(n, kMaxPaths);
  std::vector<std::bitset<kMaxPaths>> after(n), equivalent(n);
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = 0; b < n; ++b)
      after[a][b] = entryBefore(list[a], list[b], sortby, sortcase);
  int failures = 0;
  auto report = [&](const char* what, std::size_t a, std::size_t b) {
    if (++failures <= 5)
      ADD_FAILURE() << what << " fails for sortby " << sortby << ", sortcase " << sortcase << ": ["
                    << utf8Of(list[a].path) << "] and [" << utf8Of(list[b].path) << "]";
  };
  for (std::size_t a = 0; a < n; ++a) {
    if (after[a][a]) report("irreflexivity", a, a);
    for (std::size_t b = 0; b < n; ++b) {
      if (after[a][b] && after[b][a]) report("asymmetry", a, b);
      equivalent[a][b] = !after[a][b] && !after[b][a];
    }
  }
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t b = 0; b < n; ++b) {
      if (after[a][b] && (after[b] & ~after[a]).any()) report("transitivity of before", a, b);
      if (equivalent[a][b] && (equivalent[b] != equivalent[a])) report("transitivity of equivalence", a, b);
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(SortingPropertyTest, EveryKeyIsAStrictWeakOrder) {
  const std::wstring alphabet = L"aBbA-. _\u00e9\u00c9\\";
  for (std::uint32_t seed : {1u, 2u, 3u}) {
    const std::vector<ExhibitEntry> list = randomEntries(seed, 300, alphabet);
    for (int sortby = 0; sortby <= 5; ++sortby)
      for (bool sortcase : {false, true}) expectStrictWeakOrder(list, sortby, sortcase);
  }
}

TEST(SortingPropertyTest, TreeStaysAStrictWeakOrderWithQuotesAndOddNames) {
  // Characters that cannot appear in Windows names, around both separators' values.
  const std::wstring alphabet = L"a\"!#B\\ -[]";
  const std::vector<ExhibitEntry> list = randomEntries(7, 400, alphabet);
  for (int sortby : {kSortTree, kSortTreeStrict, kSortName})
    for (bool sortcase : {false, true}) expectStrictWeakOrder(list, sortby, sortcase);
}

TEST(SortingPropertyTest, SortedListsAreOrderedAndReverseIsForwardReadBackwards) {
  const std::vector<ExhibitEntry> list = randomEntries(11, 400, L"aBbA-. _\\");
  for (int sortby = 0; sortby <= 5; ++sortby) {
    for (bool sortcase : {false, true}) {
      std::vector<ExhibitEntry> forward = list;
      sortEntries(forward, sortby, sortcase, false);
      for (std::size_t i = 1; i < forward.size(); ++i)
        ASSERT_FALSE(entryBefore(forward[i], forward[i - 1], sortby, sortcase)) << sortby << " " << i;
      // std::sort is deterministic: the same start sorted in reverse is the mirror image.
      std::vector<ExhibitEntry> backward = list;
      sortEntries(backward, sortby, sortcase, true);
      std::vector<std::wstring> mirrored = pathsOf(forward);
      std::reverse(mirrored.begin(), mirrored.end());
      EXPECT_EQ(pathsOf(backward), mirrored);
      // A permutation of the input.
      std::vector<std::wstring> a = pathsOf(forward), b = pathsOf(list);
      std::sort(a.begin(), a.end());
      std::sort(b.begin(), b.end());
      EXPECT_EQ(a, b);
    }
  }
}

TEST(SortingTest, ReverseIsExactlyForwardReadBackwardsTiesIncluded) {
  // Entries all equivalent under Modified: sorting one copy forward and one in reverse
  // from the same start must give mirror images, ties included.
  std::vector<ExhibitEntry> list;
  for (int i = 0; i < 40; ++i) {
    ExhibitEntry e = entry(L"C:\\" + std::to_wstring(i));
    e.modified = timeOf(static_cast<std::uint64_t>(i % 3));
    list.push_back(e);
  }
  for (int sortby = 0; sortby <= 5; ++sortby) {
    std::vector<ExhibitEntry> forward = list, backward = list;
    sortEntries(forward, sortby, false, false);
    sortEntries(backward, sortby, false, true);
    std::vector<std::wstring> mirrored = pathsOf(forward);
    std::reverse(mirrored.begin(), mirrored.end());
    EXPECT_EQ(pathsOf(backward), mirrored) << sortby;
  }
}

// A plain model of the decided orders, with copies and temporaries, to check the
// in-place comparators against.
std::vector<std::uint32_t> modelKey(const std::wstring& text, bool sortcase) {
  std::vector<std::uint32_t> key;
  for (wchar_t c : text) {
    const wchar_t k = sortcase ? c : foldCase(c);
    key.push_back(static_cast<std::uint16_t>(k));
  }
  return key;
}

bool modelBefore(const ExhibitEntry& a, const ExhibitEntry& b, int sortby, bool sortcase) {
  if (sortby == kSortName) return modelKey(a.path, sortcase) < modelKey(b.path, sortcase);
  if (sortby == kSortCreated) return a.created.ticks() < b.created.ticks();
  if (sortby == kSortModified) return a.modified.ticks() < b.modified.ticks();
  if (sortby == kSortAccessed) return a.accessed.ticks() < b.accessed.ticks();
  const wchar_t separator = sortby == kSortTree ? L'\\' : L'"';
  using Element = std::pair<int, std::vector<std::uint32_t>>;  // kind 0 file, 1 folder
  auto elements = [&](const std::wstring& path) {
    std::vector<Element> list;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = path.find(L'\\', start);
      if (end == std::wstring::npos) {
        list.emplace_back(0, modelKey(path.substr(start), sortcase));
        return list;
      }
      list.emplace_back(1, modelKey(path.substr(start, end - start) + separator, sortcase));
      start = end + 1;
    }
  };
  return elements(a.path) < elements(b.path);
}

TEST(SortingPropertyTest, ComparatorsMatchAPlainModel) {
  for (const std::wstring& alphabet : {std::wstring(L"aBbA-. _\u00e9\u00c9\\"), std::wstring(L"a\"!B\\ -")}) {
    const std::vector<ExhibitEntry> list = randomEntries(5, 250, alphabet);
    for (int sortby = 0; sortby <= 5; ++sortby)
      for (bool sortcase : {false, true})
        for (const ExhibitEntry& a : list)
          for (const ExhibitEntry& b : list)
            ASSERT_EQ(entryBefore(a, b, sortby, sortcase), modelBefore(a, b, sortby, sortcase))
                << sortby << " " << sortcase << " [" << utf8Of(a.path) << "] [" << utf8Of(b.path) << "]";
  }
}

// ---------------------------------------------------------------------------------
// Shuffle and the random source.

TEST(ShuffleTest, LeavesAPermutation) {
  std::mt19937 random;
  seedRandom(random, 42);
  std::vector<ExhibitEntry> list;
  for (int i = 0; i < 1000; ++i) list.push_back(entry(std::to_wstring(i)));
  std::vector<ExhibitEntry> shuffled = list;
  shuffleEntries(shuffled, random);
  EXPECT_NE(pathsOf(shuffled), pathsOf(list));
  std::vector<std::wstring> a = pathsOf(shuffled), b = pathsOf(list);
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b);
}

TEST(ShuffleTest, FollowsForwardFisherYatesWithUniformIndex) {
  std::mt19937 random, reference;
  seedRandom(random, 2024);
  seedRandom(reference, 2024);
  std::vector<int> expected(50);
  std::iota(expected.begin(), expected.end(), 0);
  for (std::uint32_t i = 1; i < expected.size(); ++i) {
    const std::uint32_t j = uniformIndex(reference, i);
    if (j != i) std::swap(expected[i], expected[j]);
  }
  std::vector<ExhibitEntry> list;
  for (int i = 0; i < 50; ++i) list.push_back(entry(std::to_wstring(i)));
  shuffleEntries(list, random);
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].path, std::to_wstring(expected[i]));
  EXPECT_EQ(random, reference);
}

TEST(ShuffleTest, AllOrdersOfThreeAreEquallyLikely) {
  std::mt19937 random;
  seedRandom(random, 5489);
  std::map<std::wstring, int> counts;
  const int kShuffles = 60000;
  for (int k = 0; k < kShuffles; ++k) {
    std::vector<ExhibitEntry> list = entriesOf({L"a", L"b", L"c"});
    shuffleEntries(list, random);
    ++counts[list[0].path + list[1].path + list[2].path];
  }
  ASSERT_EQ(counts.size(), 6u);
  // Expected 10,000 each, standard deviation about 91: allow 5 of them.
  for (const auto& [order, count] : counts) {
    EXPECT_NEAR(count, kShuffles / 6, 455) << utf8Of(order);
  }
}

TEST(UniformIndexTest, ZeroIsAlwaysZero) {
  std::mt19937 random;
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(uniformIndex(random, 0), 0u);
}

TEST(UniformIndexTest, OneGivesZeroAndOneAboutEqually) {
  std::mt19937 random;
  seedRandom(random, 7);
  int counts[2] = {0, 0};
  for (int i = 0; i < 100000; ++i) {
    const std::uint32_t r = uniformIndex(random, 1);
    ASSERT_LE(r, 1u);
    ++counts[r];
  }
  EXPECT_NEAR(counts[0], 50000, 800);  // standard deviation about 158
  EXPECT_NEAR(counts[1], 50000, 800);
}

TEST(UniformIndexTest, FullRangeReturnsTheRawOutput) {
  std::mt19937 random, reference;
  seedRandom(random, 99);
  seedRandom(reference, 99);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(uniformIndex(random, 0xFFFFFFFFu), static_cast<std::uint32_t>(reference()));
}

TEST(UniformIndexTest, IsTheOutputDividedByTheBucketSizeWithRejection) {
  std::mt19937 random, reference;
  seedRandom(random, 3);
  seedRandom(reference, 3);
  for (std::uint32_t n : {1u, 2u, 5u, 6u, 99u, 1000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu}) {
    const std::uint32_t d = 0xFFFFFFFFu / (n + 1);
    for (int k = 0; k < 200; ++k) {
      std::uint32_t r;
      do r = static_cast<std::uint32_t>(reference()) / d;
      while (r > n);
      ASSERT_EQ(uniformIndex(random, n), r) << n;
    }
  }
  // 0x80000000: d = 1, so about half the outputs are rejected; all results stay in range.
  for (int k = 0; k < 1000; ++k) ASSERT_LE(uniformIndex(random, 0x80000000u), 0x80000000u);
}

TEST(RandomTest, SeedingWith5489GivesThePublishedSequence) {
  std::mt19937 random;
  random.discard(17);
  seedRandom(random, 5489);
  EXPECT_EQ(random(), 3499211612u);
  EXPECT_EQ(random(), 581869302u);
  EXPECT_EQ(random(), 3890346734u);
  EXPECT_EQ(random(), 3586334585u);
  EXPECT_EQ(random(), 545404204u);
  seedRandom(random, 5489);
  random.discard(9999);
  EXPECT_EQ(random(), 4123659995u);  // the 10,000th output, as the C++ standard states
}

TEST(RandomTest, SeedingIsTheStandardInitialisation) {
  // Word 0 = seed, word i = 1812433253 * (word i-1 ^ (word i-1 >> 30)) + i, then one
  // full regeneration and the published tempering.
  for (std::uint32_t seed : {0u, 1u, 5489u, 0xFFFFFFFFu, 123456789u}) {
    std::array<std::uint32_t, 624> mt;
    mt[0] = seed;
    for (std::uint32_t i = 1; i < 624; ++i) mt[i] = 1812433253u * (mt[i - 1] ^ (mt[i - 1] >> 30)) + i;
    for (std::uint32_t i = 0; i < 624; ++i) {
      const std::uint32_t y = (mt[i] & 0x80000000u) | (mt[(i + 1) % 624] & 0x7FFFFFFFu);
      mt[i] = mt[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
    }
    std::mt19937 random;
    seedRandom(random, seed);
    for (std::uint32_t i = 0; i < 624; ++i) {
      std::uint32_t y = mt[i];
      y ^= y >> 11;
      y ^= (y << 7) & 0x9D2C5680u;
      y ^= (y << 15) & 0xEFC60000u;
      y ^= y >> 18;
      ASSERT_EQ(static_cast<std::uint32_t>(random()), y) << seed << " " << i;
    }
  }
  std::mt19937 one;
  seedRandom(one, 1);
  EXPECT_EQ(one(), 1791095845u);
}

}  // namespace
}  // namespace vistelo
