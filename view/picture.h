#pragma once
// The one decoded picture the view shows, and the imaging library's lifetime.

#include <windows.h>

#include <cstdint>

class Picture {
 public:
  Picture() = default;
  ~Picture() { release(); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Decodes the file, replacing what was held. False (and empty) when it does not
  // decode, or decodes to no pixels. The file stays open while the image lives.
  bool loadFromFile(const wchar_t* path);
  // A copy of the bitmap, which stays the caller's; replaces what was held.
  bool loadFromBitmap(HBITMAP bitmap);
  // Lets go of the image, and with it of the file.
  void release();
  bool hasImage() const { return image_ != nullptr; }
  int width() const;
  int height() const;

  // Turns or flips the image in memory by the imaging library's RotateFlipType number.
  void rotateFlip(int rotateFlipType);
  // Draws the whole image into (0, 0, width, height) of the target with `interpolation`.
  void drawScaled(HDC target, int width, int height) const;
  void drawScaled(HDC target, int x, int y, int width, int height) const;
  // Writes the image at the given size as BMP (format 0) or JPEG at quality 85
  // (format 1), through a temporary file beside the target, so a failed encode never
  // harms an existing file. 0 on success; never 0 when the encoder is missing or any
  // step failed.
  int saveScaled(const wchar_t* path, int format, int width, int height) const;
  // Colour depth of the image's pixel format; 0 for formats without a plain depth.
  int bitsPerPixel() const;

  int drawWidth = 0;
  int drawHeight = 0;
  int drawX = 0;
  int drawY = 0;
  int interpolation = 0;  // the imaging library's mode: 0 default, 2 high, 7 best
  int orientation = 1;    // the file's EXIF orientation, 1 when it has none

 private:
  void* image_ = nullptr;  // the imaging library's image
};

// Starts the imaging library (version 1, default options); false when it cannot.
bool startImaging(ULONG_PTR& token);
void stopImaging(ULONG_PTR& token);
