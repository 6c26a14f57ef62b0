#include "win32/Win32Desktop.h"

#include <algorithm>

namespace nuv::win32 {
namespace {

constexpr unsigned kDefaultDpi = 96;

// The system-wide DPI: the one every monitor has before Windows 8.1.
unsigned SystemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? unsigned(dpi) : kDefaultDpi;
}

// GetDpiForMonitor (shcore.dll, Windows 8.1 and later), or null where there is none.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
GetDpiForMonitorFn MonitorDpiFunction() {
    static const GetDpiForMonitorFn function = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        FARPROC found = shcore ? GetProcAddress(shcore, "GetDpiForMonitor") : nullptr;
        return reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(found));
    }();
    return function;
}

unsigned MonitorDpi(HMONITOR monitor, unsigned systemDpi) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    GetDpiForMonitorFn function = MonitorDpiFunction();
    if (function && SUCCEEDED(function(monitor, kEffectiveDpi, &x, &y)) && x > 0) return x;
    return systemDpi;
}

struct Enumeration {
    std::vector<MonitorRecord> records;
    unsigned systemDpi;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* enumeration = reinterpret_cast<Enumeration*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    enumeration->records.push_back({info.rcWork, (info.dwFlags & MONITORINFOF_PRIMARY) != 0,
                                    MonitorDpi(monitor, enumeration->systemDpi)});
    return TRUE;
}

// The usable desktop as one monitor, for a system that lists none: the work area, or the
// full-screen client size plus a caption's height.
Monitor WorkAreaMonitor() {
    RECT area = {};
    Monitor size;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) && area.right > 0 && area.bottom > 0) {
        size.right = area.right;
        size.ground = area.bottom;
    } else {
        size.right = GetSystemMetrics(SM_CXFULLSCREEN);
        size.ground = GetSystemMetrics(SM_CYFULLSCREEN) + GetSystemMetrics(SM_CYCAPTION);
    }
    size.scale = SystemDpi() / double(kDefaultDpi);
    return size;
}

}  // namespace

Monitors ToMonitors(const std::vector<MonitorRecord>& records) {
    Monitors monitors;
    bool primary = false;  // two would be the system's fault: the first one listed leads
    for (const MonitorRecord& record : records) {
        const RECT& r = record.work;
        if (r.right <= r.left || r.bottom <= r.top) continue;
        Monitor monitor{int(r.left), int(r.top), int(r.right), int(r.bottom),
                        (record.dpi > 0 ? record.dpi : kDefaultDpi) / double(kDefaultDpi)};
        if (record.primary && !primary) {
            monitors.insert(monitors.begin(), monitor);
            primary = true;
        } else {
            monitors.push_back(monitor);
        }
    }
    return monitors;
}

std::vector<MonitorRecord> ReadMonitorRecords() {
    Enumeration enumeration{{}, SystemDpi()};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, LPARAM(&enumeration));
    return enumeration.records;
}

const Monitors& Win32Desktop::GetMonitors() {
    if (!known_) {
        monitors_ = ToMonitors(ReadMonitorRecords());
        if (monitors_.empty()) monitors_ = {WorkAreaMonitor()};
        known_ = true;
    }
    return monitors_;
}

Point Win32Desktop::GetCursorPos() {
    POINT p = {};
    ::GetCursorPos(&p);
    return {int(p.x), int(p.y)};
}

void Win32Desktop::SetCursorPos(Point screen) {
    ::SetCursorPos(screen.x, screen.y);
}

}  // namespace nuv::win32
