#include "formats/ConfigSave.h"

#include "base/Log.h"
#include "formats/ComplementedFile.h"

namespace nuv {

bool SaveConfigText(IFileSystem& files, const char* operation, const std::string& tempPath,
                    const std::string& finalPath, std::string_view text, bool createErrorCode) {
    SaveResult result = SaveComplementedFile(files, tempPath, finalPath, text);
    int error = int(result.error);
    switch (result.step) {
        case SaveResult::kOk:
            return true;
        case SaveResult::kCreateFailed:
            if (createErrorCode) {
                WriteLogF("%s() - %s 파일을 열 수 없습니다. Error = %d", operation,
                          tempPath.c_str(), error);
            } else {
                WriteLogF("%s() - %s 파일을 열 수 없습니다.", operation, tempPath.c_str());
            }
            return false;
        case SaveResult::kWriteFailed:
            WriteLogF("%s() - %s 파일에 쓸 수 없습니다. Error = %d", operation, tempPath.c_str(),
                      error);
            return false;
        case SaveResult::kReplaceFailed:
            WriteLogF("%s() - %s 파일을 %s 파일로 바꿀 수 없습니다. Error = %d", operation,
                      tempPath.c_str(), finalPath.c_str(), error);
            return false;
    }
    return false;
}

}  // namespace nuv
