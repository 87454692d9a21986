#include "view/picture.h"

#include <objidl.h>

#include <algorithm>
// The imaging library's headers use unqualified min and max.
using std::max;
using std::min;
#include <gdiplus.h>

#include <string>
#include <vector>

#include "config/file_io_win.h"
#include "view/exif_orientation.h"

namespace gp = Gdiplus::DllExports;

namespace {

// The orientation tag sits in the first segments of a JPEG file.
constexpr std::size_t kExifSearchBytes = 128 * 1024;

Gdiplus::GpImage* asImage(void* image) { return static_cast<Gdiplus::GpImage*>(image); }

bool findEncoder(const wchar_t* mimeType, CLSID& clsid) {
  UINT count = 0;
  UINT size = 0;
  if (gp::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (gp::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType != nullptr && wcscmp(codecs[i].MimeType, mimeType) == 0) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool startImaging(ULONG_PTR& token) {
  Gdiplus::GdiplusStartupInput input;
  return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
}

void stopImaging(ULONG_PTR& token) {
  if (token == 0) return;
  Gdiplus::GdiplusShutdown(token);
  token = 0;
}

void Picture::release() {
  if (image_ != nullptr) gp::GdipDisposeImage(asImage(image_));
  image_ = nullptr;
}

bool Picture::loadFromFile(const wchar_t* path) {
  release();
  orientation = 1;
  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(path, &image) != Gdiplus::Ok || image == nullptr) return false;
  image_ = image;
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  if (gp::GdipGetImageType(image, &type) != Gdiplus::Ok || type == Gdiplus::ImageTypeUnknown || width() <= 0 ||
      height() <= 0) {
    release();
    return false;
  }
  // Read from the file itself: not every imaging library reports the tag.
  vistelo::Bytes head;
  if (readWholeFile(path, head, kExifSearchBytes)) {
    const int tag = vistelo::readExifOrientation(head.data(), head.size());
    if (tag >= 1 && tag <= 8) orientation = tag;
  }
  return true;
}

bool Picture::loadFromBitmap(HBITMAP bitmap) {
  release();
  orientation = 1;
  Gdiplus::GpBitmap* copy = nullptr;
  if (bitmap == nullptr || gp::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &copy) != Gdiplus::Ok) return false;
  image_ = copy;
  if (width() <= 0 || height() <= 0) {
    release();
    return false;
  }
  return true;
}

int Picture::width() const {
  UINT value = 0;
  if (image_ == nullptr || gp::GdipGetImageWidth(asImage(image_), &value) != Gdiplus::Ok) return 0;
  return static_cast<int>(value);
}

int Picture::height() const {
  UINT value = 0;
  if (image_ == nullptr || gp::GdipGetImageHeight(asImage(image_), &value) != Gdiplus::Ok) return 0;
  return static_cast<int>(value);
}

void Picture::rotateFlip(int rotateFlipType) {
  if (image_ == nullptr || rotateFlipType <= 0 || rotateFlipType > 7) return;
  // The combined modes mean "turn clockwise, then mirror left to right". Done as the
  // two steps, which every implementation of the library agrees on (Wine's own
  // combined modes mirror first).
  const int quarters = rotateFlipType & 3;
  if (quarters != 0) gp::GdipImageRotateFlip(asImage(image_), static_cast<Gdiplus::RotateFlipType>(quarters));
  if (rotateFlipType & 4) gp::GdipImageRotateFlip(asImage(image_), Gdiplus::RotateNoneFlipX);
}

void Picture::drawScaled(HDC target, int width, int height) const { drawScaled(target, 0, 0, width, height); }

void Picture::drawScaled(HDC target, int x, int y, int width, int height) const {
  if (image_ == nullptr || width <= 0 || height <= 0) return;
  Gdiplus::GpGraphics* graphics = nullptr;
  if (gp::GdipCreateFromHDC(target, &graphics) != Gdiplus::Ok) return;
  gp::GdipSetInterpolationMode(graphics, static_cast<Gdiplus::InterpolationMode>(interpolation));
  gp::GdipDrawImageRectI(graphics, asImage(image_), x, y, width, height);
  gp::GdipDeleteGraphics(graphics);
}

int Picture::saveScaled(const wchar_t* path, int format, int width, int height) const {
  const int failed = Gdiplus::GenericError;
  if (image_ == nullptr || width <= 0 || height <= 0) return failed;
  CLSID encoder;
  if (!findEncoder(format == 1 ? L"image/jpeg" : L"image/bmp", encoder)) return Gdiplus::FileNotFound;

  Gdiplus::GpBitmap* canvas = nullptr;
  Gdiplus::Status status =
      gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &canvas);
  if (status != Gdiplus::Ok) return status;
  Gdiplus::GpGraphics* graphics = nullptr;
  status = gp::GdipGetImageGraphicsContext(canvas, &graphics);
  if (status == Gdiplus::Ok) {
    gp::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeHighQualityBicubic);
    status = gp::GdipDrawImageRectI(graphics, asImage(image_), 0, 0, width, height);
    gp::GdipDeleteGraphics(graphics);
  }
  const std::wstring target = path;
  const std::wstring temporary = target + L".new";
  if (status == Gdiplus::Ok) {
    LONG quality = 85;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &quality;
    status = gp::GdipSaveImageToFile(canvas, temporary.c_str(), &encoder, &parameters);
  }
  gp::GdipDisposeImage(canvas);
  if (status == Gdiplus::Ok &&
      !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    status = Gdiplus::Win32Error;
  if (status != Gdiplus::Ok) DeleteFileW(temporary.c_str());
  return status;
}

int Picture::bitsPerPixel() const {
  Gdiplus::PixelFormat format = 0;
  if (image_ == nullptr || gp::GdipGetImagePixelFormat(asImage(image_), &format) != Gdiplus::Ok) return 0;
  switch (format) {
    case PixelFormat1bppIndexed: return 1;
    case PixelFormat4bppIndexed: return 4;
    case PixelFormat8bppIndexed: return 8;
    case PixelFormat16bppGrayScale:
    case PixelFormat16bppRGB555:
    case PixelFormat16bppRGB565:
    case PixelFormat16bppARGB1555: return 16;
    case PixelFormat24bppRGB: return 24;
    case PixelFormat32bppRGB:
    case PixelFormat32bppARGB:
    case PixelFormat32bppPARGB: return 32;
    case PixelFormat48bppRGB: return 48;
    case PixelFormat64bppARGB:
    case PixelFormat64bppPARGB: return 64;
    default: return 0;
  }
}
