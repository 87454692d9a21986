#include "config/text_codec.h"

#include <gtest/gtest.h>

namespace vistelo {
namespace {

struct DecodeCase {
  const char* name;
  Bytes bytes;
  std::wstring text;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DecodesWholeFile) {
  EXPECT_EQ(decodeTextFile(GetParam().bytes), GetParam().text) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(
        DecodeCase{"utf16le_bom", {0xFF, 0xFE, 'a', 0, '=', 0, 0xE9, 0, '\r', 0, '\n', 0}, L"a=\u00e9\r\n"},
        DecodeCase{"utf16le_odd_last_byte_dropped", {0xFF, 0xFE, 'a', 0, 'b'}, L"a"},
        DecodeCase{"utf16be_bom", {0xFE, 0xFF, 0, 'a', 0x20, 0xAC}, L"a\u20ac"},
        DecodeCase{"utf16le_without_bom", {'k', 0, '=', 0, 'v', 0}, L"k=v"},
        DecodeCase{"utf8_bom", {0xEF, 0xBB, 0xBF, 'k', '=', 0xC3, 0xA9}, L"k=\u00e9"},
        DecodeCase{"utf8_plain", {'k', '=', 0xE2, 0x82, 0xAC}, L"k=\u20ac"},
        DecodeCase{"utf8_outside_bmp_becomes_surrogates", {0xF0, 0x9F, 0x98, 0x80}, std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}},
        DecodeCase{"invalid_utf8_is_latin1", {'C', ':', '\\', 0xE9, 't', 0xE9}, L"C:\\\u00e9t\u00e9"},
        DecodeCase{"truncated_utf8_sequence", {'a', 0xE2, 0x82}, L"a\u00e2\u0082"},
        DecodeCase{"overlong_utf8_rejected", {0xC0, 0xAF}, L"\u00c0\u00af"},
        DecodeCase{"empty", {}, L""},
        DecodeCase{"only_bom", {0xFF, 0xFE}, L""}),
    [](const ::testing::TestParamInfo<DecodeCase>& p) { return std::string(p.param.name); });

TEST(EncodeTest, WritesBomAndLittleEndianUnits) {
  const Bytes bytes = encodeUtf16LeWithBom(L"A\u20ac\r\n");
  EXPECT_EQ(bytes, (Bytes{0xFF, 0xFE, 'A', 0, 0xAC, 0x20, '\r', 0, '\n', 0}));
}

TEST(EncodeTest, SurrogatePairsRoundTrip) {
  const std::wstring text{L'x', wchar_t(0xD83D), wchar_t(0xDE00), L'y'};
  EXPECT_EQ(decodeTextFile(encodeUtf16LeWithBom(text)), text);
  EXPECT_EQ(utf16FromUtf8(utf8FromUtf16(text)), text);
}

TEST(EncodeTest, UnpairedSurrogateBecomesReplacementInUtf8) {
  EXPECT_EQ(utf8FromUtf16(std::wstring{wchar_t(0xD800), L'a'}), "\xEF\xBF\xBD" "a");
}

TEST(FoldCaseTest, MatchesAcrossScriptsAndNothingElse) {
  EXPECT_TRUE(equalsIgnoringCase(L"TIMER", L"timer"));
  EXPECT_TRUE(equalsIgnoringCase(L"\u00c9PINGLE", L"\u00e9pingle"));
  EXPECT_TRUE(equalsIgnoringCase(L"\u0106\u0139\u017d", L"\u0107\u013a\u017e"));
  EXPECT_TRUE(equalsIgnoringCase(L"\u0414\u0401\u03a3", L"\u0434\u0451\u03c3"));
  EXPECT_FALSE(equalsIgnoringCase(L"timer", L"timers"));
  EXPECT_FALSE(equalsIgnoringCase(L"a[", L"a{"));
  EXPECT_FALSE(equalsIgnoringCase(L"\u00d7", L"\u00f7"));  // multiplication and division signs
  EXPECT_TRUE(equalsIgnoringCase(std::wstring(L"Hide Viewer"), L"hide viewer"));
  EXPECT_FALSE(equalsIgnoringCase(std::wstring(L"hide"), L"hide viewer"));
}

}  // namespace
}  // namespace vistelo
