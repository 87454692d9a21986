// Times the folder walk the program uses against a bare walk with the system's find
// calls over the same tree, and the time until the first folder has given pictures.
//
//   scan_benchmark.exe FOLDER [FOLDERS FILES_PER_FOLDER]
//
// Makes the tree below FOLDER first when it is not there (FOLDERS folders in two
// levels, each holding FILES_PER_FOLDER empty ".jpg" files; default 2000 x 50).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "exhibit/folder_walk.h"
#include "exhibit/scan_worker.h"

namespace {

double now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void makeTree(const std::wstring& root, int folders, int files) {
  CreateDirectoryW(root.c_str(), nullptr);
  const int groups = folders / 50 > 0 ? folders / 50 : 1;
  for (int f = 0; f < folders; ++f) {
    const std::wstring group = root + L"\\group" + std::to_wstring(f % groups);
    CreateDirectoryW(group.c_str(), nullptr);
    const std::wstring folder = group + L"\\event" + std::to_wstring(f);
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
      const std::wstring path = folder + L"\\IMG_" + std::to_wstring(i) + L".jpg";
      HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
  }
}

// Breadth-first with nothing but the find calls: the floor for any walk.
std::size_t bareWalk(const std::wstring& root) {
  std::deque<std::wstring> queue{root + L"\\"};
  std::size_t files = 0;
  WIN32_FIND_DATAW data;
  while (!queue.empty()) {
    const std::wstring folder = queue.front();
    queue.pop_front();
    HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
          queue.push_back(folder + data.cFileName + L"\\");
      } else {
        ++files;
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return files;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: scan_benchmark FOLDER [FOLDERS FILES_PER_FOLDER]\n");
    return 2;
  }
  const std::wstring root = argv[1];
  const int folders = argc > 2 ? _wtoi(argv[2]) : 2000;
  const int files = argc > 3 ? _wtoi(argv[3]) : 50;
  if (GetFileAttributesW(root.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const double t = now();
    makeTree(root, folders, files);
    std::printf("made the tree in %.1f s\n", now() - t);
  }
  for (int round = 0; round < 3; ++round) {
    double t = now();
    const std::size_t bare = bareWalk(root);
    const double bareSeconds = now() - t;

    std::unique_ptr<vistelo::FolderLister> lister = makeDiskLister();
    vistelo::FolderWalk walk(*lister, vistelo::WalkRules(), {root});
    std::vector<vistelo::ExhibitEntry> found;
    t = now();
    double firstResult = -1;
    while (walk.listNextFolder(found)) {
      if (firstResult < 0 && !found.empty()) firstResult = now() - t;
    }
    const double walkSeconds = now() - t;
    std::printf("round %d: bare walk %zu files in %.3f s (%.0f files/s); program walk %zu pictures in %.3f s "
                "(%.0f files/s, %.2f of bare); first result after %.1f ms\n",
                round + 1, bare, bareSeconds, static_cast<double>(bare) / bareSeconds, found.size(), walkSeconds,
                static_cast<double>(found.size()) / walkSeconds, bareSeconds / walkSeconds, firstResult * 1000);
  }
  return 0;
}
