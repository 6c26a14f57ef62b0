#pragma once
// Text files stored with every byte complemented (XOR 0xFF): the pet script, both
// configuration files and the advertisement messages.

#include <string>
#include <string_view>

namespace nuv {

class IFileSystem;

// Every byte XOR 0xFF.
std::string Complement(std::string_view bytes);

// Reads the file whole and undoes the complement; the text ends before the first zero byte.
// Empty on any failure, which is logged.
std::string ReadScriptFile(IFileSystem& files, const std::string& path);

struct SaveResult {
    enum Step { kOk, kCreateFailed, kWriteFailed, kReplaceFailed };
    Step step = kOk;
    uint32_t error = 0;
    bool ok() const { return step == kOk; }
};

// Writes `text` complemented to `tempPath`, makes it durable, then renames it over
// `finalPath` in one step; a `finalPath` that holds the same bytes already is left alone. On
// failure the temporary file is removed and `finalPath` is as it was.
SaveResult SaveComplementedFile(IFileSystem& files, const std::string& tempPath,
                                const std::string& finalPath, std::string_view text);

}  // namespace nuv
