#include "formats/ComplementedFile.h"

#include "base/Log.h"
#include "ports/FileSystem.h"

namespace nuv {

std::string Complement(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = char(~static_cast<unsigned char>(c));
    return out;
}

std::string ReadScriptFile(IFileSystem& files, const std::string& path) {
    FileReadResult read = files.ReadFile(path);
    if (read.status == FileReadResult::kOpenFailed) {
        WriteLogF("ReadScriptFile() - %s 파일을 열 수 없습니다.", path.c_str());
        return {};
    }
    if (read.size == 0) {
        WriteLogF("ReadScriptFile() - %s 파일의 사이즈는 0 Byte입니다.", path.c_str());
        return {};
    }
    if (read.status == FileReadResult::kReadFailed) {
        WriteLogF("ReadScriptFile() - %s 파일의 내용을 읽는데 실패했습니다.", path.c_str());
        return {};
    }
    if (read.data.size() != read.size) {
        WriteLogF("ReadScriptFile() - %s 파일에서 읽어들인 내용과 원본의 내용이 다릅니다.",
                  path.c_str());
        return {};
    }
    std::string text = Complement(read.data);
    std::size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

SaveResult SaveComplementedFile(IFileSystem& files, const std::string& tempPath,
                                const std::string& finalPath, std::string_view text) {
    SaveResult result;
    const std::string bytes = Complement(text);
    // A file that holds these bytes already stays as it is: no write and no wait for the disk
    // (the pet saves at every new action, most often what it saved before).
    const FileReadResult old = files.ReadFile(finalPath);
    if (old.status == FileReadResult::kOk && old.data == bytes) return result;
    FileWriteResult write = files.WriteFile(tempPath, bytes, true);
    if (!write.ok()) {
        result.step = write.status == FileWriteResult::kCreateFailed ? SaveResult::kCreateFailed
                                                                     : SaveResult::kWriteFailed;
        result.error = write.error;
        if (result.step == SaveResult::kWriteFailed) files.DeleteFile(tempPath);
        return result;
    }
    if (uint32_t error = files.ReplaceFile(tempPath, finalPath)) {
        files.DeleteFile(tempPath);
        result.step = SaveResult::kReplaceFailed;
        result.error = error;
    }
    return result;
}

}  // namespace nuv
