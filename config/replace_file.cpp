#include "config/replace_file.h"

namespace vistelo {

std::wstring temporaryPathFor(const std::wstring& path) { return path + L".new"; }

bool replaceFileContents(FileStore& store, const std::wstring& path, const Bytes& bytes) {
  const std::wstring temporary = temporaryPathFor(path);
  if (!store.create(temporary)) return false;
  // Written in pieces so that a failing write is noticed where it happens.
  constexpr std::size_t kPiece = 64 * 1024;
  bool written = true;
  for (std::size_t offset = 0; written && offset < bytes.size(); offset += kPiece) {
    const std::size_t size = bytes.size() - offset < kPiece ? bytes.size() - offset : kPiece;
    written = store.write(bytes.data() + offset, size);
  }
  const bool closed = store.close();
  if (!written || !closed || !store.replace(temporary, path)) {
    store.remove(temporary);
    return false;
  }
  return true;
}

}  // namespace vistelo
