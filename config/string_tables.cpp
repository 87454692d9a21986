#include "config/string_tables.h"

namespace vistelo {
namespace {

const wchar_t* const kMessages[] = {
    L"Set exhibit root. Hold SHIFT to append",
    L"Set the favorites folder",
    L"Set the archive folder",
    L"Copy File",
    L"Move/Rename File",
    L"Save Vistelo Settings",
    L"KB",
    L"Not a file",
    L"Collage",
    L"Move/Rename failed",
    L"Copy failed",
    L"Save failed",
    L"is unavailable",
    L"Recycle",
    L"?",
    L"Recycle failed",
    L"Create shortcut failed",
    L"Archive",
    L"Archive operation failed",
    L"No files",
    L"Building exhibit... still no match",
    L"No match",
    L"Hotkey unavailable",
    L"Searching... press any key",
    L"Auto-updating... press any key",
    L"Recycle selected images?",
    L"Archive selected images?",
};

// Number 32 has no text of its own; it keeps its place so that the numbers run on.
const wchar_t* const kDialogStrings[] = {
    L"&Ok",
    L"&Cancel",
    L"Slideshow Timer",
    L"Milliseconds",
    L"Blend Opacity",
    L"(255: opaque)",
    L"Go To",
    L"(Image index)",
    L"Thumbnail Size",
    L"(Default: 100)",
    L"Zoom Step",
    L"(Default: 10)",
    L"Collage Size",
    L"(Default: 250)",
    L"Raise Caption",
    L"(Default: 4)",
    L"Lengthen Window",
    L"(Default: 2)",
    L"Image Viewer",
    L"File Manager",
    L"Find/Filter",
    L"Match file&name only",
    L"Match &case",
    L"&Find",
    L"Filter",
    L"E&xclude",
    L"Hide/Show HotKey",
    L"Press Key",
    L"Control",
    L"Shift",
    L"Alt",
    L"Win",
    L"",
    L"All donations appreciated",
    L"Language: Default (English)",
    L"Visit Brantic :: Donate",
};

template <std::size_t N>
std::vector<LangEntry> numbered(const wchar_t* const (&texts)[N]) {
  std::vector<LangEntry> entries(N);
  for (std::size_t i = 0; i < N; ++i) {
    entries[i].number = static_cast<std::int32_t>(i);
    entries[i].parent = -1;
    entries[i].text.assign(texts[i]);
  }
  return entries;
}

const wchar_t* lookup(const std::vector<LangEntry>& entries, std::int32_t id) {
  for (const LangEntry& entry : entries) {
    if (entry.number == id) return entry.text.c_str();
  }
  return L"";
}

}  // namespace

LangTable::LangTable() : dialogStrings(numbered(kDialogStrings)), messages(numbered(kMessages)) {}

const wchar_t* LangTable::messageText(std::int32_t id) const { return lookup(messages, id); }
const wchar_t* LangTable::dialogText(std::int32_t id) const { return lookup(dialogStrings, id); }

LangTable& langTable() {
  static LangTable table;
  return table;
}

}  // namespace vistelo
