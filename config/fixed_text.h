#pragma once
// A wide text in a fixed buffer, the way paths and short texts are held throughout the
// program (a path: 259 characters and a terminator).

#include <cstddef>
#include <cwchar>
#include <string>

namespace vistelo {

constexpr std::size_t kPathCapacity = 260;

template <std::size_t N>
struct FixedText {
  static constexpr std::size_t capacity = N;
  wchar_t chars[N] = {};

  // Copies the text when it fits (N - 1 characters); otherwise leaves the buffer as it
  // was and returns false, so that a long path is never silently cut to another path.
  bool assign(const wchar_t* text) {
    const std::size_t n = std::wcslen(text);
    if (n >= N) return false;
    std::wmemcpy(chars, text, n + 1);
    return true;
  }
  bool assign(const std::wstring& text) {
    if (text.size() >= N || text.find(L'\0') != std::wstring::npos) return false;
    std::wmemcpy(chars, text.c_str(), text.size() + 1);
    return true;
  }
  void clear() { chars[0] = 0; }
  bool empty() const { return chars[0] == 0; }
  std::size_t length() const { return std::wcslen(chars); }
  const wchar_t* c_str() const { return chars; }
  bool operator==(const wchar_t* text) const { return std::wcscmp(chars, text) == 0; }
  bool operator!=(const wchar_t* text) const { return !(*this == text); }
};

using PathText = FixedText<kPathCapacity>;

}  // namespace vistelo
