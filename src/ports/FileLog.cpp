#include "ports/FileLog.h"

namespace nuv {

void FileLog::Append(std::string_view message) {
    uint64_t size = 0;
    if (files_.FileSize(kLogPath, &size) == kErrorSuccess && size > kLogSizeLimit) {
        if (files_.DeleteFile(kLogPath) != kErrorSuccess) return;
    }
    std::string record = FormatLogTime(clock_.Now());
    record.append(": ").append(message).append("\r\n");
    files_.AppendFile(kLogPath, record);
}

}  // namespace nuv
