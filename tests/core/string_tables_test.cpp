#include "config/string_tables.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace vistelo {
namespace {

TEST(StringTablesTest, BuiltInTextsByNumber) {
  const LangTable table;
  EXPECT_STREQ(table.messageText(0), L"Set exhibit root. Hold SHIFT to append");
  EXPECT_STREQ(table.messageText(kMsgNotAFile), L"Not a file");
  EXPECT_STREQ(table.messageText(kMsgSaveFailed), L"Save failed");
  EXPECT_STREQ(table.messageText(26), L"Archive selected images?");
  EXPECT_STREQ(table.dialogText(0), L"&Ok");
  EXPECT_STREQ(table.dialogText(31), L"Win");
  EXPECT_STREQ(table.dialogText(33), L"All donations appreciated");
  EXPECT_STREQ(table.dialogText(35), L"Visit Brantic :: Donate");
  EXPECT_EQ(table.messages.size(), 27u);
  EXPECT_EQ(table.dialogStrings.size(), 36u);
}

TEST(StringTablesTest, UnknownNumbersGiveEmptyTextNeverNull) {
  const LangTable table;
  for (std::int32_t id : {-1, 27, 1000, 0x7FFFFFFF}) {
    ASSERT_NE(table.messageText(id), nullptr);
    EXPECT_STREQ(table.messageText(id), L"");
  }
  for (std::int32_t id : {-5, 36, 99}) {
    ASSERT_NE(table.dialogText(id), nullptr);
    EXPECT_STREQ(table.dialogText(id), L"");
  }
}

TEST(StringTablesTest, EveryTextFitsAMenuTextBuffer) {
  const LangTable table;
  for (const auto* entries : {&table.messages, &table.dialogStrings})
    for (const LangEntry& entry : *entries) EXPECT_LE(std::wcslen(entry.text.c_str()), 49u);
}

}  // namespace
}  // namespace vistelo
