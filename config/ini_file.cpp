#include "config/ini_file.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "config/text_codec.h"

namespace vistelo {
namespace {

bool isSeparator(wchar_t c) { return c == L'=' || c == L'\r' || c == L'\n'; }
bool isLineEnd(wchar_t c) { return c == L'\r' || c == L'\n'; }
bool isBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

int digitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'z') return c - L'a' + 10;
  if (c >= L'A' && c <= L'Z') return c - L'A' + 10;
  return 99;
}

bool startsWith(const std::wstring& line, const wchar_t* prefix) {
  const std::size_t n = std::wcslen(prefix);
  return line.size() >= n && line.compare(0, n, prefix) == 0;
}

template <typename T>
T lowBits(std::int64_t v) {
  return static_cast<T>(static_cast<std::uint64_t>(v));
}

std::int32_t clampToInt32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

// Locale-independent, so that a decimal comma of the user's locale never enters a file.
bool scanFloating(const std::wstring& text, double& value) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  if (i < text.size() && text[i] == L'+') ++i;
  std::string narrow;
  for (; i < text.size() && narrow.size() < 64; ++i) {
    const wchar_t c = text[i];
    if (c > 0x7F) break;
    narrow.push_back(static_cast<char>(c));
  }
  const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  return result.ec == std::errc() && result.ptr != narrow.data();
}

std::wstring formatFloating(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  return std::wstring(buffer, result.ptr);
}

std::wstring formatInteger(std::int64_t value, int base) {
  if (value == 0) return L"0";
  const bool negative = value < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::wstring digits;
  while (magnitude != 0) {
    digits.insert(digits.begin(), L"0123456789abcdef"[magnitude % static_cast<unsigned>(base)]);
    magnitude /= static_cast<unsigned>(base);
  }
  if (negative) digits.insert(digits.begin(), L'-');
  return digits;
}

}  // namespace

bool scanInteger(const wchar_t* text, int base, std::int64_t& value) {
  const wchar_t* p = text;
  while (isBlank(*p)) ++p;
  bool negative = false;
  if (*p == L'+' || *p == L'-') {
    negative = *p == L'-';
    ++p;
  }
  if (base == 16 && p[0] == L'0' && (p[1] == L'x' || p[1] == L'X') && digitValue(p[2]) < 16) p += 2;
  if (digitValue(*p) >= base) return false;
  const std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 64;
  std::int64_t v = 0;
  for (; digitValue(*p) < base; ++p) {
    if (v < limit) v = v * base + digitValue(*p);
  }
  value = negative ? -v : v;
  return true;
}

bool splitKeyValue(const std::wstring& line, std::wstring& key, std::wstring& value) {
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (i < n && isSeparator(line[i])) ++i;
  const std::size_t keyStart = i;
  while (i < n && !isSeparator(line[i])) ++i;
  if (i == keyStart || i == n || line[i] != L'=') return false;
  const std::size_t valueStart = i + 1;
  std::size_t valueEnd = valueStart;
  while (valueEnd < n && !isLineEnd(line[valueEnd])) ++valueEnd;
  if (valueEnd == valueStart) return false;
  key.assign(line, keyStart, i - keyStart);
  value.assign(line, valueStart, valueEnd - valueStart);
  return true;
}

bool convertValue(const SettingsRow& row, const std::wstring& value, std::size_t maxLength) {
  std::int64_t number = 0;
  switch (row.type) {
    case SettingType::Switch:
      if (equalsIgnoringCase(value, L"TRUE")) *static_cast<bool*>(row.target) = true;
      else if (equalsIgnoringCase(value, L"FALSE")) *static_cast<bool*>(row.target) = false;
      else return false;
      return true;
    case SettingType::Word:
      if (!scanInteger(value.c_str(), 10, number)) return false;
      *static_cast<std::uint16_t*>(row.target) = lowBits<std::uint16_t>(clampToInt32(number));
      return true;
    case SettingType::Short:
      if (!scanInteger(value.c_str(), 10, number)) return false;
      *static_cast<std::int32_t*>(row.target) = lowBits<std::int16_t>(clampToInt32(number));
      return true;
    case SettingType::Long:
      if (!scanInteger(value.c_str(), 10, number)) return false;
      *static_cast<std::int32_t*>(row.target) = clampToInt32(number);
      return true;
    case SettingType::OctalWord:
    case SettingType::HexWord:
      if (!scanInteger(value.c_str(), row.type == SettingType::HexWord ? 16 : 8, number)) return false;
      *static_cast<std::uint16_t*>(row.target) = lowBits<std::uint16_t>(number);
      return true;
    case SettingType::OctalLong:
    case SettingType::HexLong:
      if (!scanInteger(value.c_str(), row.type == SettingType::HexLong ? 16 : 8, number)) return false;
      *static_cast<std::uint32_t*>(row.target) = lowBits<std::uint32_t>(number);
      return true;
    case SettingType::Float: {
      double d = 0;
      if (!scanFloating(value, d)) return false;
      *static_cast<float*>(row.target) = static_cast<float>(d);
      return true;
    }
    case SettingType::Double: {
      double d = 0;
      if (!scanFloating(value, d)) return false;
      *static_cast<double*>(row.target) = d;
      return true;
    }
    case SettingType::Text: {
      std::size_t limit = row.capacity < maxLength ? row.capacity : maxLength;
      if (limit == 0) return false;
      const std::size_t count = value.size() < limit - 1 ? value.size() : limit - 1;
      auto* buffer = static_cast<wchar_t*>(row.target);
      value.copy(buffer, count);
      buffer[count] = 0;
      return true;
    }
    case SettingType::None:
      break;
  }
  return false;
}

std::wstring formatValue(const SettingsRow& row) {
  switch (row.type) {
    case SettingType::Switch:
      return *static_cast<const bool*>(row.target) ? L"TRUE" : L"FALSE";
    case SettingType::Word:
      return formatInteger(static_cast<std::int16_t>(*static_cast<const std::uint16_t*>(row.target)), 10);
    case SettingType::Short:
      return formatInteger(static_cast<std::int16_t>(*static_cast<const std::int32_t*>(row.target)), 10);
    case SettingType::Long:
      return formatInteger(*static_cast<const std::int32_t*>(row.target), 10);
    case SettingType::OctalWord:
      return formatInteger(*static_cast<const std::uint16_t*>(row.target), 8);
    case SettingType::OctalLong:
      return formatInteger(*static_cast<const std::uint32_t*>(row.target), 8);
    case SettingType::HexWord:
      return formatInteger(*static_cast<const std::uint16_t*>(row.target), 16);
    case SettingType::HexLong:
      return formatInteger(*static_cast<const std::uint32_t*>(row.target), 16);
    case SettingType::Float:
      return formatFloating(static_cast<double>(*static_cast<const float*>(row.target)));
    case SettingType::Double:
      return formatFloating(*static_cast<const double*>(row.target));
    case SettingType::Text: {
      const auto* text = static_cast<const wchar_t*>(row.target);
      std::size_t n = 0;
      while (n < row.capacity && text[n] != 0) ++n;
      return std::wstring(text, n);
    }
    case SettingType::None:
      break;
  }
  return std::wstring();
}

IniReader::IniReader(const std::wstring& text) {
  // Whole lines, however long: a line is never cut into pieces that would be read as
  // lines of their own.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    lines_.emplace_back(text, start, end - start);
    start = end + 1;
  }
}

bool IniReader::readSection(const SettingsTable& table, const wchar_t* header, std::size_t maxLength) const {
  std::size_t i = 0;
  if (header != nullptr) {
    while (i < lines_.size() && !startsWith(lines_[i], header)) ++i;
    if (i == lines_.size()) return false;
    ++i;
  }
  std::wstring key;
  std::wstring value;
  for (; i < lines_.size(); ++i) {
    const std::wstring& line = lines_[i];
    if (!line.empty() && line[0] == L'[') break;
    if (!line.empty() && line[0] == L'#') continue;
    if (!splitKeyValue(line, key, value)) continue;
    for (const SettingsRow& row : table) {
      if (row.target == nullptr) break;
      if (equalsIgnoringCase(key, row.key)) convertValue(row, value, maxLength);
    }
  }
  return true;
}

void IniWriter::writeSection(const SettingsTable& table, const wchar_t* header) {
  if (!text_.empty()) text_ += L"\r\n";
  if (header != nullptr) {
    text_ += header;
    text_ += L"\r\n";
  }
  for (const SettingsRow& row : table) {
    if (row.target == nullptr) break;
    text_ += row.key;
    text_ += L'=';
    text_ += formatValue(row);
    text_ += L"\r\n";
  }
}

}  // namespace vistelo
