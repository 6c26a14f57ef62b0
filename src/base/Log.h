#pragma once
// The log: messages go to the installed sink (the program's log file) and to the captures.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LocalTime.h"

#if defined(__GNUC__)
#define NUV_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define NUV_PRINTF(f, a)
#endif

namespace nuv {

extern const char kLogPath[];                     // ".\\ETCS\\PETLOG.TXT"
constexpr unsigned long kLogSizeLimit = 1048576;  // a larger log is started anew

// Where the messages of the log go. Never fails visibly: a log that cannot be written is skipped.
class ILogSink {
  public:
    virtual ~ILogSink() = default;
    virtual void Append(std::string_view message) = 0;
};

// Installs `sink` (not owned; null for none). Returns the previous one.
ILogSink* SetLogSink(ILogSink* sink);

// Hands the message to the sink and to the innermost capture.
void WriteLog(std::string_view message);
// printf-style WriteLog for the program's own message formats.
void WriteLogF(const char* format, ...) NUV_PRINTF(1, 2);

// "%H:%M:%S %Y/%m/%d".
std::string FormatLogTime(const LocalTime& time);

// printf-style formatting into a text, for the program's own formats.
std::string StrFormat(const char* format, ...) NUV_PRINTF(1, 2);

// Collects every message written while it lives (innermost capture only), without time stamps.
class LogCapture {
  public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& messages() const { return messages_; }
    void Clear() { messages_.clear(); }
    bool Contains(std::string_view message) const;

  private:
    friend void WriteLog(std::string_view message);
    std::vector<std::string> messages_;
    LogCapture* outer_;
};

}  // namespace nuv
