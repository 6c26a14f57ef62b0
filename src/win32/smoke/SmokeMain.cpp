// nuvsmoke: shows the pet window template as a shaped window, follows MHook.dll's cursor
// messages and writes what happens to a log, until a stop file appears.
//
//   nuvsmoke.exe [--log FILE] [--stop FILE] [--at X Y] [--dialogs]

#include "win32/WinApi.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "MHook.h"
#include "resource.h"
#include "win32/GdiObjects.h"
#include "win32/RegionHandle.h"
#include "win32/smoke/SmokeDialogs.h"

namespace {

using nuv::Rect;
namespace w32 = nuv::win32;

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr COLORREF kBodyColour = RGB(255, 0, 255);
constexpr UINT_PTR kPollTimer = 1;
constexpr DWORD kLifetimeMs = 60000;

// A T-shaped body with a detached square: holes and separate parts in one region.
const std::vector<Rect> kShape = {{0, 0, 160, 40}, {50, 40, 110, 120}, {130, 90, 150, 110}};

struct Options {
    std::wstring logPath = L"nuvsmoke.log";
    std::wstring stopPath = L"nuvsmoke.stop";
    int x = 200;
    int y = 150;
    bool dialogs = false;
};

HANDLE gLog = INVALID_HANDLE_VALUE;
Options gOptions;
DWORD gStartTick = 0;

void LogLine(const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(line, sizeof(line) - 2, format, args);
    va_end(args);
    if (length < 0) return;
    if (length > int(sizeof(line)) - 3) length = int(sizeof(line)) - 3;
    line[length++] = '\n';
    DWORD written = 0;
    WriteFile(gLog, line, DWORD(length), &written, nullptr);
}

std::string Utf8(const std::wstring& text) {
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string out(std::size_t(needed > 0 ? needed : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), needed, nullptr,
                        nullptr);
    return out;
}

// Milliseconds from the creation of the process until now.
long long MsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return (long long)(b.QuadPart - a.QuadPart) / 10000;
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    w32::OwnedGdi<HBRUSH> brush(w32::NewSolidBrush(kBodyColour));
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush.get());
    EndPaint(window, &paint);
}

void Shape(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, gOptions.x, gOptions.y, kWidth, kHeight, SWP_NOACTIVATE);
    HRGN region = w32::RectsToRegion(kShape);
    if (!region || !w32::SetWindowRegion(window, region, true)) {
        LogLine("error region");
        w32::DeleteGdiObject(region);
    }
}

void Start(HWND window) {
    Shape(window);
    wchar_t about[128] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 128);
    LogLine("string101 %s", Utf8(about).c_str());
    BOOL init = InitHooksDll(window);
    BOOL installed = InstallHook();
    LogLine("hook init %d install %d", init, installed);
    SetTimer(window, kPollTimer, 50, nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    LogLine("ready %ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top);
    LogLine("startup_ms %lld", MsSinceProcessStart());
}

void Poll(HWND window) {
    if (GetFileAttributesW(gOptions.stopPath.c_str()) != INVALID_FILE_ATTRIBUTES) {
        LogLine("stop requested");
        DestroyWindow(window);
    } else if (GetTickCount() - gStartTick > kLifetimeMs) {
        LogLine("timeout");
        DestroyWindow(window);
    }
}

INT_PTR CALLBACK PetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Start(window);
            return TRUE;
        case WM_ERASEBKGND:
            SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            Paint(window);
            return TRUE;
        case WM_TIMER:
            if (wParam == kPollTimer) Poll(window);
            return TRUE;
        case MHOOK_MESSAGE:
            LogLine("hook %u %u %u", unsigned(wParam), unsigned(LOWORD(lParam)),
                    unsigned(HIWORD(lParam)));
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            UnInstallHook();
            KillTimer(window, kPollTimer);
            PostQuitMessage(0);
            return TRUE;
    }
    return FALSE;
}

void ReadOptions() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i) {
        std::wstring arg = args[i];
        if (arg == L"--log" && i + 1 < count)
            gOptions.logPath = args[++i];
        else if (arg == L"--stop" && i + 1 < count)
            gOptions.stopPath = args[++i];
        else if (arg == L"--dialogs")
            gOptions.dialogs = true;
        else if (arg == L"--at" && i + 2 < count) {
            gOptions.x = _wtoi(args[++i]);
            gOptions.y = _wtoi(args[++i]);
        }
    }
    LocalFree(args);
}

void LogGdiCounts() {
    w32::GdiCounts counts = w32::CurrentGdiCounts();
    for (int k = 0; k < int(w32::GdiKind::kCount); ++k) {
        auto kind = w32::GdiKind(k);
        if (counts.created[k]) {
            LogLine("gdi %s created %ld deleted %ld", w32::GdiKindName(kind), counts.created[k],
                    counts.deleted[k]);
        }
    }
    LogLine("gdi live %ld", counts.Live());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    gStartTick = GetTickCount();
    ReadOptions();
    gLog = CreateFileW(gOptions.logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (gLog == INVALID_HANDLE_VALUE) return 2;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    if (gOptions.dialogs) nuv::smoke::OpenSampleDialogs(instance);
    HWND pet = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PET_MAIN), nullptr, PetProc, 0);
    if (!pet) {
        LogLine("error dialog %lu", GetLastError());
        CloseHandle(gLog);
        return 3;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    LogGdiCounts();
    LogLine("exit");
    CloseHandle(gLog);
    return 0;
}
