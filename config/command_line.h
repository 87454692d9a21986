#pragma once
// The command line's arguments: every option the program knows, the number forms, and
// the rules for path arguments. The Win32 side splits the command line, hands the
// arguments here and carries out what needs the system (paths, presets, wallpaper).

#include <string>
#include <vector>

#include "config/settings.h"

#include "exhibit/exhibit_entry.h"  // folderOf

namespace vistelo {

// What the arguments ask for besides the settings they set.
class CommandLineActions {
 public:
  virtual ~CommandLineActions() = default;
  // Anything that does not begin with "-"; trailing blanks already removed.
  virtual void pathArgument(const std::wstring& path) = 0;
  virtual void center() = 0;
  // n = 1..5; `wrap` is turned off afterwards.
  virtual void restorePreset(int n) = 0;
  // style: 1 center, 2 tile, 3 stretch, 4 fit, 5 fill.
  virtual void setWallpaper(int style) = 0;
  virtual void clearWallpaper() = 0;
};

// The choices of the command line that are never saved.
struct CommandLineSwitches {
  bool blend = false;
  int blendOpacity = 127;  // kept as given: the window uses its low byte
  bool landscape = false;
  bool portrait = false;
  bool noShell = false;
  bool noMenu = false;
  bool browse = false;     // pick the exhibit root once all arguments are applied
  bool translate = false;  // end the program at once
};

// Applies the arguments in order and then keeps the settings in range. Stops at once at
// "-translate" (switches.translate set).
void applyArguments(const std::vector<std::wstring>& args, Settings& settings, CommandLineSwitches& switches,
                    CommandLineActions& actions);

// The text without the blanks at its end.
std::wstring withoutTrailingBlanks(const std::wstring& text);

// True when the text from the path's last "." is exactly ".ini".
bool namesSettingsFile(const std::wstring& path);

// True when the decoded file text has a line starting with "[Vistelo]": only such a
// file (or one that does not exist yet) may be overwritten with the settings.
bool holdsProgramSection(const std::wstring& text);

}  // namespace vistelo
