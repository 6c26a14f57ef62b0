#include "win32/PetShell.h"

#include "MHook.h"
#include "base/Log.h"
#include "resource.h"
#include "win32/LastResort.h"
#include "win32/WideText.h"

namespace nuv::win32 {
namespace {

constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED (Windows 8.1 and later)

void SetResult(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
}

// The about item of the system menu, for a window that has one.
void AddAboutItem(HWND dialog, HINSTANCE instance) {
    if (!(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU)) return;
    HMENU system = GetSystemMenu(dialog, FALSE);
    wchar_t caption[128] = {};
    if (!system || LoadStringW(instance, IDS_ABOUTBOX, caption, 128) <= 0) return;
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, IDM_ABOUTBOX, caption);
}

}  // namespace

CPetShell::CPetShell(HINSTANCE instance, IFileSystem& files)
    : window_(context_),
      cursors_(context_),
      hook_(context_),
      dialogs_(context_),
      menu_(context_, fonts_),
      tray_(context_),
      loading_(context_),
      balloons_(context_, fonts_),
      text_(fonts_),
      objects_(context_) {
    context_.instance = instance;
    context_.files = &files;
    context_.fonts = &fonts_;
    RegisterCursorsForExit(&cursors_);
}

CPetShell::~CPetShell() {
    TakeDown();
}

PetPorts CPetShell::Ports() {
    PetPorts ports;
    ports.window = &window_;
    ports.desktop = &desktop_;
    ports.system = &services_;
    ports.cursors = &cursors_;
    ports.hook = &hook_;
    ports.dialogs = &dialogs_;
    ports.menu = &menu_;
    ports.tray = &tray_;
    ports.loading = &loading_;
    ports.balloons = &balloons_;
    ports.text = &text_;
    ports.objects = &objects_;
    ports.settings = &settings_;
    ports.clock = &clock_;
    ports.files = context_.files;
    return ports;
}

int CPetShell::Run() {
    WriteLogF("CPetShell::Run() - 글꼴: %s", NarrowToCp949(fonts_.Face()).c_str());
    dialog_ = std::make_unique<CPetMainDlg>(Ports());
    HWND pet = CreateDialogParamW(context_.instance, MAKEINTRESOURCEW(IDD_PET_MAIN), nullptr, Proc,
                                  LPARAM(this));
    RethrowKeptException();  // from the start-up in WM_INITDIALOG
    if (!pet) {
        WriteLogF("CPetShell::Run() - 펫 창을 만들지 못했습니다. Error = %lu", GetLastError());
        TakeDown();
        return 2;
    }
    RunMessages();
    RethrowKeptException();
    WriteLog(window_.Timings().Describe());
    TakeDown();
    return started_ ? 0 : 1;
}

void CPetShell::RunMessages() {
    MSG message;
    while (!window_.Ended()) {
        RethrowKeptException();  // of a procedure, dispatched here or from the dialog manager
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool CPetShell::PreTranslate(MSG& message) {
    HWND pet = context_.petWindow;
    if (!pet || !dialog_) return false;
    if (message.hwnd == pet && message.message == MHOOK_MESSAGE) {
        dialog_->OnHookMessage(message.wParam, message.lParam);
        return false;  // then dispatched as any message
    }
    if (message.message == WM_KEYDOWN && (message.hwnd == pet || IsChild(pet, message.hwnd)) &&
        dialog_->PreTranslateKey(int(message.wParam))) {
        // Past the dialog's own key handling, so Escape and Enter never end it.
        TranslateMessage(&message);
        DispatchMessageW(&message);
        return true;
    }
    if (PreTranslateBalloonKey(message)) return true;
    return IsDialogMessageW(pet, &message) != FALSE;
}

void CPetShell::TakeDown() {
    dialog_.reset();  // the pet: balloons, object window, tray icon, cursors
    loading_.Close();
    window_.ReleaseSheet();
    if (context_.petWindow) {
        HWND pet = context_.petWindow;
        SetWindowLongPtrW(pet, DWLP_USER, 0);
        DestroyWindow(pet);
        context_.petWindow = nullptr;
    }
    fonts_.Clear();
}

void CPetShell::OnInitDialog(HWND dialog) {
    context_.petWindow = dialog;
    initialised_ = true;
    AddAboutItem(dialog, context_.instance);
    window_.SetIcon(kIconStart);
    started_ = dialog_->OnInitDialog();
}

void CPetShell::OnDisplayChange() {
    desktop_.Forget();
    dialog_->OnDisplayChange();
}

void CPetShell::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(context_.petWindow, &paint);
    window_.BeginPaintFrame(dc);
    dialog_->OnPaint();
    window_.EndPaintFrame();
    EndPaint(context_.petWindow, &paint);
}

INT_PTR CPetShell::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND pet = context_.petWindow;
    const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return FALSE;
            dialog_->OnSysCommand(IDM_ABOUTBOX);
            return TRUE;
        case WM_PAINT:
            Paint();
            return TRUE;
        case WM_ERASEBKGND:
            SetResult(pet, 0);
            return TRUE;
        case WM_QUERYDRAGICON:
            return INT_PTR(SendMessageW(pet, WM_GETICON, ICON_BIG, 0));
        case WM_LBUTTONDOWN:
            dialog_->OnLButtonDown(x, y);
            return FALSE;
        case WM_RBUTTONDOWN:
            dialog_->OnRButtonDown(x, y);
            return FALSE;
        case WM_GETMINMAXINFO:
            dialog_->OnGetMinMaxInfo();
            return FALSE;
        case WM_CAPTURECHANGED:
            dialog_->OnCaptureChanged();
            return FALSE;
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            return FALSE;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) OnDisplayChange();
            return FALSE;
        case kDpiChangedMessage:
            // The pet's size is the core's: the size the system suggests is not taken. A pet
            // carried across monitors takes the new scale where it lands.
            desktop_.Forget();
            if (!dialog_->dragging()) dialog_->OnDisplayChange();
            SetResult(pet, 0);
            return TRUE;
        case WM_TIMER:
            dialog_->OnTimer(int(wParam));
            return TRUE;
        case WM_SETCURSOR:
            if (!dialog_->OnSetCursor()) return FALSE;
            SetResult(pet, TRUE);
            return TRUE;
        case WM_HELP:
            SetResult(pet, 0);
            return TRUE;
        case kTrayMessage:
            dialog_->OnTrayNotify(int(lParam));
            return TRUE;
        case WM_COMMAND:
            dialog_->OnCommand(LOWORD(wParam));
            return TRUE;
        case MHOOK_MESSAGE:
            return TRUE;  // used before dispatching (PreTranslate)
        case WM_ENDSESSION:
            if (wParam) RestoreCursorsOnExit();
            return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK CPetShell::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CatchForLoop(INT_PTR(FALSE), [&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            reinterpret_cast<CPetShell*>(lParam)->OnInitDialog(dialog);
            return TRUE;
        }
        auto* self = reinterpret_cast<CPetShell*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!self || !self->initialised_ || !self->dialog_) return FALSE;
        return self->Handle(message, wParam, lParam);
    });
}

}  // namespace nuv::win32
