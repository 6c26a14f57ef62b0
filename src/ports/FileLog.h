#pragma once
// The log file: one time-stamped line per message, started anew past its size limit.

#include "base/Log.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"

namespace nuv {

class FileLog : public ILogSink {
  public:
    FileLog(IFileSystem& files, IClock& clock) : files_(files), clock_(clock) {}
    void Append(std::string_view message) override;

  private:
    IFileSystem& files_;
    IClock& clock_;
};

// Installs a log sink (null for none) for as long as it lives, then puts the previous one back.
class LogSinkScope {
  public:
    explicit LogSinkScope(ILogSink* sink) : previous_(SetLogSink(sink)) {}
    ~LogSinkScope() { SetLogSink(previous_); }
    LogSinkScope(const LogSinkScope&) = delete;
    LogSinkScope& operator=(const LogSinkScope&) = delete;

  private:
    ILogSink* previous_;
};

}  // namespace nuv
