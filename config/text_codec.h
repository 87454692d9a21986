#pragma once
// Conversions between the bytes of the program's text files and its UTF-16 text.
//
// Throughout the program a wchar_t holds one UTF-16 code unit, also where wchar_t is
// wider (Linux builds of the core): text is never widened to code points, so lengths
// and buffer limits mean the same on every platform.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vistelo {

using Bytes = std::vector<std::uint8_t>;

// Decodes a whole text file. A file starting with FF FE is UTF-16LE (an odd last byte
// is dropped); FE FF is UTF-16BE; anything else is UTF-8, with or without its
// byte-order mark. Bytes that are not valid UTF-8 are taken as Latin-1 characters, so
// a file in a Western ANSI code page still reads sensibly.
std::wstring decodeTextFile(const Bytes& bytes);

// The byte-order mark followed by the text as UTF-16LE.
Bytes encodeUtf16LeWithBom(const std::wstring& text);

// The text as UTF-16LE without a byte-order mark (for appending to a file that has one).
void appendUtf16Le(const std::wstring& text, Bytes& out);

// UTF-8 bytes to UTF-16 code units (invalid bytes as Latin-1, as above).
std::wstring utf16FromUtf8(const char* text, std::size_t length);
std::wstring utf16FromUtf8(const std::string& text);

// UTF-16 code units to UTF-8 (an unpaired surrogate becomes U+FFFD).
std::string utf8FromUtf16(const std::wstring& text);

// Letter-case folding for key comparison: ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic. Keys of the program's files are compared with it, independent of locale.
wchar_t foldCase(wchar_t c);
bool equalsIgnoringCase(const wchar_t* a, const wchar_t* b);
bool equalsIgnoringCase(const std::wstring& a, const wchar_t* b);

}  // namespace vistelo
