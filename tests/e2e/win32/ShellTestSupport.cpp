#include "ShellTestSupport.h"

#include <cwchar>
#include <map>
#include <vector>

#include "formats/BmpDecoder.h"
#include "ports/FileSystem.h"
#include "win32/DibImage.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"
#include "win32/Win32FileSystem.h"

namespace nuv::win32::test {
namespace {

std::map<UINT_PTR, WindowRobot*>& Robots() {
    static std::map<UINT_PTR, WindowRobot*> robots;
    return robots;
}

struct Found {
    const std::wstring* caption;
    HWND window;
};

BOOL CALLBACK FindCaptioned(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (*found->caption != text) return TRUE;
    found->window = window;
    return FALSE;
}

// The texts a control shows: its window text, and the entries of a list box.
std::wstring ShownText(HWND control) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK;
    if (_wcsicmp(kind, L"Static") == 0 && (type == SS_ICON || type == SS_BITMAP)) return {};
    wchar_t text[512] = {};
    std::wstring shown(text, std::size_t(GetWindowTextW(control, text, 512)));
    if (_wcsicmp(kind, L"ListBox") == 0) {
        LRESULT count = SendMessageW(control, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            if (SendMessageW(control, LB_GETTEXTLEN, i, 0) >= 512) continue;
            SendMessageW(control, LB_GETTEXT, i, LPARAM(text));
            shown += text;
        }
    }
    std::wstring printable;
    for (wchar_t c : shown) {
        if (c >= L' ') printable += c;
    }
    return printable;
}

BOOL CALLBACK CountMissingGlyphs(HWND control, LPARAM lParam) {
    std::wstring shown = ShownText(control);
    if (shown.empty()) return TRUE;
    HFONT font = HFONT(SendMessageW(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT));
    std::vector<WORD> glyphs(shown.size());
    GetGlyphIndicesW(dc, shown.c_str(), int(shown.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] == 0xFFFF) *reinterpret_cast<std::wstring*>(lParam) += shown[i];
    }
    return TRUE;
}

}  // namespace

std::wstring MissingGlyphs(HWND window) {
    std::wstring missing;
    EnumChildWindows(window, CountMissingGlyphs, reinterpret_cast<LPARAM>(&missing));
    return missing;
}

void Pump(DWORD ms, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done && done()) return;
        Sleep(5);
    }
}

WindowRobot::WindowRobot(std::wstring caption, std::function<void(HWND)> act, DWORD ms)
    : caption_(std::move(caption)), act_(std::move(act)), start_(GetTickCount()), ms_(ms) {
    timer_ = SetTimer(nullptr, 0, 30, Tick);
    Robots()[timer_] = this;
}

WindowRobot::~WindowRobot() {
    if (timer_) KillTimer(nullptr, timer_);
    Robots().erase(timer_);
}

void CALLBACK WindowRobot::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Robots().find(id);
    if (it == Robots().end()) return;
    WindowRobot* robot = it->second;
    Found found{&robot->caption_, nullptr};
    EnumWindows(FindCaptioned, reinterpret_cast<LPARAM>(&found));
    bool late = GetTickCount() - robot->start_ > robot->ms_;
    if (!found.window && !late) return;
    KillTimer(nullptr, id);
    Robots().erase(id);
    robot->timer_ = 0;
    if (found.window) {
        robot->acted_ = true;
        robot->act_(found.window);
    }
}

PictureFolder::PictureFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"nuv-shell-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW((root_ + L"\\PETS").c_str(), nullptr);
    files_ = new Win32FileSystem(root_);
}

PictureFolder::~PictureFolder() {
    delete static_cast<Win32FileSystem*>(files_);
    WIN32_FIND_DATAW entry;
    std::wstring pets = root_ + L"\\PETS\\";
    HANDLE find = FindFirstFileW((pets + L"*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileW((pets + entry.cFileName).c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(pets.c_str());
    RemoveDirectoryW(root_.c_str());
}

void PictureFolder::Put(const std::string& name, const Image& image) {
    std::string bytes = EncodeBmp24(image);
    bool bitmap = name.size() > 4 && name.compare(name.size() - 4, 4, ".BMP") == 0;
    if (!bitmap) bytes = std::string(1024, '\0') + bytes;
    files().WriteFile(".\\PETS\\" + name, bytes, false);
}

IFileSystem& PictureFolder::files() {
    return *static_cast<Win32FileSystem*>(files_);
}

Image CaptureClient(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    HDC memory = NewMemoryDC(dc);
    HBITMAP bitmap = NewCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    Image image = BitmapToImage(bitmap);
    DeleteGdiObject(bitmap);
    DeleteMemoryDC(memory);
    ReleaseDC(window, dc);
    return image;
}

std::vector<Rect> WindowShape(HWND window) {
    HRGN region = NewRectRegion(0, 0, 0, 0);
    std::vector<Rect> rects;
    if (GetWindowRgn(window, region) != ERROR) rects = RegionToRects(region);
    DeleteGdiObject(region);
    return rects;
}

}  // namespace nuv::win32::test
