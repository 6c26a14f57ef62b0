#include "linux/GtkServices.h"

#include <canberra.h>
#include <gio/gio.h>
#include <sys/utsname.h>

#include <cstdio>

#include "host/PosixFileSystem.h"
#include "linux/Utf8Text.h"
#include "store/FileSystem.h"
#include "store/Log.h"

namespace nuv::gtk {
namespace {

constexpr uint32_t kSoundId = 1;

// The host path of a program path (".\PETSOUND\MEOW.WAV"), letter case as stored.
std::string HostPathOf(const std::string& path) {
    if (auto* files = dynamic_cast<StdFileSystem*>(&Files())) return files->HostPath(path).string();
    return path;
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
    ca_context_cancel(sound_, kSoundId);
    int rc = ca_context_play(sound_, kSoundId, CA_PROP_MEDIA_FILENAME, HostPathOf(path).c_str(),
                             CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    if (rc != CA_SUCCESS && rc != CA_ERROR_DISABLED) {
        WriteLogF("GtkServices::PlaySoundFile() - '%s' 소리를 낼 수 없습니다: %s", path.c_str(),
                  ca_strerror(rc));
    }
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
