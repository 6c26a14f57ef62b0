#pragma once
// A folder of the test's own below the temporary folder: made with a unique name, so that
// test runs sharing a machine never meet, and removed with everything in it at the end.

#include <filesystem>
#include <string>

namespace nuv::test {

class TempFolder {
  public:
    // A new empty folder named `prefix` followed by a unique suffix.
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace nuv::test
