#pragma once
// System services: the system's name, sounds through libcanberra, links in the user's browser.

#include "linux/ShellContext.h"
#include "ports/SystemServices.h"

struct ca_context;

namespace nuv::gtk {

class GtkServices : public ISystemServices {
  public:
    explicit GtkServices(ShellContext& context) : context_(context) {}
    ~GtkServices() override;
    GtkServices(const GtkServices&) = delete;
    GtkServices& operator=(const GtkServices&) = delete;

    uint32_t GetVersion(OsVersion* version) override;
    bool OpenInternetLibrary() override;
    int GetDragFullWindows() override;
    void SetDragFullWindows(int value) override;
    void PlaySoundFile(const std::string& path) override;
    void OpenUrl(const std::string& url) override;
    bool StartsWithDesktop() override;
    bool SetStartWithDesktop(bool start) override;

  private:
    ShellContext& context_;
    ca_context* sound_ = nullptr;
    bool soundTried_ = false;
};

}  // namespace nuv::gtk
