#pragma once
// Next Folder and Prev Folder (commands 1056, 1057): steps over the exhibit
// by folder. The list keeps no folder boundaries; an entry's folder is its path cut at
// its last backslash (the text up to and including it, or nothing when the path has
// no backslash), compared exactly, code unit by code unit.
//
// Both take an index inside the list: an empty list is the caller's business (it shows
// the empty view instead). An index outside the list is returned unchanged.

#include <cstdint>
#include <vector>

#include "exhibit/exhibit_entry.h"

namespace vistelo {

// The first entry after `index`, wrapping to entry 0, whose folder differs from that of
// `index`; `index` itself when every entry shares its folder.
std::uint32_t nextFolderIndex(const std::vector<ExhibitEntry>& entries, std::uint32_t index);

// Steps back from `index`, wrapping from 0 to the last entry, to the first entry whose
// folder differs (`index` itself when none does), then back without wrapping to the
// first entry of that entry's run of same-folder entries.
std::uint32_t prevFolderIndex(const std::vector<ExhibitEntry>& entries, std::uint32_t index);

}  // namespace vistelo
