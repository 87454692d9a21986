#include "exhibit/shell_link.h"

#include <cwchar>

namespace {

// Holds one COM interface pointer and releases it when it goes out of scope.
template <typename T>
class Held {
 public:
  Held() = default;
  ~Held() { reset(); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  // Where a creating call puts the pointer; whatever was held is released first.
  T** receive() {
    reset();
    return &p_;
  }
  void** receiveVoid() { return reinterpret_cast<void**>(receive()); }
  void reset() {
    if (p_ != nullptr) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

// Item ids obtained from the shell, freed with its allocator when out of scope. The
// allocator must outlive this list.
class ItemIds {
 public:
  explicit ItemIds(IMalloc* allocator) : allocator_(allocator) {}
  ~ItemIds() {
    for (ITEMIDLIST* id : ids_) allocator_->Free(id);
  }
  ItemIds(const ItemIds&) = delete;
  ItemIds& operator=(const ItemIds&) = delete;

  void reserve(std::size_t n) { ids_.reserve(n); }
  // Parses `name` on `folder` and keeps the id. A bare drive ("C:") is taken as its root.
  HRESULT parse(IShellFolder* folder, std::wstring name) {
    if (!name.empty() && name.back() == L':') name += L'\\';
    ITEMIDLIST* id = nullptr;
    const HRESULT hr = folder->ParseDisplayName(nullptr, nullptr, &name[0], nullptr, &id, nullptr);
    if (id != nullptr) ids_.push_back(id);
    return SUCCEEDED(hr) && id == nullptr ? E_FAIL : hr;
  }
  const ITEMIDLIST* first() const { return ids_.front(); }
  std::vector<const ITEMIDLIST*> all() const { return {ids_.begin(), ids_.end()}; }

 private:
  IMalloc* allocator_;
  std::vector<ITEMIDLIST*> ids_;
};

// The folder every path is directly in, or empty text when they are not all in one
// folder, or when one of them is a drive or has no name after its folder: those are
// asked of the desktop by their full paths.
std::wstring commonParent(const std::vector<std::wstring>& paths) {
  const std::wstring& first = paths.front();
  if (first.empty() || first.back() == L':') return {};
  if (first.size() >= 2 && first[first.size() - 2] == L':') return {};
  std::wstring parent;
  for (const std::wstring& path : paths) {
    const std::size_t cut = path.rfind(L'\\');
    if (cut == std::wstring::npos || cut == 0 || cut + 1 == path.size()) return {};
    if (&path == &first) {
      parent = path.substr(0, cut);
    } else if (cut != parent.size() || path.compare(0, cut, parent) != 0) {
      return {};
    }
  }
  return parent;
}

// Longest target text read back from a shortcut, so that one too long for a path
// buffer is noticed instead of cut.
constexpr int kTargetScratch = 2 * MAX_PATH;

}  // namespace

HRESULT ShellLink::open() {
  close();
  comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
  return makeObjects();
}

HRESULT ShellLink::makeObjects() {
  releaseObjects();
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink));
  if (FAILED(hr)) {
    shellLink = nullptr;
    return hr;
  }
  hr = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persistFile));
  if (FAILED(hr)) persistFile = nullptr;
  return hr;
}

HRESULT ShellLink::resolve(const wchar_t* path, wchar_t (&target)[MAX_PATH], bool repair) {
  target[0] = L'\0';
  targetData = {};
  if (persistFile == nullptr || shellLink == nullptr || path == nullptr) return E_FAIL;
  loaded_ = true;
  HRESULT hr = persistFile->Load(path, STGM_READ);
  if (FAILED(hr)) return hr;
  if (repair) {
    hr = shellLink->Resolve(nullptr, SLR_NO_UI | SLR_ANY_MATCH | SLR_UPDATE);
    if (FAILED(hr)) return hr;
  }
  wchar_t found[kTargetScratch] = L"";
  WIN32_FIND_DATAW data = {};
  hr = shellLink->GetPath(found, kTargetScratch, &data, 0);
  if (FAILED(hr)) return hr;
  // S_FALSE: the shortcut names no file system path (a printer, a shell folder).
  const std::size_t length = wcsnlen(found, kTargetScratch);
  if (hr != S_OK || length == 0 || length >= MAX_PATH) return E_FAIL;
  wmemcpy(target, found, length + 1);
  targetData = data;
  return S_OK;
}

bool ShellLink::createAt(const wchar_t* target, const wchar_t* shortcutPath) {
  if (persistFile == nullptr || target == nullptr || shortcutPath == nullptr) return false;
  const std::size_t length = wcslen(target);
  if (length == 0 || length >= MAX_PATH) return false;
  // A link object that has read a shortcut still carries its arguments, working folder
  // and icon; start from a clean one so the new shortcut gets none of them.
  if (loaded_ && FAILED(makeObjects())) return false;
  if (FAILED(shellLink->SetPath(target))) return false;
  return SUCCEEDED(persistFile->Save(shortcutPath, TRUE));
}

void ShellLink::releaseObjects() {
  if (persistFile != nullptr) persistFile->Release();
  if (shellLink != nullptr) shellLink->Release();
  persistFile = nullptr;
  shellLink = nullptr;
  loaded_ = false;
}

void ShellLink::close() {
  releaseObjects();
  if (comInitialised_) CoUninitialize();
  comInitialised_ = false;
}

HRESULT desktopDirectory(wchar_t (&out)[MAX_PATH]) {
  Held<IMalloc> allocator;
  HRESULT hr = SHGetMalloc(allocator.receive());
  if (FAILED(hr)) return hr;
  ITEMIDLIST* id = nullptr;
  hr = SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &id);
  if (FAILED(hr)) return hr;
  if (id == nullptr) return E_FAIL;
  wchar_t found[MAX_PATH] = L"";
  const bool got = SHGetPathFromIDListW(id, found) != FALSE && found[0] != L'\0';
  allocator->Free(id);
  if (!got) return E_FAIL;
  wmemcpy(out, found, MAX_PATH);
  return S_OK;
}

bool shellObjectFor(const std::vector<std::wstring>& paths, REFIID iid, void** out) {
  if (out == nullptr) return false;
  *out = nullptr;
  if (paths.empty()) return false;
  const std::wstring parent = commonParent(paths);

  // Declared first so it is released last, after every id it allocated is freed.
  Held<IMalloc> allocator;
  Held<IShellFolder> desktop;
  if (FAILED(SHGetMalloc(allocator.receive())) || FAILED(SHGetDesktopFolder(desktop.receive()))) return false;

  Held<IShellFolder> parentFolder;
  if (!parent.empty()) {
    ItemIds parentId(allocator.get());
    if (FAILED(parentId.parse(desktop.get(), parent))) return false;
    if (FAILED(desktop->BindToObject(parentId.first(), nullptr, IID_IShellFolder, parentFolder.receiveVoid())) ||
        parentFolder.get() == nullptr)
      return false;
  }
  IShellFolder* asked = parent.empty() ? desktop.get() : parentFolder.get();

  ItemIds items(allocator.get());
  items.reserve(paths.size());
  for (const std::wstring& path : paths) {
    const std::wstring name = parent.empty() ? path : path.substr(parent.size() + 1);
    if (FAILED(items.parse(asked, name))) return false;
  }
  std::vector<const ITEMIDLIST*> ids = items.all();
  const HRESULT hr = asked->GetUIObjectOf(nullptr, static_cast<UINT>(ids.size()), ids.data(), iid, nullptr, out);
  if (FAILED(hr) || *out == nullptr) {
    *out = nullptr;
    return false;
  }
  return true;
}
