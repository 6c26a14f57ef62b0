// The hook library: a low-level mouse hook plus a 10 ms cursor sampler on a message-only window.
// Both run on the thread that called InstallHook, so no state is shared between threads.

#include "MHook.h"

namespace {

constexpr UINT_PTR kSampleTimerId = 1;
constexpr UINT kSamplePeriodMs = 10;
const wchar_t kSamplerClass[] = L"NuvMHookSampler";

HINSTANCE gModule = nullptr;
HWND gTarget = nullptr;
HHOOK gMouseHook = nullptr;
HWND gSampler = nullptr;
POINT gLastPosted = {LONG_MIN, LONG_MIN};

void PostCursor(POINT pt) {
    if (pt.x == gLastPosted.x && pt.y == gLastPosted.y) return;
    if (!gTarget || !IsWindow(gTarget)) return;
    gLastPosted = pt;
    PostMessageW(gTarget, MHOOK_MESSAGE, MHOOK_CURSOR_MOVED,
                 MAKELPARAM(WORD(pt.x & 0xFFFF), WORD(pt.y & 0xFFFF)));
}

LRESULT CALLBACK LowLevelMouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_MOUSEMOVE && gMouseHook) {
        PostCursor(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SamplerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kSampleTimerId) {
        POINT pt;
        if (GetCursorPos(&pt)) PostCursor(pt);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool StartSampler() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = SamplerProc;
    wc.hInstance = gModule;
    wc.lpszClassName = kSamplerClass;
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    gSampler = CreateWindowExW(0, kSamplerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, gModule,
                               nullptr);
    if (!gSampler) return false;
    if (!SetTimer(gSampler, kSampleTimerId, kSamplePeriodMs, nullptr)) {
        DestroyWindow(gSampler);
        gSampler = nullptr;
        return false;
    }
    return true;
}

void StopSampler() {
    if (!gSampler) return;
    KillTimer(gSampler, kSampleTimerId);
    DestroyWindow(gSampler);
    gSampler = nullptr;
}

}  // namespace

extern "C" {

BOOL WINAPI InitHooksDll(HWND window) {
    if (!IsWindow(window)) return FALSE;
    gTarget = window;
    return TRUE;
}

BOOL WINAPI InstallHook(void) {
    if (!gTarget) return FALSE;
    if (gMouseHook || gSampler) return TRUE;
    gLastPosted = {LONG_MIN, LONG_MIN};
    // The sampler alone is enough to follow the cursor; the hook only makes moves prompter.
    gMouseHook = SetWindowsHookExW(WH_MOUSE_LL, LowLevelMouseProc, gModule, 0);
    if (!StartSampler() && !gMouseHook) return FALSE;
    return TRUE;
}

BOOL WINAPI UnInstallHook(void) {
    if (gMouseHook) {
        UnhookWindowsHookEx(gMouseHook);
        gMouseHook = nullptr;
    }
    StopSampler();
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        gModule = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while installed: the hook procedure and the window procedure go with us.
        UnInstallHook();
        UnregisterClassW(kSamplerClass, gModule);
    }
    return TRUE;
}

}  // extern "C"
