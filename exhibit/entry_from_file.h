#pragma once
#include <string>

#include "exhibit/exhibit_entry.h"

// An entry for a file on disk with its three times. The times are read without
// opening the file for its contents, so a file another program holds open (even
// without sharing) still gets them; when they cannot be read at all they stay zero
// and the result is false. A path that does not fit a path buffer makes no entry:
// false with `entry` untouched.
bool entryFromFile(const std::wstring& path, vistelo::ExhibitEntry& entry);
