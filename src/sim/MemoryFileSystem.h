#pragma once
#include <map>
#include <set>
#include <vector>

#include "ports/FileSystem.h"

namespace nuv {

// Files held in memory: tests, benchmarks and simulated runs that must not touch the disk.
// Names are matched without regard to letter case; folders must be created before use.
class MemoryFileSystem : public IFileSystem {
  public:
    MemoryFileSystem();  // holds the folders DATA, ETCS, PETS and PETSOUND

    FileReadResult ReadFile(const std::string& path) override;
    FileWriteResult WriteFile(const std::string& path, std::string_view data,
                              bool durable) override;
    uint32_t AppendFile(const std::string& path, std::string_view data) override;
    uint32_t FileSize(const std::string& path, uint64_t* size) override;
    uint32_t DeleteFile(const std::string& path) override;
    uint32_t ReplaceFile(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;

    void AddFolder(const std::string& path);
    void RemoveFolder(const std::string& path);
    void Put(const std::string& path, std::string_view data);
    // The content of a file; empty when there is none.
    std::string Get(const std::string& path) const;
    bool Has(const std::string& path) const;
    // Every file, as "FOLDER/NAME" in the letter case it was last written with.
    std::vector<std::string> Paths() const;
    // A read-only file cannot be written, replaced or deleted; a locked one cannot be opened.
    void SetReadOnly(const std::string& path, bool readOnly);
    void SetLocked(const std::string& path, bool locked);
    // Every write after the next `count` succeeds fails with a full disk.
    void FailWritesAfter(int count) { writesLeft_ = count; }
    // How many writes asked for the data to reach the disk.
    int DurableWrites() const { return durableWrites_; }

  private:
    static std::string Key(std::string_view path);
    static std::string Parent(const std::string& key);
    uint32_t CheckCreate(const std::string& key) const;

    void Remember(const std::string& key, std::string_view path);

    std::map<std::string, std::string> files_;
    std::map<std::string, std::string> names_;
    std::set<std::string> folders_;
    std::set<std::string> readOnly_;
    std::set<std::string> locked_;
    int writesLeft_ = -1;
    int durableWrites_ = 0;
};

}  // namespace nuv
