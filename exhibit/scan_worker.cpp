#include "exhibit/scan_worker.h"

#include <memory>

#include "exhibit/shell_link.h"
#include "exhibit/sorting.h"

namespace {

vistelo::FileTime fromFiletime(const FILETIME& t) { return {t.dwLowDateTime, t.dwHighDateTime}; }

vistelo::FoundItem itemFrom(const WIN32_FIND_DATAW& data) {
  vistelo::FoundItem item;
  item.name = data.cFileName;
  item.attributes = data.dwFileAttributes;
  item.created = fromFiletime(data.ftCreationTime);
  item.modified = fromFiletime(data.ftLastWriteTime);
  item.accessed = fromFiletime(data.ftLastAccessTime);
  return item;
}

class DiskLister : public vistelo::FolderLister {
 public:
  DiskLister() { linkOpen_ = SUCCEEDED(link_.open()); }

  bool list(const std::wstring& folder, std::vector<vistelo::FoundItem>& items) override {
    WIN32_FIND_DATAW data;
    // The basic level skips the short names nobody here needs.
    HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return false;
    do {
      items.push_back(itemFrom(data));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return true;
  }

  bool resolveShortcut(const std::wstring& path, std::wstring& target, vistelo::FoundItem& targetData) override {
    if (!linkOpen_) return false;
    wchar_t buffer[MAX_PATH];
    if (FAILED(link_.resolve(path.c_str(), buffer, false)) || buffer[0] == 0) return false;
    target = buffer;
    targetData = itemFrom(link_.targetData);
    return true;
  }

 private:
  ShellLink link_;
  bool linkOpen_ = false;
};

// Entries for the window come in pieces no larger than this, and at least this often.
constexpr std::size_t kBatchEntries = 4096;
constexpr DWORD kBatchMilliseconds = 250;

}  // namespace

std::unique_ptr<vistelo::FolderLister> makeDiskLister() { return std::make_unique<DiskLister>(); }

bool ScanWorker::start(ScanJob job) {
  cancelAndJoin();
  job_ = std::move(job);
  cancel_ = false;
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
  return thread_ != nullptr;
}

void ScanWorker::cancelAndJoin() {
  if (thread_ == nullptr) return;
  cancel_ = true;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

DWORD WINAPI ScanWorker::run(void* self) {
  static_cast<ScanWorker*>(self)->walk();
  return 0;
}

bool ScanWorker::post(ScanBatch* batch) {
  batch->generation = job_.generation;
  if (PostMessageW(job_.window, WM_SCAN_BATCH, 0, reinterpret_cast<LPARAM>(batch))) return true;
  delete batch;
  return false;
}

void ScanWorker::walk() {
  std::unique_ptr<vistelo::FolderLister> lister = makeDiskLister();
  vistelo::FolderWalk folderWalk(*lister, job_.rules, job_.roots);
  std::vector<vistelo::ExhibitEntry> found;
  std::size_t handedOver = 0;
  DWORD lastHandOver = GetTickCount();
  while (!cancel_ && folderWalk.listNextFolder(found)) {
    const std::size_t waiting = found.size() - handedOver;
    if (waiting == 0) continue;
    // The first pictures go at once: the window is waiting for them.
    if (handedOver == 0 || waiting >= kBatchEntries || GetTickCount() - lastHandOver >= kBatchMilliseconds) {
      auto* batch = new ScanBatch;
      batch->entries.assign(found.begin() + static_cast<std::ptrdiff_t>(handedOver), found.end());
      if (!post(batch)) return;
      handedOver = found.size();
      lastHandOver = GetTickCount();
    }
  }
  if (cancel_) return;

  auto* whole = new ScanBatch;
  whole->final = true;
  whole->entries = std::move(job_.base);
  whole->entries.insert(whole->entries.end(), std::make_move_iterator(found.begin()),
                        std::make_move_iterator(found.end()));
  // A shuffle needs the window's random generator, so it happens there.
  if (job_.sort != 2) vistelo::sortEntries(whole->entries, job_.sortby, job_.sortcase, job_.sort == 1);
  post(whole);
}
