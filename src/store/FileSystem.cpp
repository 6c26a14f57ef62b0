#include "store/FileSystem.h"

#include "store/StdFileSystem.h"

namespace nuv {
namespace {

IFileSystem& DefaultFiles() {
    static StdFileSystem files;
    return files;
}

IFileSystem* gFiles = nullptr;

}  // namespace

IFileSystem& Files() {
    return gFiles ? *gFiles : DefaultFiles();
}

IFileSystem* SetFiles(IFileSystem* files) {
    IFileSystem* previous = gFiles;
    gFiles = files;
    return previous;
}

std::string JoinPath(std::string_view folder, std::string_view name, std::string_view extension) {
    std::string path;
    path.reserve(folder.size() + name.size() + extension.size());
    path.append(folder).append(name).append(extension);
    return path;
}

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    std::size_t dot = path.rfind('.');
    std::string out(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
    return out.append(extension);
}

}  // namespace nuv
