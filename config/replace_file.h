#pragma once
// Replacing a file's whole contents so that the old file survives any failure: the new
// text goes to a temporary file beside it, every write and the close are checked, and
// only then does the temporary file take the old one's place in one step.

#include <cstddef>
#include <string>

#include "config/text_codec.h"

namespace vistelo {

// The file system operations a replacement needs; the Windows build implements them
// with the system's file calls, tests with fakes that fail on demand.
class FileStore {
 public:
  virtual ~FileStore() = default;
  // Creates (or empties) the file for writing; false when it cannot.
  virtual bool create(const std::wstring& path) = 0;
  virtual bool write(const std::uint8_t* data, std::size_t size) = 0;
  // Flushes and closes the file created last; false when anything was not written.
  virtual bool close() = 0;
  // Moves `from` over `to` in one step, replacing `to` when it exists.
  virtual bool replace(const std::wstring& from, const std::wstring& to) = 0;
  virtual void remove(const std::wstring& path) = 0;
};

// The temporary file used for replacing `path`.
std::wstring temporaryPathFor(const std::wstring& path);

// Writes `bytes` as the new contents of `path`. On any failure the old file is left as
// it was, the temporary file is removed, and the result is false.
bool replaceFileContents(FileStore& store, const std::wstring& path, const Bytes& bytes);

}  // namespace vistelo
