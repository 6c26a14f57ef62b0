#include "ports/FileSystem.h"

#include "base/Log.h"
#include "ports/Clock.h"
#include "ports/StdFileSystem.h"

namespace nuv {
namespace {

IFileSystem& DefaultFiles() {
    static StdFileSystem files;
    return files;
}

IFileSystem* gFiles = nullptr;

IFileSystem& InstalledFiles() {
    return gFiles ? *gFiles : DefaultFiles();
}

// The installed file system behind a refusal of every path that names a device: opening
// "COM1" or "NUL" would reach the device, and a save to it would silently go nowhere.
class DeviceNameGuard : public IFileSystem {
  public:
    FileReadResult ReadFile(const std::string& path) override {
        if (!NamesDevice(path)) return InstalledFiles().ReadFile(path);
        FileReadResult refused;
        refused.error = kErrorInvalidName;
        return refused;
    }
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override {
        if (!NamesDevice(path)) return InstalledFiles().WriteFile(path, data, durable);
        FileWriteResult refused;
        refused.error = kErrorInvalidName;
        return refused;
    }
    uint32_t AppendFile(const std::string& path, std::string_view data) override {
        return NamesDevice(path) ? kErrorInvalidName : InstalledFiles().AppendFile(path, data);
    }
    uint32_t FileSize(const std::string& path, uint64_t* size) override {
        return NamesDevice(path) ? kErrorInvalidName : InstalledFiles().FileSize(path, size);
    }
    uint32_t DeleteFile(const std::string& path) override {
        return NamesDevice(path) ? kErrorInvalidName : InstalledFiles().DeleteFile(path);
    }
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override {
        if (NamesDevice(from) || NamesDevice(to)) return kErrorInvalidName;
        return InstalledFiles().ReplaceFile(from, to);
    }
    bool FileExists(const std::string& path) override {
        return !NamesDevice(path) && InstalledFiles().FileExists(path);
    }
};

// The log file: one time-stamped line per message, started anew past its size limit.
class FileLog : public ILogSink {
  public:
    void Append(std::string_view message) override {
        IFileSystem& files = Files();
        uint64_t size = 0;
        if (files.FileSize(kLogPath, &size) == kErrorSuccess && size > kLogSizeLimit) {
            if (files.DeleteFile(kLogPath) != kErrorSuccess) return;
        }
        std::string record = FormatLogTime(Clock().Now());
        record.append(": ").append(message).append("\r\n");
        files.AppendFile(kLogPath, record);
    }
};

}  // namespace

IFileSystem& Files() {
    static DeviceNameGuard guard;
    return guard;
}

IFileSystem* SetFiles(IFileSystem* files) {
    static FileLog log;
    SetLogSink(&log);
    IFileSystem* previous = gFiles;
    gFiles = files;
    return previous;
}

}  // namespace nuv
