#include "view/view_texts.h"

#include <cmath>

#include "config/string_tables.h"
#include "exhibit/exhibit_list.h"

namespace vistelo {
namespace {

const wchar_t kAppName[] = L"Vistelo";

// Cuts to what the buffer holds, dropping a lone high surrogate at the end of the cut.
template <std::size_t N>
FixedText<N> bounded(std::wstring text) {
  if (const std::size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
  if (text.size() > N - 1) {
    std::size_t keep = N - 1;
    const wchar_t last = text[keep - 1];
    if (last >= 0xD800 && last <= 0xDBFF) --keep;
    text.resize(keep);
  }
  FixedText<N> out;
  out.assign(text);
  return out;
}

std::wstring twoDigits(std::uint64_t value) {
  std::wstring out;
  out += static_cast<wchar_t>(L'0' + value / 10 % 10);
  out += static_cast<wchar_t>(L'0' + value % 10);
  return out;
}

std::wstring fixed2(std::uint64_t hundredths) {
  return decimalText(static_cast<std::int64_t>(hundredths / 100)) + L"." + twoDigits(hundredths % 100);
}

// The shown name: the whole path, or the bare file name without its extension. A
// shortcut reads "*" and its file name, ".lnk" being the extension cut off.
std::wstring captionName(const std::wstring& path, bool fullname) {
  const bool shortcut = isShortcutPath(path);
  if (fullname || path == kClipboardPath) return shortcut ? L"*" + path : path;
  const std::size_t slash = path.rfind(L'\\');
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return shortcut ? L"*" + name : name;
}

std::wstring sizePart(const ViewTextFacts& f) {
  if (f.currentPath == kClipboardPath) return std::wstring(L"\t") + langTable().messageText(kMsgNotAFile);
  const wchar_t* kb = langTable().messageText(kMsgKilobytes);
  if (!f.fileSizeKnown) return std::wstring(L"\t!") + kb;
  return L"\t" + fractionText2(f.fileSize, 1024) + kb;
}

std::wstring zoomPart(const ViewTextFacts& f) {
  if (f.collage) {
    // Unsigned, as a tile is never narrower than nothing; no width means no ratio.
    const std::uint64_t tile = f.collageTileWidth > 0 ? static_cast<std::uint64_t>(f.collageTileWidth) : 0;
    const std::uint64_t width = f.image.width > 0 ? static_cast<std::uint64_t>(f.image.width) : 0;
    const std::uint64_t percent = width == 0 ? 0 : tile * 100 / width;
    return L"\t" + decimalText(static_cast<std::int64_t>(percent)) + L"%";
  }
  const bool locked = f.zoomLock > 0 && !f.manualZoom;
  return (locked ? L"\t!" : L"\t") + decimalText(f.zoomPercent) + L"%";
}

std::int64_t scrollSteps(std::int32_t overflow, std::int32_t step) {
  if (overflow <= 0) return 0;
  return step > 0 ? overflow / step + 1 : 1;
}

std::wstring scrollPart(const ViewTextFacts& f) {
  if (f.collage) return std::wstring(L"\t") + langTable().messageText(kMsgCollage);
  if (f.squeeze && !f.manualZoom) return L"";
  return L"\t H:" + decimalText(scrollSteps(f.overflowX, f.scrollStep)) +
         L" V:" + decimalText(scrollSteps(f.overflowY, f.scrollStep));
}

std::wstring positionPart(const ViewTextFacts& f) {
  const std::wstring count = decimalText(f.count);
  if (f.currentPath == kClipboardPath) return L"\t?/" + count;
  return L"\t" + decimalText(static_cast<std::int64_t>(f.currentIndex) + 1) + L"/" + count;
}

}  // namespace

std::wstring decimalText(std::int64_t value) {
  // Built from the unsigned magnitude so that the smallest value has a positive twin.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  wchar_t digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::wstring out = value < 0 ? L"-" : L"";
  while (n > 0) out += digits[--n];
  return out;
}

std::wstring fractionText2(std::uint64_t numerator, std::uint64_t denominator) {
  if (denominator == 0) return L"0.00";
  // Exact for numerators below 2^57; file sizes are 32-bit.
  const std::uint64_t scaled = numerator * 100;
  std::uint64_t hundredths = scaled / denominator;
  const std::uint64_t twice = scaled % denominator * 2;
  if (twice > denominator || (twice == denominator && hundredths % 2 == 1)) ++hundredths;
  return fixed2(hundredths);
}

std::wstring secondsText2(std::int32_t milliseconds) {
  const std::int64_t signedMs = milliseconds;
  const std::uint64_t ms = static_cast<std::uint64_t>(signedMs < 0 ? -signedMs : signedMs);
  std::uint64_t hundredths = ms / 10;
  const std::uint64_t rest = ms % 10;
  bool up = rest > 5;
  if (rest == 5) {
    // A half that printf sees through the double nearest to ms / 1000: the sign of the
    // exact residue tells on which side of the half that double lies.
    const double seconds = static_cast<double>(ms) / 1000.0;
    const double residue = std::fma(seconds, 1000.0, -static_cast<double>(ms));
    up = residue > 0 || (residue == 0 && hundredths % 2 == 1);
  }
  if (up) ++hundredths;
  const std::wstring text = fixed2(hundredths);
  return milliseconds < 0 ? L"-" + text : text;
}

CaptionText captionText(const ViewTextFacts& f) {
  const std::wstring suffix = std::wstring(L" - ") + kAppName;
  if (!f.title) return bounded<kPathCapacity>(kAppName);
  if (f.count == 0) return bounded<kPathCapacity>(f.viewedFolder + suffix);
  std::wstring text = captionName(f.currentPath, f.fullname) + suffix;
  if (f.zoomPercent != 100 && !f.collage)
    text += L" (Zoom: " + decimalText(f.drawn.width) + L" x " + decimalText(f.drawn.height) + L")";
  return bounded<kPathCapacity>(text);
}

ShortText tooltipText(const CaptionText& caption) { return bounded<128>(caption.c_str()); }

ShortText countdownText(ClockShow clock, std::int32_t remainingMs) {
  switch (clock) {
    case ClockShow::kCounting:
      return bounded<128>(L"\t" + secondsText2(remainingMs));
    case ClockShow::kStopped:
      return bounded<128>(L"\t...");
    case ClockShow::kOff:
      break;
  }
  return bounded<128>(L"\t!");
}

ShortText keyHintText() { return bounded<128>(L"\tF1 menu | Esc exit"); }

StatusParts statusParts(const ViewTextFacts& f) {
  StatusParts s;
  s.part[5] = countdownText(f.clock, f.slideRemaining);
  s.part[6] = keyHintText();
  if (!f.pictureHeld || f.count == 0) return s;
  s.part[0] = bounded<128>(sizePart(f));
  s.part[1] = bounded<128>(L"\t" + decimalText(f.image.width) + L"x" + decimalText(f.image.height) + L"x" +
                           decimalText(f.bitsPerPixel));
  s.part[2] = bounded<128>(zoomPart(f));
  s.part[3] = bounded<128>(scrollPart(f));
  s.part[4] = bounded<128>(positionPart(f));
  return s;
}

CaptionText screenNameText(const ViewTextFacts& f) {
  if (f.count == 0) return bounded<kPathCapacity>(f.viewedFolder);
  return bounded<kPathCapacity>(isShortcutPath(f.currentPath) ? L"*" + f.currentPath : f.currentPath);
}

}  // namespace vistelo
