#pragma once
// Sorting and shuffling the exhibit: the six sort keys, the forward
// Fisher-Yates shuffle and the program's MT19937 draws.
//
// No comparator allocates: every key is compared by walking the two path strings in
// place.

#include <cstdint>
#include <random>
#include <vector>

#include "exhibit/exhibit_entry.h"

namespace vistelo {

// The values of the `sortby` setting.
enum SortKey : int {
  kSortTree = 0,
  kSortTreeStrict = 1,
  kSortName = 2,
  kSortCreated = 3,
  kSortModified = 4,
  kSortAccessed = 5,
};

// Whether entry `a` goes before entry `b` under one key: a strict weak order for every
// `sortby` and `sortcase`. A `sortby` outside 0..5 acts as the default, Tree (Strict).
//
// Name: the whole paths, by unsigned 16-bit code units (`sortcase` on) or by code units
// folded with foldCase (off, like _wcsicmp); a leading part comes first.
// Tree / Tree (Strict): the paths split at backslashes into folder names and a file
// name, compared element by element; a file element goes before a folder element, two
// elements of one kind compare by key with the case rule of Name. A folder's key is its
// name followed by '\' (Tree) or by '"' (Tree (Strict)); a file's key is its name. So a
// folder's own files come before everything in its subfolders.
// Created / Modified / Accessed: the 64-bit file times as unsigned numbers.
bool entryBefore(const ExhibitEntry& a, const ExhibitEntry& b, int sortby, bool sortcase);

// Sorts ascending by the key (unstable: equivalent entries keep no defined order), then
// reverses the whole list when `reverse`, so reverse is forward read backwards.
void sortEntries(std::vector<ExhibitEntry>& entries, int sortby, bool sortcase, bool reverse);

// Forward Fisher-Yates: for i = 1 .. count-1, j = uniformIndex(i); swap when j != i.
// Empty and one-entry lists stay unchanged (and draw nothing).
void shuffleEntries(std::vector<ExhibitEntry>& entries, std::mt19937& random);

// A uniform integer in [0, n]: d = 4294967295 / (n + 1) (d = 1 when n + 1 overflows to
// 0); repeat x = next output, r = x / d, until r <= n.
std::uint32_t uniformIndex(std::mt19937& random, std::uint32_t n);

// The standard MT19937 initialisation: word 0 = seed, word i = 1812433253 *
// (word i-1 ^ (word i-1 >> 30)) + i, position 624.
void seedRandom(std::mt19937& random, std::uint32_t seed);

}  // namespace vistelo
