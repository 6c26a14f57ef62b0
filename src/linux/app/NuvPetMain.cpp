// nuvpet: the desktop pet on Linux (X11). Runs the pet of the pet root given as the argument,
// or of the current folder: its .\DATA\PET.CFG, as the Windows program does.
//
//   nuvpet [PET_ROOT]
//   nuvpet --restore-cursors    puts the cursor theme's cursors back (after a crash)

#include <glib-unix.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/PetMainDlg.h"
#include "host/PosixFileSystem.h"
#include "linux/GtkDialogs.h"
#include "linux/InstanceLock.h"
#include "linux/PetShell.h"
#include "linux/WakeProfile.h"
#include "linux/XCursors.h"
#include "ports/FileLog.h"
#include "ports/StdClock.h"

namespace {

namespace lx = nuv::gtk;

struct Program {
    lx::CPetShell* shell;
    nuv::PosixFileSystem* files;
};

gboolean OnStopSignal(gpointer data) {
    auto* program = static_cast<Program*>(data);
    program->shell->Stop();
    // A modal window's own loop would hold the stop back: the cursors are back already, so
    // the program ends here, its saved files in place.
    if (g_main_depth() > program->shell->MainLoopDepth()) {
        program->files->SyncFolders();
        _exit(0);
    }
    return G_SOURCE_CONTINUE;
}

gboolean OnSyncFolders(gpointer data) {
    static_cast<nuv::PosixFileSystem*>(data)->SyncFolders();
    return G_SOURCE_REMOVE;
}

std::string ProgramPath(const char* argv0) {
    char path[PATH_MAX] = {};
    ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return n > 0 ? std::string(path, std::size_t(n)) : std::string(argv0);
}

// Without a session bus the accessibility bridge would launch one (dbus-launch, a process of
// its own) that no assistive tool listens on: with no bus to reach, the bridge stays off.
void SkipAccessibilityWithoutSessionBus() {
    if (g_getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    gchar* socket = g_build_filename(g_get_user_runtime_dir(), "bus", nullptr);
    const bool bus = g_file_test(socket, G_FILE_TEST_EXISTS);
    g_free(socket);
    if (!bus) g_setenv("NO_AT_BRIDGE", "1", FALSE);
}

void PrintUsage() {
    std::printf("usage: nuvpet [PET_ROOT]\n       nuvpet --restore-cursors\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--restore-cursors") == 0) {
        return lx::RestoreThemeCursors(nullptr) ? 0 : 1;
    }
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage();
        return 0;
    }
    if (argc > 2) {
        PrintUsage();
        return 2;
    }
    std::string program = ProgramPath(argv[0]);
    if (argc == 2 && chdir(argv[1]) != 0) {
        std::fprintf(stderr, "nuvpet: cannot open the pet root '%s': %s\n", argv[1],
                     std::strerror(errno));
        return 2;
    }
    // On Wayland desktops the program runs under XWayland: shapes, cursors and the pointer
    // anywhere on the screen need X11.
    gdk_set_allowed_backends("x11");
    // The program draws with cairo only: without OpenGL, GDK loads no GL driver (tens of MiB).
    g_setenv("GDK_GL", "disable", FALSE);
    SkipAccessibilityWithoutSessionBus();
    int gtkArgc = 1;
    if (!gtk_init_check(&gtkArgc, &argv)) {
        std::fprintf(stderr, "nuvpet: no X11 display (is DISPLAY set?)\n");
        return 2;
    }

    nuv::PosixFileSystem host(".");
    nuv::DeviceNameGuard files(host);
    nuv::StdClock clock;
    nuv::FileLog log(files, clock);
    nuv::LogSinkScope logged(&log);
    lx::InstanceLock lock;
    if (lock.Acquire(host.HostPath(".\\ETCS\\NUVPET.LCK").string()) ==
        lx::InstanceLock::kHeldByAnother) {
        lx::ShowMessage(nuv::kAlreadyRunningText, nuv::kApplicationName);
        return 3;
    }

    // The state files saved at one tick share one sync of their folder, right after it.
    host.DeferFolderSyncs([&host] {
        lx::wake_profile::Mark(lx::WakeKind::kSave);
        g_idle_add_full(G_PRIORITY_HIGH, OnSyncFolders, &host, nullptr);
    });
    lx::RestoreCursorsOnCrash(program.c_str());
    lx::RestoreCursorsLeftChanged();
    int result;
    {
        lx::CPetShell shell(host, files);
        Program running = {&shell, &host};
        guint signals[] = {g_unix_signal_add(SIGTERM, OnStopSignal, &running),
                           g_unix_signal_add(SIGINT, OnStopSignal, &running),
                           g_unix_signal_add(SIGHUP, OnStopSignal, &running)};
        result = shell.Run();
        for (guint source : signals)
            g_source_remove(source);
    }
    host.DeferFolderSyncs(nullptr);  // syncs what the last save left
    return result;
}
