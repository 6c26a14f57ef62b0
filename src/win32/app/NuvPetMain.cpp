// NuvPet.exe [PET_ROOT]: the desktop pet. Runs the pet of PET_ROOT's .\DATA\PET.CFG (by default
// the working directory's); the pet root becomes the working directory.
// Exit status: 0 after a run, 1 when the pet could not start or ended on an error, 2 when its
// window was refused, 3 when the command line names no folder that can be opened, 4 when another
// program runs the pet of this folder.

#include "win32/WinApi.h"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <string>

#include "app/PetMainDlg.h"
#include "base/Log.h"
#include "ports/FileLog.h"
#include "win32/DialogHelpers.h"
#include "win32/GdiObjects.h"
#include "win32/KoreanFonts.h"
#include "win32/LastResort.h"
#include "win32/PetRootLock.h"
#include "win32/PetShell.h"
#include "win32/WideText.h"
#include "win32/Win32Clock.h"
#include "win32/Win32Cursors.h"
#include "win32/Win32FileSystem.h"

namespace {

namespace w32 = nuv::win32;

constexpr int kExitNoPetRoot = 3;
constexpr int kExitAlreadyRunning = 4;

// An unexpected end still gives the user's cursors back.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
    w32::RestoreCursorsOnExit();
    DWORD code =
        exception && exception->ExceptionRecord ? exception->ExceptionRecord->ExceptionCode : 0;
    nuv::WriteLogF("WinMain() - 처리하지 못한 예외로 프로그램을 끝냅니다. Error = 0x%08lX", code);
    return EXCEPTION_CONTINUE_SEARCH;
}

void OnTerminate() {
    w32::RestoreCursorsOnExit();
    nuv::WriteLog("WinMain() - 처리하지 못한 예외로 프로그램을 끝냅니다.");
    std::abort();
}

void LogGdiCounts() {
    w32::GdiCounts counts = w32::CurrentGdiCounts();
    std::string kinds;
    for (int k = 0; k < int(w32::GdiKind::kCount); ++k) {
        kinds += nuv::StrFormat("%s%s %ld-%ld", k ? ", " : "", w32::GdiKindName(w32::GdiKind(k)),
                                counts.created[k], counts.deleted[k]);
    }
    nuv::WriteLogF("[ GDI Objects : live %ld, peak %ld; %s ]", counts.Live(),
                   w32::PeakLiveGdiObjects(), kinds.c_str());
}

// Makes the folder the command line names (if any) the working directory, as the Run value
// the program writes asks; a message and false when there is more than one argument or the
// folder cannot be opened.
bool EnterPetRoot() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return true;
    std::wstring root = count == 2 ? arguments[1] : L"";
    LocalFree(arguments);
    std::wstring problem;
    if (count > 2) {
        problem = L"사용법: NuvPet.exe [펫 폴더]";
    } else if (count == 2 && !SetCurrentDirectoryW(root.c_str())) {
        DWORD error = GetLastError();
        problem =
            L"펫 폴더 '" + root + L"'을(를) 열 수 없습니다. Error = " + std::to_wstring(error);
    }
    if (problem.empty()) return true;
    w32::KoreanFonts fonts;
    w32::ShowMessageBox(nullptr, problem, w32::Widen(nuv::kApplicationName),
                        MB_OK | MB_ICONERROR | MB_SETFOREGROUND, fonts.DialogFont());
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(OnTerminate);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    if (!EnterPetRoot()) return kExitNoPetRoot;

    // Before any file of the root is read or written, the log included: the files belong to
    // the program that runs the pet.
    w32::PetRootLock lock;
    if (!lock.Acquire()) {
        w32::ShowAlreadyRunning(instance);
        return kExitAlreadyRunning;
    }

    w32::Win32FileSystem host;
    nuv::DeviceNameGuard files(host);
    w32::Win32Clock clock;
    nuv::FileLog log(files, clock);
    nuv::LogSinkScope logged(&log);

    int result = w32::RunWithLastResort([instance, &files] {
        w32::CPetShell shell(instance, files);
        return shell.Run();
    });
    LogGdiCounts();
    return result;
}
