#include "config/text_codec.h"

namespace vistelo {
namespace {

void appendCodePoint(std::uint32_t cp, std::wstring& out) {
  if (cp < 0x10000) {
    out.push_back(static_cast<wchar_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
  }
}

void appendUnit(std::uint32_t unit, Bytes& out) {
  out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
  out.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
}

// Length of the valid UTF-8 sequence starting at text[i] and its code point, or 0.
std::size_t utf8Sequence(const std::uint8_t* text, std::size_t length, std::size_t i,
                         std::uint32_t& cp) {
  const std::uint8_t lead = text[i];
  std::size_t extra;
  std::uint32_t min;
  if (lead < 0x80) { cp = lead; return 1; }
  if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; min = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; min = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; min = 0x10000; }
  else return 0;
  if (i + extra >= length) return 0;
  for (std::size_t k = 1; k <= extra; ++k) {
    const std::uint8_t b = text[i + k];
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return extra + 1;
}

std::wstring decodeUtf16(const Bytes& bytes, std::size_t start, bool bigEndian) {
  std::wstring out;
  out.reserve((bytes.size() - start) / 2);
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    const unsigned lo = bigEndian ? bytes[i + 1] : bytes[i];
    const unsigned hi = bigEndian ? bytes[i] : bytes[i + 1];
    out.push_back(static_cast<wchar_t>(lo | (hi << 8)));
  }
  return out;
}

}  // namespace

std::wstring utf16FromUtf8(const char* text, std::size_t length) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
  std::wstring out;
  out.reserve(length);
  std::size_t i = 0;
  while (i < length) {
    std::uint32_t cp = 0;
    const std::size_t n = utf8Sequence(bytes, length, i, cp);
    if (n == 0) {
      out.push_back(static_cast<wchar_t>(bytes[i]));
      ++i;
    } else {
      appendCodePoint(cp, out);
      i += n;
    }
  }
  return out;
}

std::wstring utf16FromUtf8(const std::string& text) {
  return utf16FromUtf8(text.data(), text.size());
}

std::string utf8FromUtf16(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = static_cast<std::uint32_t>(text[i]);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::wstring decodeTextFile(const Bytes& bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return decodeUtf16(bytes, 2, false);
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return decodeUtf16(bytes, 2, true);
  // A file without byte-order mark that starts with an ASCII character stored as two
  // bytes is UTF-16LE that lost its mark.
  if (bytes.size() >= 4 && bytes[0] != 0 && bytes[0] < 0x80 && bytes[1] == 0 && bytes[3] == 0)
    return decodeUtf16(bytes, 0, false);
  std::size_t start = 0;
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) start = 3;
  return utf16FromUtf8(reinterpret_cast<const char*>(bytes.data()) + start, bytes.size() - start);
}

void appendUtf16Le(const std::wstring& text, Bytes& out) {
  out.reserve(out.size() + text.size() * 2);
  for (wchar_t c : text) {
    const auto unit = static_cast<std::uint32_t>(c);
    if (unit > 0xFFFF && unit <= 0x10FFFF) {
      // Only where wchar_t is wider than 16 bits can a code point arrive whole.
      const std::uint32_t v = unit - 0x10000;
      appendUnit(0xD800 + (v >> 10), out);
      appendUnit(0xDC00 + (v & 0x3FF), out);
    } else {
      appendUnit(unit > 0xFFFF ? 0xFFFD : unit, out);
    }
  }
}

Bytes encodeUtf16LeWithBom(const std::wstring& text) {
  Bytes out{0xFF, 0xFE};
  appendUtf16Le(text, out);
  return out;
}

wchar_t foldCase(wchar_t c) {
  const auto u = static_cast<std::uint32_t>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<wchar_t>(u + 32);
  if (u < 0xC0) return c;
  if ((u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<wchar_t>(u + 32);    // Latin-1
  if (u >= 0x100 && u <= 0x17F) {                                                      // Latin Extended-A
    if (u == 0x130 || u == 0x131 || u == 0x138 || u == 0x149 || u == 0x17F) return c;
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    const bool evenUpper = (u < 0x139) || (u >= 0x14A && u < 0x178);
    if (evenUpper) return (u % 2 == 0) ? static_cast<wchar_t>(u + 1) : c;
    return (u % 2 == 1) ? static_cast<wchar_t>(u + 1) : c;
  }
  if (u >= 0x391 && u <= 0x3AB && u != 0x3A2) return static_cast<wchar_t>(u + 32);   // Greek
  if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 32);                  // Cyrillic
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 80);
  return c;
}

bool equalsIgnoringCase(const wchar_t* a, const wchar_t* b) {
  for (;; ++a, ++b) {
    if (foldCase(*a) != foldCase(*b)) return false;
    if (*a == 0) return true;
  }
}

bool equalsIgnoringCase(const std::wstring& a, const wchar_t* b) {
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == 0 || foldCase(a[i]) != foldCase(b[i])) return false;
  }
  return b[i] == 0;
}

}  // namespace vistelo
