#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vistelo {
namespace {

// A small section with one variable of each kind the program's files use.
struct Section {
  bool slide = false;
  std::int32_t timer = 5000;
  std::int32_t zoom = 0;
  wchar_t folder[260] = L"unchanged";
  SettingsTable table() {
    return {{L"slide", SettingType::Switch, &slide, 0},
            {L"timer", SettingType::Long, &timer, 0},
            {L"zoom", SettingType::Short, &zoom, 0},
            {L"folder", SettingType::Text, folder, 260},
            {L"hide viewer", SettingType::Switch, &slide, 0}};
  }
};

Section read(const std::wstring& text, const wchar_t* header = L"[S]") {
  Section s;
  IniReader(text).readSection(s.table(), header, 260);
  return s;
}

struct LineCase {
  const char* name;
  const wchar_t* line;
  bool slide;
  std::int32_t timer;
  std::int32_t zoom;
  const wchar_t* folder;
};

class LineRulesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRulesTest, ReadsLineAsExpected) {
  const LineCase& c = GetParam();
  const Section s = read(std::wstring(L"[S]\r\n") + c.line + L"\r\n");
  EXPECT_EQ(s.slide, c.slide);
  EXPECT_EQ(s.timer, c.timer);
  EXPECT_EQ(s.zoom, c.zoom);
  EXPECT_STREQ(s.folder, c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineRulesTest,
    ::testing::Values(
        LineCase{"switch_any_case", L"slide=true", true, 5000, 0, L"unchanged"},
        LineCase{"blank_before_value_is_part_of_it", L"slide= TRUE", false, 5000, 0, L"unchanged"},
        LineCase{"blank_after_key_is_part_of_it", L"slide =TRUE", false, 5000, 0, L"unchanged"},
        LineCase{"switch_other_text_unchanged", L"slide=yes", false, 5000, 0, L"unchanged"},
        LineCase{"number_skips_leading_blanks", L"timer= 3000", false, 3000, 0, L"unchanged"},
        LineCase{"number_stops_at_first_non_digit", L"timer=3000ms", false, 3000, 0, L"unchanged"},
        LineCase{"number_without_digits_unchanged", L"timer=ms", false, 5000, 0, L"unchanged"},
        LineCase{"negative_number", L"timer=-7", false, -7, 0, L"unchanged"},
        LineCase{"number_saturates", L"timer=99999999999999", false, 2147483647, 0, L"unchanged"},
        LineCase{"small_number_keeps_sign", L"zoom=-50", false, 5000, -50, L"unchanged"},
        LineCase{"small_number_keeps_low_16_bits", L"zoom=65537", false, 5000, 1, L"unchanged"},
        LineCase{"key_letter_case_ignored", L"TIMER=10", false, 10, 0, L"unchanged"},
        LineCase{"key_with_blank", L"Hide Viewer=TRUE", true, 5000, 0, L"unchanged"},
        LineCase{"empty_value_leaves_text", L"folder=", false, 5000, 0, L"unchanged"},
        LineCase{"value_keeps_equals_signs", L"folder=C:\\a=b", false, 5000, 0, L"C:\\a=b"},
        LineCase{"value_may_start_with_equals", L"folder==x", false, 5000, 0, L"=x"},
        LineCase{"value_keeps_blanks", L"folder= C:\\x ", false, 5000, 0, L" C:\\x "},
        LineCase{"leading_separators_skipped_no_value", L"=timer", false, 5000, 0, L"unchanged"},
        LineCase{"leading_separators_then_pair", L"==timer=12", false, 12, 0, L"unchanged"},
        LineCase{"comment_line", L"#timer=1", false, 5000, 0, L"unchanged"},
        LineCase{"semicolon_is_a_key", L";timer=1", false, 5000, 0, L"unchanged"},
        LineCase{"unknown_key", L"timers=1", false, 5000, 0, L"unchanged"},
        LineCase{"line_without_equals", L"timer", false, 5000, 0, L"unchanged"}),
    [](const ::testing::TestParamInfo<LineCase>& p) { return std::string(p.param.name); });

TEST(IniReaderTest, LongLineIsNeverCutIntoLines) {
  // A long value whose 255th character is "[" would, cut into pieces, end the section.
  std::wstring value(254, L'x');
  value += L"[Next]=1";
  const Section s = read(L"[S]\r\nfolder=" + value + L"\r\ntimer=42\r\n");
  EXPECT_EQ(s.timer, 42);
  EXPECT_EQ(std::wcslen(s.folder), 259u);  // kept to the buffer, terminated
}

TEST(IniReaderTest, TextValueIsCutToMaxLength) {
  Section s;
  IniReader(L"[S]\r\nfolder=abcdefghijklmnop\r\n").readSection(s.table(), L"[S]", 12);
  EXPECT_STREQ(s.folder, L"abcdefghijk");
}

TEST(IniReaderTest, LinesEndingInLfOnlyOrNotAtAll) {
  EXPECT_EQ(read(L"[S]\ntimer=1\nzoom=2").zoom, 2);
  EXPECT_EQ(read(L"[S]\ntimer=1\nzoom=2").timer, 1);
}

struct SectionCase {
  const char* name;
  const wchar_t* text;
  bool found;
  std::int32_t timer;
};

class SectionLookupTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionLookupTest, FindsTheRightSection) {
  Section s;
  const bool found = IniReader(GetParam().text).readSection(s.table(), L"[S]", 260);
  EXPECT_EQ(found, GetParam().found);
  EXPECT_EQ(s.timer, GetParam().timer);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SectionLookupTest,
    ::testing::Values(
        SectionCase{"absent", L"[T]\r\ntimer=1\r\n", false, 5000},
        SectionCase{"key_in_other_section", L"[T]\r\ntimer=1\r\n[S]\r\nzoom=1\r\n", true, 5000},
        SectionCase{"ends_at_next_header", L"[S]\r\n[T]\r\ntimer=1\r\n", true, 5000},
        SectionCase{"first_occurrence_only", L"[S]\r\ntimer=1\r\n[S]\r\ntimer=2\r\n", true, 1},
        SectionCase{"header_with_trailing_text", L"[S] ; mine\r\ntimer=3\r\n", true, 3},
        SectionCase{"header_letter_case_counts", L"[s]\r\ntimer=3\r\n", false, 5000},
        SectionCase{"header_leading_blank_not_a_header", L" [S]\r\ntimer=3\r\n", false, 5000},
        SectionCase{"last_value_wins_within_section", L"[S]\r\ntimer=1\r\ntimer=2\r\n", true, 2}),
    [](const ::testing::TestParamInfo<SectionCase>& p) { return std::string(p.param.name); });

TEST(IniReaderTest, NullHeaderReadsTopOfFile) {
  EXPECT_EQ(read(L"timer=9\r\n[S]\r\ntimer=1\r\n", nullptr).timer, 9);
}

TEST(IniReaderTest, SameVariableInTwoRowsSetByEither) {
  EXPECT_TRUE(read(L"[S]\r\nhide viewer=TRUE\r\n").slide);
}

struct ConvertCase {
  const char* name;
  SettingType type;
  const wchar_t* text;
  std::uint64_t expected;  // the variable's bits after reading
  const wchar_t* written;  // how that value is written back
};

class ConvertTest : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTest, ReadsAndWritesByType) {
  const ConvertCase& c = GetParam();
  std::uint16_t word = 0;
  bool on = false;
  std::uint32_t number = 0;
  void* target = &number;
  if (c.type == SettingType::Word || c.type == SettingType::OctalWord || c.type == SettingType::HexWord) target = &word;
  if (c.type == SettingType::Switch) target = &on;
  SettingsRow row{L"k", c.type, target, 0};
  ASSERT_TRUE(convertValue(row, c.text, 260));
  const std::uint64_t bits = target == &word ? word : target == &on ? std::uint64_t(on) : number;
  EXPECT_EQ(bits, c.expected);
  EXPECT_EQ(formatValue(row), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ConvertTest,
    ::testing::Values(
        ConvertCase{"word", SettingType::Word, L"40000", 40000, L"-25536"},
        ConvertCase{"word_negative", SettingType::Word, L"-1", 0xFFFF, L"-1"},
        ConvertCase{"switch_false", SettingType::Switch, L"False", 0, L"FALSE"},
        ConvertCase{"short", SettingType::Short, L"-50", 0xFFFFFFCEu, L"-50"},
        ConvertCase{"long", SettingType::Long, L"-2147483648", 0x80000000u, L"-2147483648"},
        ConvertCase{"octal_word", SettingType::OctalWord, L"777", 511, L"777"},
        ConvertCase{"octal_long", SettingType::OctalLong, L"17777777777", 0x7FFFFFFF, L"17777777777"},
        ConvertCase{"hex_word", SettingType::HexWord, L"0xBEEF", 0xBEEF, L"beef"},
        ConvertCase{"hex_long", SettingType::HexLong, L"  DEADbeefzz", 0xDEADBEEF, L"deadbeef"},
        ConvertCase{"hex_stops_at_non_digit", SettingType::HexLong, L"0xg", 0, L"0"}),
    [](const ::testing::TestParamInfo<ConvertCase>& p) { return std::string(p.param.name); });

TEST(ConvertTest, FloatingPointIsLocaleFree) {
  float f = 0;
  double d = 0;
  SettingsRow fr{L"f", SettingType::Float, &f, 0};
  SettingsRow dr{L"d", SettingType::Double, &d, 0};
  ASSERT_TRUE(convertValue(fr, L" 1.5xyz", 260));
  ASSERT_TRUE(convertValue(dr, L"+2.5e10", 260));
  EXPECT_EQ(f, 1.5f);
  EXPECT_EQ(formatValue(fr), L"1.5");
  EXPECT_EQ(formatValue(dr), L"2.5e+10");
  EXPECT_FALSE(convertValue(dr, L",5", 260));
  EXPECT_EQ(d, 2.5e10);
}

TEST(IniWriterTest, TwoSectionsLayout) {
  bool on = true;
  std::int32_t n = -3;
  wchar_t text[20] = L"C:\\a=b";
  IniWriter writer;
  writer.writeSection({{L"on", SettingType::Switch, &on, 0}, {L"n", SettingType::Long, &n, 0}}, L"[One]");
  writer.writeSection({{L"path", SettingType::Text, text, 20}}, L"[Two]");
  EXPECT_EQ(writer.text(), L"[One]\r\non=TRUE\r\nn=-3\r\n\r\n[Two]\r\npath=C:\\a=b\r\n");
}

TEST(IniWriterTest, RowWithNullTargetEndsTable) {
  bool on = false;
  IniWriter writer;
  writer.writeSection({{L"a", SettingType::Switch, &on, 0}, {L"b", SettingType::Switch, nullptr, 0},
                       {L"c", SettingType::Switch, &on, 0}},
                      L"[S]");
  EXPECT_EQ(writer.text(), L"[S]\r\na=FALSE\r\n");
}

}  // namespace
}  // namespace vistelo
