#pragma once
// The translatable texts: menu items and submenu names (captured from the menu
// resources at start), the dialog strings and the messages (built in, in English).

#include <cstdint>
#include <vector>

#include "config/fixed_text.h"

namespace vistelo {

// A menu or message text: at most 49 characters.
using LangText = FixedText<50>;

struct LangEntry {
  std::int32_t number;  // command id, submenu position, or the string's own number
  std::int32_t parent;  // second-level submenu names: the parent's position; else -1
  LangText text;
};

struct LangTable {
  std::vector<LangEntry> mainMenuItems;
  std::vector<LangEntry> mainSubmenuNames;
  std::vector<LangEntry> secondLevelNames;
  std::vector<LangEntry> dialogStrings;
  std::vector<LangEntry> messages;
  std::vector<LangEntry> catalogMenuItems;
  std::vector<LangEntry> catalogSubmenuNames;

  LangTable();  // the built-in English dialog strings and messages; menu tables empty

  // The text with that number, or empty text when no entry has it (never null).
  const wchar_t* messageText(std::int32_t id) const;
  const wchar_t* dialogText(std::int32_t id) const;
};

// The process-wide tables, filled at start and read afterwards.
LangTable& langTable();

// Message numbers the program's code refers to by name.
enum MessageId : std::int32_t {
  kMsgSetExhibitRoot = 0,
  kMsgSetFavorites = 1,
  kMsgSetArchive = 2,
  kMsgCopyFile = 3,
  kMsgMoveRenameFile = 4,
  kMsgSaveSettingsTitle = 5,
  kMsgKilobytes = 6,
  kMsgNotAFile = 7,
  kMsgCollage = 8,
  kMsgMoveRenameFailed = 9,
  kMsgCopyFailed = 10,
  kMsgSaveFailed = 11,
  kMsgIsUnavailable = 12,
};

}  // namespace vistelo
