#include "base/Log.h"

#include <cstdarg>
#include <cstdio>

namespace nuv {

const char kLogPath[] = ".\\ETCS\\PETLOG.TXT";

namespace {

LogCapture* gCapture = nullptr;
ILogSink* gSink = nullptr;

std::string VFormat(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0) return {};
    std::string out(std::size_t(length) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(std::size_t(length));
    return out;
}

}  // namespace

ILogSink* SetLogSink(ILogSink* sink) {
    ILogSink* previous = gSink;
    gSink = sink;
    return previous;
}

void WriteLog(std::string_view message) {
    if (gCapture) gCapture->messages_.emplace_back(message);
    if (gSink) gSink->Append(message);
}

void WriteLogF(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string message = VFormat(format, args);
    va_end(args);
    WriteLog(message);
}

std::string StrFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = VFormat(format, args);
    va_end(args);
    return out;
}

std::string FormatLogTime(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %04d/%02d/%02d", t.hour, t.minute, t.second,
                  t.year, t.month, t.day);
    return text;
}

LogCapture::LogCapture() : outer_(gCapture) {
    gCapture = this;
}
LogCapture::~LogCapture() {
    gCapture = outer_;
}

bool LogCapture::Contains(std::string_view message) const {
    for (const std::string& m : messages_) {
        if (m == message) return true;
    }
    return false;
}

}  // namespace nuv
