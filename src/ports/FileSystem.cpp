#include "ports/FileSystem.h"

namespace nuv {

FileReadResult DeviceNameGuard::ReadFile(const std::string& path) {
    if (!NamesDevice(path)) return files_.ReadFile(path);
    FileReadResult refused;
    refused.error = kErrorInvalidName;
    return refused;
}

FileWriteResult DeviceNameGuard::WriteFile(const std::string& path, std::string_view data,
                                           bool durable) {
    if (!NamesDevice(path)) return files_.WriteFile(path, data, durable);
    FileWriteResult refused;
    refused.error = kErrorInvalidName;
    return refused;
}

uint32_t DeviceNameGuard::AppendFile(const std::string& path, std::string_view data) {
    return NamesDevice(path) ? kErrorInvalidName : files_.AppendFile(path, data);
}

uint32_t DeviceNameGuard::FileSize(const std::string& path, uint64_t* size) {
    return NamesDevice(path) ? kErrorInvalidName : files_.FileSize(path, size);
}

uint32_t DeviceNameGuard::DeleteFile(const std::string& path) {
    return NamesDevice(path) ? kErrorInvalidName : files_.DeleteFile(path);
}

uint32_t DeviceNameGuard::ReplaceFile(const std::string& from, const std::string& to) {
    if (NamesDevice(from) || NamesDevice(to)) return kErrorInvalidName;
    return files_.ReplaceFile(from, to);
}

bool DeviceNameGuard::FileExists(const std::string& path) {
    return !NamesDevice(path) && files_.FileExists(path);
}

}  // namespace nuv
