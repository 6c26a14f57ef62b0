#include "win32/LastResort.h"

#include "app/PetMainDlg.h"
#include "base/Log.h"
#include "win32/DialogHelpers.h"
#include "win32/KoreanFonts.h"
#include "win32/WideText.h"
#include "win32/Win32Cursors.h"

namespace nuv::win32 {
namespace {

std::exception_ptr gKept;

std::string Describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "(unknown)";
    }
}

void ShowStartFailureBox() {
    KoreanFonts fonts;
    ShowMessageBox(nullptr, Widen(kStartFailureText), Widen(kStartFailureCaption),
                   MB_OK | MB_SETFOREGROUND, fonts.DialogFont());
}

}  // namespace

void KeepException(std::exception_ptr exception) {
    if (!gKept) gKept = exception;
}

void RethrowKeptException() {
    if (!gKept) return;
    std::exception_ptr kept = gKept;
    gKept = nullptr;
    std::rethrow_exception(kept);
}

int RunWithLastResort(const std::function<int()>& body) {
    std::exception_ptr failure;
    try {
        int result = body();
        RethrowKeptException();
        return result;
    } catch (...) {
        failure = std::current_exception();
    }
    gKept = nullptr;
    WriteLogF("WinMain() - 처리하지 못한 예외로 펫을 끝냅니다: %s", Describe(failure).c_str());
    RestoreCursorsOnExit();
    ShowStartFailureBox();
    return kExitAfterException;
}

}  // namespace nuv::win32
