#pragma once
// The folder walk on a worker thread. The worker keeps its own list and hands the
// pictures to the main window in batches by message: the first batch as soon as a
// folder has yielded pictures, more while it goes on, and at the end the whole list
// sorted. It never touches the exhibit the window shows.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exhibit/exhibit_entry.h"
#include "exhibit/folder_walk.h"

// Posted to the main window; lParam is a ScanBatch the receiver deletes.
constexpr UINT WM_SCAN_BATCH = WM_USER + 20;

struct ScanBatch {
  std::uint32_t generation = 0;
  bool final = false;                     // the whole list, sorted by the job's order
  std::vector<vistelo::ExhibitEntry> entries;
};

struct ScanJob {
  HWND window = nullptr;
  std::uint32_t generation = 0;
  std::vector<std::wstring> roots;
  vistelo::WalkRules rules;
  std::vector<vistelo::ExhibitEntry> base;  // entries kept from before (an appending build)
  int sort = 0;
  int sortby = 1;
  bool sortcase = false;
};

class ScanWorker {
 public:
  ScanWorker() = default;
  ~ScanWorker() { cancelAndJoin(); }
  ScanWorker(const ScanWorker&) = delete;
  ScanWorker& operator=(const ScanWorker&) = delete;

  // Starts the walk; false when the thread cannot be started.
  bool start(ScanJob job);
  // Stops a running walk between two folders and waits for its thread to end.
  void cancelAndJoin();
  // The thread's handle while one was started and not yet joined, else null.
  HANDLE thread() const { return thread_; }

 private:
  static DWORD WINAPI run(void* self);
  void walk();
  bool post(ScanBatch* batch);

  ScanJob job_;
  HANDLE thread_ = nullptr;
  std::atomic<bool> cancel_{false};
};

// Lists folders with the system's find calls and reads shortcuts with the shell.
std::unique_ptr<vistelo::FolderLister> makeDiskLister();
