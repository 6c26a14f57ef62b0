#include "linux/GtkServices.h"

#include <canberra.h>
#include <gio/gio.h>
#include <glib/gstdio.h>
#include <sys/utsname.h>

#include <cstdio>
#include <filesystem>

#include "base/Log.h"
#include "host/PosixFileSystem.h"
#include "linux/Utf8Text.h"
#include "ports/FileSystem.h"

namespace nuv::gtk {
namespace {

constexpr uint32_t kSoundId = 1;

// The host path of a program path (".\PETSOUND\MEOW.WAV"), letter case as stored.
std::string HostPathOf(const StdFileSystem* files, const std::string& path) {
    if (!files) return path;
    std::error_code error;
    std::filesystem::path host = std::filesystem::absolute(files->HostPath(path), error);
    return error ? files->HostPath(path).string() : host.string();
}

}  // namespace

GtkServices::~GtkServices() {
    if (sound_) ca_context_destroy(sound_);
}

uint32_t GtkServices::GetVersion(OsVersion* version) {
    utsname name = {};
    if (uname(&name) != 0) return 1;
    version->platform = OsVersion::kOther;
    unsigned major = 0, minor = 0;
    std::sscanf(name.release, "%u.%u", &major, &minor);
    version->major = major;
    version->minor = minor;
    version->servicePack = name.sysname;
    return 0;
}

// No connection is made; as on Windows only the library is asked for, and GIO is always there.
bool GtkServices::OpenInternetLibrary() {
    return true;
}

// A drag moves the window itself: there is no outline mode to switch.
int GtkServices::GetDragFullWindows() {
    return 1;
}

void GtkServices::SetDragFullWindows(int) {}

void GtkServices::PlaySoundFile(const std::string& path) {
    if (!soundTried_) {
        soundTried_ = true;
        if (ca_context_create(&sound_) != CA_SUCCESS) sound_ = nullptr;
    }
    if (!sound_) return;  // no sound system: silence
    std::string host = HostPathOf(context_.host, path);
    if (!g_file_test(host.c_str(), G_FILE_TEST_IS_REGULAR)) {
        WriteLogF("GtkServices::PlaySoundFile() - '%s' 파일이 없습니다.", path.c_str());
        return;
    }
    ca_context_cancel(sound_, kSoundId);
    int rc = ca_context_play(sound_, kSoundId, CA_PROP_MEDIA_FILENAME, host.c_str(),
                             CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    if (rc == CA_SUCCESS || rc == CA_ERROR_DISABLED) return;
    // The file is there: the sound system cannot play, and will not for the rest of the run.
    WriteLogF("GtkServices::PlaySoundFile() - '%s' 소리를 낼 수 없어 소리 없이 계속합니다: %s",
              path.c_str(), ca_strerror(rc));
    ca_context_destroy(sound_);
    sound_ = nullptr;
}

// The desktop's autostart entry ($XDG_CONFIG_HOME/autostart/nuvpet.desktop): this program on
// the pet root it runs on now.
namespace {

std::string AutostartPath() {
    gchar* path = g_build_filename(g_get_user_config_dir(), "autostart", "nuvpet.desktop", nullptr);
    std::string result = path;
    g_free(path);
    return result;
}

// An argument of a desktop entry's Exec key: as it stands when it holds no reserved
// character, else in double quotes with ", `, $ and \ escaped (and the escapes escaped again,
// as the entry's strings need) and % doubled.
std::string ExecArgument(const std::string& text) {
    if (text.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$') out += "\\\\";
        if (c == '\\') out += "\\\\\\";
        if (c == '%') out += '%';  // %% is a percent sign, not a field code
        out += c;
    }
    return out + "\"";
}

std::string AutostartCommand() {
    gchar* program = g_file_read_link("/proc/self/exe", nullptr);
    gchar* root = g_get_current_dir();
    std::string command = ExecArgument(program ? program : "nuvpet") + " " + ExecArgument(root);
    g_free(root);
    g_free(program);
    return command;
}

}  // namespace

bool GtkServices::StartsWithDesktop() {
    gchar* text = nullptr;
    if (!g_file_get_contents(AutostartPath().c_str(), &text, nullptr, nullptr)) return false;
    bool ours = std::string(text).find("Exec=" + AutostartCommand() + "\n") != std::string::npos;
    g_free(text);
    return ours;
}

bool GtkServices::SetStartWithDesktop(bool start) {
    std::string path = AutostartPath();
    if (!start) {
        bool gone = g_remove(path.c_str()) == 0 || !g_file_test(path.c_str(), G_FILE_TEST_EXISTS);
        if (!gone)
            WriteLogF("GtkServices::SetStartWithDesktop() - '%s'을 지울 수 없습니다.",
                      path.c_str());
        return gone;
    }
    gchar* folder = g_path_get_dirname(path.c_str());
    g_mkdir_with_parents(folder, 0700);
    g_free(folder);
    std::string entry =
        "[Desktop Entry]\nType=Application\nName=NuvPET\nExec=" + AutostartCommand() +
        "\nIcon=nuvpet\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
    GError* error = nullptr;
    if (!g_file_set_contents(path.c_str(), entry.c_str(), gssize(entry.size()), &error)) {
        WriteLogF("GtkServices::SetStartWithDesktop() - '%s'을 쓸 수 없습니다.", path.c_str());
        if (error) g_error_free(error);
        return false;
    }
    return true;
}

void GtkServices::OpenUrl(const std::string& url) {
    GError* error = nullptr;
    if (!g_app_info_launch_default_for_uri(Utf8(url).c_str(), nullptr, &error)) {
        WriteLogF("GtkServices::OpenUrl() - '%s' 주소를 열 수 없습니다: %s", url.c_str(),
                  error ? Cp949(error->message).c_str() : "");
        if (error) g_error_free(error);
    }
}

}  // namespace nuv::gtk
