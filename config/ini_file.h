#pragma once
// Reader and writer of the program's key=value files (settings and language file).
//
// A file is a run of sections: a header line such as "[Slideshow]" followed by
// key=value lines. A SettingsTable binds each key of one section to a typed variable;
// the same table drives reading and writing, so a section's layout in the file is
// exactly its table.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vistelo {

// How a row's value is stored in memory and spelt in the file.
enum class SettingType : int {
  None = 0,
  Word = 1,       // std::uint16_t: read as a decimal integer (low 16 bits), written signed
  Switch = 2,     // bool: "TRUE" or "FALSE", letter case ignored when reading
  Short = 3,      // std::int32_t holding a signed 16-bit value
  Long = 4,       // std::int32_t
  OctalWord = 5,  // std::uint16_t, octal without prefix
  OctalLong = 6,  // std::uint32_t, octal without prefix
  HexWord = 7,    // std::uint16_t, lower-case hexadecimal without prefix
  HexLong = 8,    // std::uint32_t, lower-case hexadecimal without prefix
  Float = 9,      // float, written like "%g"
  Double = 10,    // double, written like "%g"
  Text = 11,      // wchar_t buffer of `capacity` units, terminator included
};

struct SettingsRow {
  const wchar_t* key;   // compared ignoring letter case when reading, written unchanged
  SettingType type;
  void* target;         // the variable; the same variable may stand in several rows
  std::size_t capacity; // Text rows: size of the target buffer in wchar_t
};

using SettingsTable = std::vector<SettingsRow>;

// Reads sections out of the decoded text of a whole file.
class IniReader {
 public:
  explicit IniReader(const std::wstring& text);

  // Fills the table's variables from the first section whose header line starts with
  // `header` (null: the lines at the top of the file, before any header). Text values
  // keep at most maxLength - 1 characters. Returns false when the section is absent;
  // keys that are missing or do not convert leave their variables unchanged.
  bool readSection(const SettingsTable& table, const wchar_t* header, std::size_t maxLength) const;

 private:
  std::vector<std::wstring> lines_;
};

// Builds the text of a file section by section (CR LF line ends, sections separated by
// an empty line). The byte-order mark is added when the text is encoded.
class IniWriter {
 public:
  void writeSection(const SettingsTable& table, const wchar_t* header);
  const std::wstring& text() const { return text_; }

 private:
  std::wstring text_;
};

// Splits one line into its key and value: the key runs from the first character that
// is not "=", CR or LF up to the next such character, which must be "="; the value is
// everything after that "=" up to the line end, further "=" included. False when the
// line has no key or no value.
bool splitKeyValue(const std::wstring& line, std::wstring& key, std::wstring& value);

// Stores `value` into the row's variable by the row's type. False (and the variable
// unchanged) when the text does not convert.
bool convertValue(const SettingsRow& row, const std::wstring& value, std::size_t maxLength);

// The row's variable spelt as it is written to the file.
std::wstring formatValue(const SettingsRow& row);

// Reads an integer like the C runtime's wide scanf: leading blanks skipped, an optional
// sign, for base 16 an optional "0x", then digits up to the first that does not fit.
// Saturates instead of overflowing. False when there is no digit.
bool scanInteger(const wchar_t* text, int base, std::int64_t& value);

}  // namespace vistelo
