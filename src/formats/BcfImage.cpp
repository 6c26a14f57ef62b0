#include "formats/BcfImage.h"

#include <string_view>

#include "base/Log.h"
#include "formats/BmpDecoder.h"
#include "ports/FileSystem.h"

namespace nuv {

Image LoadBCFImage(IFileSystem& files, const std::string& path) {
    const std::string bitmapPath = ReplaceExtension(path, ".BMP");
    FileReadResult file = files.ReadFile(path);
    if (file.status == FileReadResult::kOpenFailed) {
        WriteLogF("LoadBCFImage() - %s 파일을 열 수 없습니다. Error = %u", path.c_str(),
                  file.error);
        return {};
    }
    const bool readFailed = file.status == FileReadResult::kReadFailed;
    if (file.data.size() < kBcfLeadSize) {
        WriteLogF("LoadBCFImage() - %s 파일의 내용이 정확하지 않습니다. Error = %u", path.c_str(),
                  readFailed ? file.error : uint32_t(kErrorHandleEof));
        return {};
    }
    std::optional<Image> image;
    if (!readFailed) image = DecodeBmp(std::string_view(file.data).substr(kBcfLeadSize));
    if (!image) {
        WriteLogF("LoadBCFImage() - 비트맵 파일 %s를 로드할 수 없습니다. Error = %u",
                  bitmapPath.c_str(), readFailed ? file.error : kBadBitmapError);
        return {};
    }
    return std::move(*image);
}

}  // namespace nuv
