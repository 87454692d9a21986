#pragma once
// The small file handle of the log writers (errors log, archive log).

#include <cstdio>
#include <string>

class TextFile {
 public:
  TextFile() = default;
  ~TextFile() { close(); }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens with the C runtime's wide name and mode ("rb", "wb", "ab"); false when not.
  bool open(const wchar_t* path, const wchar_t* mode);
  // Closes; false when anything written did not reach the file.
  bool close();
  bool isOpen() const { return stream_ != nullptr; }
  std::FILE* stream() const { return stream_; }

 private:
  std::FILE* stream_ = nullptr;
};

// Appends one line to a UTF-16LE log: the byte-order mark once, when the file is new
// or empty; the line and CR LF; the file is never truncated. False when the line could
// not be written in full.
bool appendLogLine(const wchar_t* path, const std::wstring& line);
