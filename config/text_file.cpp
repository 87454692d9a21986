#include "config/text_file.h"

#include "config/text_codec.h"

bool TextFile::open(const wchar_t* path, const wchar_t* mode) {
  close();
  stream_ = _wfopen(path, mode);
  return stream_ != nullptr;
}

bool TextFile::close() {
  if (stream_ == nullptr) return true;
  const bool ok = std::fclose(stream_) == 0;
  stream_ = nullptr;
  return ok;
}

bool appendLogLine(const wchar_t* path, const std::wstring& line) {
  TextFile log;
  if (!log.open(path, L"ab")) return false;
  vistelo::Bytes bytes;
  if (std::fseek(log.stream(), 0, SEEK_END) != 0) return false;
  if (std::ftell(log.stream()) == 0) bytes = {0xFF, 0xFE};
  vistelo::appendUtf16Le(line + L"\r\n", bytes);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), log.stream()) == bytes.size();
  return log.close() && written;
}
