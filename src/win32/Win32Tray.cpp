#include "win32/Win32Tray.h"

#include <shellapi.h>

#include <cwchar>

#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

NOTIFYICONDATAW Record(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 0;
    return data;
}

}  // namespace

Win32Tray::~Win32Tray() {
    Remove();
    if (icon_) DestroyIcon(icon_);
}

bool Win32Tray::Add(int iconId, const std::string& tip) {
    if (!icon_) {
        icon_ = HICON(LoadImageW(context_.instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    }
    NOTIFYICONDATAW data = Record(context_.petWindow);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon_;
    std::wstring wide = Widen(tip);  // the core has cut it to 63 bytes
    wcsncpy(data.szTip, wide.c_str(), 63);
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return added_;
}

bool Win32Tray::Remove() {
    if (!added_) return true;
    NOTIFYICONDATAW data = Record(context_.petWindow);
    if (!Shell_NotifyIconW(NIM_DELETE, &data)) return false;
    added_ = false;
    return true;
}

}  // namespace nuv::win32
