#pragma once
// Turns a pet's sources into a runnable pet root (PETS, DATA, ETCS, PETSOUND).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formats/Image.h"
#include "pettool/PackManifest.h"
#include "sim/MemoryFileSystem.h"

namespace nuv::tool {

class Packer {
  public:
    Packer(const Manifest& manifest, std::filesystem::path sourceDir);

    // Builds every output in memory and checks it with the program's own readers.
    bool Build();
    // Writes the outputs below `root` (creating its four folders).
    bool Write(const std::filesystem::path& root);
    const std::vector<std::string>& errors() const { return errors_; }

  private:
    void PackConfig();
    void PackPictures();
    void CopyFiles(const std::vector<ManifestFile>& files, const char* folder);
    void PackPet(const ManifestPet& pet);
    bool PackScript(const ManifestPet& pet);
    void PackFrames(const ManifestPet& pet, Size frame);
    void PackState(const ManifestPet& pet);
    void PackMessages(const ManifestPet& pet);

    std::optional<std::string> ReadBytes(const ManifestFile& file);
    std::optional<Image> ReadPng(const std::string& source, const std::string& where);
    // The file as code page 949 text; errors name the first line code page 949 cannot hold.
    std::optional<std::string> ReadText(const ManifestFile& file);
    void Error(const std::string& where, const std::string& message);
    std::string Where(const ManifestFile& file) const;

    const Manifest& manifest_;
    std::filesystem::path sourceDir_;
    MemoryFileSystem out_;
    std::vector<std::string> written_;
    std::vector<std::string> errors_;
};

// Checks of the texts a reader would misread. Each returns "line N: message" texts.
std::vector<std::string> CheckScriptText(const std::string& cp949);
std::vector<std::string> CheckMessageText(const std::string& cp949);
// The text without its comment lines (lines whose first characters after blanks are "//").
std::string RemoveCommentLines(const std::string& text);
// Writes every "//" as "/", tab, "/" so that links survive the cleaning of comments.
std::string ProtectLinks(const std::string& text);
// The region file of a picture sheet: per frame, the runs of pure green in sheet coordinates.
std::string MakeRegionFile(const Image& sheet, int frames, int framesPerRow, Size frame);
// A BCF file: a leading block of 1024 bytes and a 24-bit bitmap file.
std::string MakeBcf(const Image& image);

}  // namespace nuv::tool
