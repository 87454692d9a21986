// vdriver: console helper that the end-to-end tests run under Wine beside
// Vistelo.exe, to look at and poke its windows from outside the process.
//
//   vdriver.exe serve          read commands from stdin, one per line
//   vdriver.exe COMMAND ARGS   run one command and exit
//
// Every reply is exactly one line of JSON on stdout, flushed at once.
// Failures answer {"ok":false,"error":"..."}; everything else carries "ok":true.
// Numbers may be written in decimal or with a 0x prefix; window handles are
// printed as "0x..." strings. Texts are UTF-8. CAPTION is the rest of the line,
// so it may hold spaces.
//
//   find MS HIDDEN CAPTION        unowned top-level "#32770" window whose caption is
//                                 CAPTION or holds " - CAPTION",
//                                 waiting up to MS; HIDDEN=1 also
//                                 accepts invisible windows -> {"hwnd":..|null}
//   info HWND                     caption, class, pid, tid, style, exstyle,
//                                 visible, enabled, owner, parent, rect, client,
//                                 origin (the client area's top left on screen)
//   post HWND MSG WPARAM LPARAM   PostMessageW
//   send HWND MSG WPARAM LPARAM MS
//                                 SendMessageTimeoutW (SMTO_ABORTIFHUNG);
//                                 {"result":N} (N as unsigned) or ok:false with
//                                 the error code when it timed out or the
//                                 window went away meanwhile
//   key HWND VK [MODS]            posts WM_KEYDOWN then WM_KEYUP (or the
//                                 WM_SYSKEY* pair when MODS has "alt") to HWND,
//                                 so it passes through the owner's message loop
//                                 and accelerator table. MODS is a '+'-joined
//                                 set of ctrl, shift, alt; they are pressed in
//                                 the target thread's keyboard state while the
//                                 key goes through (AttachThreadInput).
//   move HWND X Y [W H]           SetWindowPos: moves (and with W H also sizes)
//                                 the window without activating it
//   gone HWND MS                  waits until HWND no longer exists
//                                 -> {"gone":true|false}
//   dialog MS OWNER EXCLUDE [CAPTION]
//                                 a visible "#32770" window other than EXCLUDE
//                                 whose owner is OWNER (0: any owner) and, when
//                                 given, whose caption is CAPTION; waits up to
//                                 MS -> {"hwnd":..., "caption":..., "texts":[..],
//                                 "buttons":[{"id":N,"text":..}]} or hwnd null
//   children HWND                 every descendant: hwnd, id, class, text,
//                                 style, visible
//   press DLG ID                  clicks the dialog's button ID (1 = IDOK,
//                                 2 = IDCANCEL, 6 = IDYES, 7 = IDNO ...) by
//                                 posting WM_COMMAND(ID, BN_CLICKED) to DLG
//   status HWND                   texts of the parts of the first
//                                 "msctls_statusbar32" below HWND, read through
//                                 memory allocated in the owning process
//                                 -> {"hwnd":..., "parts":[..]} or hwnd null
//   metrics                       screen size, sizing frame, caption height,
//                                 work area
//   pid HWND                      only the owning process id
//   shortcut TARGET|SHORTCUT      writes a shortcut file SHORTCUT pointing at TARGET
//   quit                          ends serve mode

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), &w[0], n);
    return w;
}

// JSON string literal of UTF-8 text.
std::string jstr(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += (char)c;
            }
        }
    }
    return out + "\"";
}

std::string jstr(const std::wstring& w) { return jstr(utf8(w)); }

std::string jhwnd(HWND h) {
    if (!h) return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"0x%llx\"", (unsigned long long)(ULONG_PTR)h);
    return buf;
}

std::string jhex(unsigned long long v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"0x%llx\"", v);
    return buf;
}

std::string jnum(long long v) { return std::to_string(v); }

std::string jrect(const RECT& r) {
    return "[" + jnum(r.left) + "," + jnum(r.top) + "," + jnum(r.right) + "," + jnum(r.bottom) + "]";
}

std::string fail(const std::string& why) { return "{\"ok\":false,\"error\":" + jstr(why) + "}"; }

std::string fail_code(const std::string& why, DWORD code) {
    return "{\"ok\":false,\"error\":" + jstr(why) + ",\"code\":" + jnum(code) + "}";
}

// Splits off the next blank-separated word; the remainder stays in `rest`.
std::string word(std::string& rest) {
    size_t b = rest.find_first_not_of(" \t");
    if (b == std::string::npos) { rest.clear(); return {}; }
    size_t e = rest.find_first_of(" \t", b);
    std::string w = rest.substr(b, e == std::string::npos ? std::string::npos : e - b);
    rest = e == std::string::npos ? std::string() : rest.substr(e + 1);
    return w;
}

bool number(const std::string& s, unsigned long long& out) {
    if (s.empty()) return false;
    bool neg = s[0] == '-';
    const char* p = s.c_str() + (neg ? 1 : 0);
    char* end = nullptr;
    unsigned long long v = std::strtoull(p, &end, 0);
    if (end == p || *end) return false;
    out = neg ? (unsigned long long)(-(long long)v) : v;
    return true;
}

struct Args {
    std::string rest;
    bool bad = false;
    unsigned long long num() {
        unsigned long long v = 0;
        if (!number(word(rest), v)) bad = true;
        return v;
    }
    HWND hwnd() { return (HWND)(ULONG_PTR)num(); }
    std::string text() {  // remainder of the line, leading blanks dropped
        size_t b = rest.find_first_not_of(" \t");
        return b == std::string::npos ? std::string() : rest.substr(b);
    }
};

std::wstring window_text(HWND h) {
    wchar_t buf[4096];
    buf[0] = 0;
    int n = GetWindowTextW(h, buf, 4096);
    return std::wstring(buf, n > 0 ? n : 0);
}

std::wstring class_name(HWND h) {
    wchar_t buf[256];
    int n = GetClassNameW(h, buf, 256);
    return std::wstring(buf, n > 0 ? n : 0);
}

// Bounded poll: calls `probe` until it is true or `ms` have passed.
template <class F> bool wait_for(DWORD ms, F probe) {
    DWORD start = GetTickCount();
    for (;;) {
        if (probe()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(20);
    }
}

struct TopSearch {
    std::wstring caption;
    bool hidden;
    HWND found;
};

BOOL CALLBACK find_top(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<TopSearch*>(lp);
    if (class_name(h) != L"#32770") return TRUE;
    // Message boxes carry the same caption but always have an owner.
    if (GetWindow(h, GW_OWNER) != nullptr) return TRUE;
    if (!s->hidden && !IsWindowVisible(h)) return TRUE;
    // The program's caption is "Vistelo" alone or after the name of the picture shown.
    const std::wstring text = window_text(h);
    if (text != s->caption && text.find(L" - " + s->caption) == std::wstring::npos) return TRUE;
    s->found = h;
    return FALSE;
}

std::string cmd_find(Args& a) {
    DWORD ms = (DWORD)a.num();
    bool hidden = a.num() != 0;
    std::string caption = a.text();
    if (a.bad) return fail("usage: find MS HIDDEN CAPTION");
    TopSearch s{wide(caption), hidden, nullptr};
    wait_for(ms, [&] {
        s.found = nullptr;
        EnumWindows(find_top, (LPARAM)&s);
        return s.found != nullptr;
    });
    return "{\"ok\":true,\"hwnd\":" + jhwnd(s.found) + "}";
}

std::string cmd_info(Args& a) {
    HWND h = a.hwnd();
    if (a.bad) return fail("usage: info HWND");
    if (!IsWindow(h)) return fail("no such window");
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(h, &pid);
    RECT wr{}, cr{};
    GetWindowRect(h, &wr);
    GetClientRect(h, &cr);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(h, &wp);
    std::string r = "{\"ok\":true,\"hwnd\":" + jhwnd(h);
    r += ",\"caption\":" + jstr(window_text(h));
    r += ",\"class\":" + jstr(class_name(h));
    r += ",\"pid\":" + jnum(pid) + ",\"tid\":" + jnum(tid);
    r += ",\"style\":" + jhex((DWORD)GetWindowLongW(h, GWL_STYLE));
    r += ",\"exstyle\":" + jhex((DWORD)GetWindowLongW(h, GWL_EXSTYLE));
    r += std::string(",\"visible\":") + (IsWindowVisible(h) ? "true" : "false");
    r += std::string(",\"enabled\":") + (IsWindowEnabled(h) ? "true" : "false");
    r += std::string(",\"iconic\":") + (IsIconic(h) ? "true" : "false");
    r += std::string(",\"zoomed\":") + (IsZoomed(h) ? "true" : "false");
    r += ",\"owner\":" + jhwnd(GetWindow(h, GW_OWNER));
    r += ",\"parent\":" + jhwnd(GetAncestor(h, GA_PARENT));
    r += ",\"rect\":" + jrect(wr) + ",\"client\":" + jrect(cr);
    POINT origin = {0, 0};
    ClientToScreen(h, &origin);
    r += ",\"origin\":[" + jnum(origin.x) + "," + jnum(origin.y) + "]";
    r += ",\"normal\":" + jrect(wp.rcNormalPosition);
    r += ",\"showcmd\":" + jnum(wp.showCmd);
    return r + "}";
}

std::string cmd_post(Args& a) {
    HWND h = a.hwnd();
    UINT msg = (UINT)a.num();
    WPARAM wp = (WPARAM)a.num();
    LPARAM lp = (LPARAM)a.num();
    if (a.bad) return fail("usage: post HWND MSG WPARAM LPARAM");
    if (!PostMessageW(h, msg, wp, lp)) return fail_code("PostMessage failed", GetLastError());
    return "{\"ok\":true}";
}

std::string cmd_send(Args& a) {
    HWND h = a.hwnd();
    UINT msg = (UINT)a.num();
    WPARAM wp = (WPARAM)a.num();
    LPARAM lp = (LPARAM)a.num();
    UINT ms = (UINT)a.num();
    if (a.bad) return fail("usage: send HWND MSG WPARAM LPARAM MS");
    DWORD_PTR result = 0;
    SetLastError(0);
    if (!SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, ms, &result)) {
        DWORD err = GetLastError();
        return fail_code(IsWindow(h) ? "SendMessageTimeout failed" : "window gone", err);
    }
    return "{\"ok\":true,\"result\":" + std::to_string((unsigned long long)result) + "}";
}

bool has_mod(const std::string& mods, const char* name) {
    std::string m = "+" + mods + "+";
    return m.find(std::string("+") + name + "+") != std::string::npos;
}

std::string cmd_key(Args& a) {
    HWND h = a.hwnd();
    UINT vk = (UINT)a.num();
    std::string mods = word(a.rest);
    if (a.bad) return fail("usage: key HWND VK [ctrl+shift+alt]");
    if (!IsWindow(h)) return fail("no such window");
    bool ctrl = has_mod(mods, "ctrl"), shift = has_mod(mods, "shift"), alt = has_mod(mods, "alt");

    // Modifiers live in the target thread's input state; share it for as
    // long as the key is in flight so TranslateAccelerator sees them.
    DWORD target = GetWindowThreadProcessId(h, nullptr);
    DWORD self = GetCurrentThreadId();
    bool attached = false;
    BYTE saved[256] = {};
    if (ctrl || shift || alt) {
        attached = AttachThreadInput(self, target, TRUE) != FALSE;
        GetKeyboardState(saved);
        BYTE st[256];
        std::memcpy(st, saved, sizeof st);
        if (ctrl) st[VK_CONTROL] = st[VK_LCONTROL] = 0x80;
        if (shift) st[VK_SHIFT] = st[VK_LSHIFT] = 0x80;
        if (alt) st[VK_MENU] = st[VK_LMENU] = 0x80;
        SetKeyboardState(st);
    }
    UINT scan = MapVirtualKeyW(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM down = 1 | ((LPARAM)scan << 16) | (alt ? (1 << 29) : 0);
    LPARAM up = down | (1u << 30) | (1u << 31);
    UINT mdown = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, mup = alt ? WM_SYSKEYUP : WM_KEYUP;
    bool ok = PostMessageW(h, mdown, vk, down) && PostMessageW(h, mup, vk, up);
    if (ctrl || shift || alt) {
        // Give the target's loop time to take the messages before the
        // modifiers are released again; bounded by the send below.
        DWORD_PTR ignored;
        SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
        Sleep(50);
        SetKeyboardState(saved);
        if (attached) AttachThreadInput(self, target, FALSE);
    }
    if (!ok) return fail_code("PostMessage failed", GetLastError());
    return std::string("{\"ok\":true,\"attached\":") + (attached ? "true" : "false") + "}";
}

std::string cmd_move(Args& a) {
    HWND h = a.hwnd();
    int x = (int)a.num(), y = (int)a.num();
    bool sized = !a.text().empty();
    int w = sized ? (int)a.num() : 0, hgt = sized ? (int)a.num() : 0;
    if (a.bad) return fail("usage: move HWND X Y [W H]");
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (sized ? 0u : (UINT)SWP_NOSIZE);
    if (!SetWindowPos(h, nullptr, x, y, w, hgt, flags)) return fail_code("SetWindowPos failed", GetLastError());
    return "{\"ok\":true}";
}

std::string cmd_gone(Args& a) {
    HWND h = a.hwnd();
    DWORD ms = (DWORD)a.num();
    if (a.bad) return fail("usage: gone HWND MS");
    bool gone = wait_for(ms, [&] { return !IsWindow(h); });
    return std::string("{\"ok\":true,\"gone\":") + (gone ? "true" : "false") + "}";
}

BOOL CALLBACK collect_child(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

std::vector<HWND> descendants(HWND h) {
    std::vector<HWND> out;
    EnumChildWindows(h, collect_child, (LPARAM)&out);
    return out;
}

bool is_button_class(HWND c, LONG style) {
    if (_wcsicmp(class_name(c).c_str(), L"Button") != 0) return false;
    LONG type = style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_COMMANDLINK ||
           type == BS_DEFCOMMANDLINK || type == BS_SPLITBUTTON || type == BS_DEFSPLITBUTTON;
}

std::string describe_dialog(HWND d) {
    std::string texts = "[", buttons = "[";
    for (HWND c : descendants(d)) {
        if (!IsWindowVisible(c)) continue;
        LONG style = GetWindowLongW(c, GWL_STYLE);
        std::wstring cls = class_name(c);
        if (_wcsicmp(cls.c_str(), L"Static") == 0) {
            std::wstring t = window_text(c);
            if ((style & SS_TYPEMASK) == SS_ICON || t.empty()) continue;
            if (texts.size() > 1) texts += ",";
            texts += jstr(t);
        } else if (is_button_class(c, style)) {
            if (buttons.size() > 1) buttons += ",";
            buttons += "{\"id\":" + jnum(GetDlgCtrlID(c)) + ",\"text\":" + jstr(window_text(c)) + "}";
        }
    }
    return ",\"caption\":" + jstr(window_text(d)) + ",\"texts\":" + texts + "],\"buttons\":" + buttons + "]";
}

struct DialogSearch {
    HWND owner, exclude;
    bool by_caption;
    std::wstring caption;
    HWND found;
};

BOOL CALLBACK find_dialog(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<DialogSearch*>(lp);
    if (h == s->exclude || !IsWindowVisible(h) || class_name(h) != L"#32770") return TRUE;
    if (s->owner && GetWindow(h, GW_OWNER) != s->owner) return TRUE;
    if (s->by_caption && window_text(h) != s->caption) return TRUE;
    s->found = h;
    return FALSE;
}

std::string cmd_dialog(Args& a) {
    DWORD ms = (DWORD)a.num();
    HWND owner = a.hwnd();
    HWND exclude = a.hwnd();
    std::string caption = a.text();
    if (a.bad) return fail("usage: dialog MS OWNER EXCLUDE [CAPTION]");
    DialogSearch s{owner, exclude, !caption.empty(), wide(caption), nullptr};
    wait_for(ms, [&] {
        s.found = nullptr;
        EnumWindows(find_dialog, (LPARAM)&s);
        return s.found != nullptr;
    });
    if (!s.found) return "{\"ok\":true,\"hwnd\":null}";
    return "{\"ok\":true,\"hwnd\":" + jhwnd(s.found) + describe_dialog(s.found) + "}";
}

std::string cmd_children(Args& a) {
    HWND h = a.hwnd();
    if (a.bad) return fail("usage: children HWND");
    if (!IsWindow(h)) return fail("no such window");
    std::string r = "{\"ok\":true,\"children\":[";
    bool first = true;
    for (HWND c : descendants(h)) {
        if (!first) r += ",";
        first = false;
        r += "{\"hwnd\":" + jhwnd(c) + ",\"id\":" + jnum(GetDlgCtrlID(c)) + ",\"class\":" + jstr(class_name(c)) +
             ",\"text\":" + jstr(window_text(c)) + ",\"style\":" + jhex((DWORD)GetWindowLongW(c, GWL_STYLE)) +
             ",\"visible\":" + (IsWindowVisible(c) ? "true" : "false") + "}";
    }
    return r + "]}";
}

std::string cmd_press(Args& a) {
    HWND d = a.hwnd();
    UINT id = (UINT)a.num();
    if (a.bad) return fail("usage: press DLG ID");
    if (!IsWindow(d)) return fail("no such window");
    HWND button = GetDlgItem(d, (int)id);
    if (!PostMessageW(d, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button))
        return fail_code("PostMessage failed", GetLastError());
    return std::string("{\"ok\":true,\"button\":") + (button ? "true" : "false") + "}";
}

// Memory in another process, freed on scope exit.
struct Remote {
    HANDLE proc = nullptr;
    void* mem = nullptr;
    ~Remote() {
        if (mem) VirtualFreeEx(proc, mem, 0, MEM_RELEASE);
        if (proc) CloseHandle(proc);
    }
};

std::string cmd_status(Args& a) {
    HWND h = a.hwnd();
    if (a.bad) return fail("usage: status HWND");
    if (!IsWindow(h)) return fail("no such window");
    HWND bar = nullptr;
    for (HWND c : descendants(h)) {
        if (_wcsicmp(class_name(c).c_str(), STATUSCLASSNAMEW) == 0) {
            bar = c;
            break;
        }
    }
    if (!bar) return "{\"ok\":true,\"hwnd\":null,\"parts\":[]}";

    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    Remote r;
    r.proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                         FALSE, pid);
    if (!r.proc) return fail_code("OpenProcess failed", GetLastError());
    const SIZE_T bytes = 65536;
    r.mem = VirtualAllocEx(r.proc, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!r.mem) return fail_code("VirtualAllocEx failed", GetLastError());

    auto send = [&](UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR& out) {
        return SendMessageTimeoutW(bar, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, 5000, &out) != 0;
    };
    DWORD_PTR parts = 0;
    if (!send(SB_GETPARTS, 0, 0, parts)) return fail_code("SB_GETPARTS failed", GetLastError());
    int count = (int)parts;
    if (count < 1) count = 1;  // a simple bar reports no parts but has one text
    if (count > 256) count = 256;

    std::string out = "[";
    std::string types = "[";
    for (int i = 0; i < count; ++i) {
        DWORD_PTR lt = 0;
        if (!send(SB_GETTEXTLENGTHW, (WPARAM)i, 0, lt)) return fail_code("SB_GETTEXTLENGTH failed", GetLastError());
        SIZE_T len = LOWORD(lt);
        SIZE_T need = (len + 1) * sizeof(wchar_t);
        if (need > bytes) return fail("status text too long");
        wchar_t zero = 0;
        WriteProcessMemory(r.proc, r.mem, &zero, sizeof zero, nullptr);
        DWORD_PTR ignored = 0;
        if (!send(SB_GETTEXTW, (WPARAM)i, (LPARAM)r.mem, ignored)) return fail_code("SB_GETTEXT failed", GetLastError());
        std::wstring text(len + 1, L'\0');
        SIZE_T got = 0;
        if (!ReadProcessMemory(r.proc, r.mem, &text[0], need, &got))
            return fail_code("ReadProcessMemory failed", GetLastError());
        text.resize(wcsnlen(text.c_str(), len));
        if (i) { out += ","; types += ","; }
        out += jstr(text);
        types += jnum(HIWORD(lt));
    }
    return "{\"ok\":true,\"hwnd\":" + jhwnd(bar) + ",\"parts\":" + out + "],\"types\":" + types + "]}";
}

std::string cmd_metrics() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    std::string r = "{\"ok\":true";
    r += ",\"cxscreen\":" + jnum(GetSystemMetrics(SM_CXSCREEN));
    r += ",\"cyscreen\":" + jnum(GetSystemMetrics(SM_CYSCREEN));
    r += ",\"cxsizeframe\":" + jnum(GetSystemMetrics(SM_CXSIZEFRAME));
    r += ",\"cysizeframe\":" + jnum(GetSystemMetrics(SM_CYSIZEFRAME));
    r += ",\"cxfixedframe\":" + jnum(GetSystemMetrics(SM_CXFIXEDFRAME));
    r += ",\"cyfixedframe\":" + jnum(GetSystemMetrics(SM_CYFIXEDFRAME));
    r += ",\"cycaption\":" + jnum(GetSystemMetrics(SM_CYCAPTION));
    r += ",\"cxvirtual\":" + jnum(GetSystemMetrics(SM_CXVIRTUALSCREEN));
    r += ",\"cyvirtual\":" + jnum(GetSystemMetrics(SM_CYVIRTUALSCREEN));
    r += ",\"work\":" + jrect(work);
    return r + "}";
}

std::string cmd_pid(Args& a) {
    HWND h = a.hwnd();
    if (a.bad) return fail("usage: pid HWND");
    DWORD pid = 0;
    if (!GetWindowThreadProcessId(h, &pid)) return fail("no such window");
    return "{\"ok\":true,\"pid\":" + jnum(pid) + "}";
}

// Writes a shortcut file, as a user would make one, for the program to find.
std::string cmd_shortcut(Args& a) {
    std::string both = a.text();
    size_t bar = both.find('|');
    if (bar == std::string::npos) return fail("usage: shortcut TARGET|SHORTCUT");
    std::wstring target = wide(both.substr(0, bar)), path = wide(both.substr(bar + 1));
    HRESULT com = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link));
    if (SUCCEEDED(hr)) hr = link->SetPath(target.c_str());
    if (SUCCEEDED(hr)) hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) hr = file->Save(path.c_str(), TRUE);
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(com)) CoUninitialize();
    if (FAILED(hr)) return fail("shortcut not written");
    return "{\"ok\":true}";
}

std::string run(const std::string& line, bool& quit) {
    Args a{line};
    std::string cmd = word(a.rest);
    if (cmd.empty()) return fail("empty command");
    if (cmd == "find") return cmd_find(a);
    if (cmd == "info") return cmd_info(a);
    if (cmd == "post") return cmd_post(a);
    if (cmd == "send") return cmd_send(a);
    if (cmd == "key") return cmd_key(a);
    if (cmd == "move") return cmd_move(a);
    if (cmd == "gone") return cmd_gone(a);
    if (cmd == "dialog") return cmd_dialog(a);
    if (cmd == "children") return cmd_children(a);
    if (cmd == "press") return cmd_press(a);
    if (cmd == "status") return cmd_status(a);
    if (cmd == "metrics") return cmd_metrics();
    if (cmd == "pid") return cmd_pid(a);
    if (cmd == "shortcut") return cmd_shortcut(a);
    if (cmd == "quit") {
        quit = true;
        return "{\"ok\":true}";
    }
    return fail("unknown command: " + cmd);
}

void reply(const std::string& s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        reply(fail("usage: vdriver serve | vdriver COMMAND ARGS"));
        return 2;
    }
    bool quit = false;
    if (std::wcscmp(argv[1], L"serve") != 0) {
        std::string line;
        for (int i = 1; i < argc; ++i) {
            if (i > 1) line += ' ';
            line += utf8(argv[i]);
        }
        std::string r = run(line, quit);
        reply(r);
        return r.compare(0, 10, "{\"ok\":true") == 0 ? 0 : 1;
    }
    std::string line;
    int c;
    for (;;) {
        line.clear();
        while ((c = std::fgetc(stdin)) != EOF && c != '\n') line += (char)c;
        if (c == EOF && line.empty()) break;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        reply(run(line, quit));
        if (quit || c == EOF) break;
    }
    return 0;
}
