// pettool sim and pettool check: the pet on the simulated desktop.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <variant>

#include "app/PetMainDlg.h"
#include "base/Log.h"
#include "host/PosixFileSystem.h"
#include "pet/PetCheck.h"
#include "pettool/Commands.h"
#include "pettool/JsonOutput.h"
#include "pettool/SimJsonReporter.h"
#include "ports/FileLog.h"
#include "sim/SimDesktop.h"

namespace nuv::tool {
namespace {

bool ParseInt(const std::string& text, long long* value) {
    char* end = nullptr;
    *value = std::strtoll(text.c_str(), &end, 10);
    return !text.empty() && end && *end == '\0';
}

bool ParseStart(const std::string& text, LocalTime* start) {
    int y, mo, d, h, mi, s;
    if (std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6) return false;
    *start = {y, mo, d, h, mi, s};
    return mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && h >= 0 && h < 24 && mi >= 0 && mi < 60;
}

struct ParsedArgs {
    std::string root = ".";
    SimOptions options;
    std::string error;
};

bool ReadEvents(const std::string& path, SimOptions* options, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open events file " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (!ParseSimInput(text.str(), &options->events, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

bool ParseArgs(const Args& args, bool sim, ParsedArgs* out) {
    bool rootGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= args.size()) return false;
            *v = args[++i];
            return true;
        };
        std::string v;
        long long n = 0;
        if (arg == "--name") {
            if (!value(&v)) return out->error = "--name needs a value", false;
            out->options.name = v;
        } else if (sim && arg == "--seconds") {
            if (!value(&v) || !ParseInt(v, &n) || n < 0)
                return out->error = "--seconds needs N", false;
            out->options.seconds = uint64_t(n);
        } else if (sim && arg == "--seed") {
            if (!value(&v) || !ParseInt(v, &n)) return out->error = "--seed needs S", false;
            out->options.seed = uint32_t(n);
        } else if (sim && arg == "--desktop") {
            if (!value(&v)) return out->error = "--desktop needs X,Y,W,H[@SCALE];... or W,G", false;
            if (!ParseMonitors(v, &out->options.desktop, &out->error))
                return out->error = "--desktop: " + out->error, false;
        } else if (sim && arg == "--start") {
            if (!value(&v) || !ParseStart(v, &out->options.start))
                return out->error = "--start needs \"YYYY-MM-DD HH:MM:SS\"", false;
        } else if (sim && arg == "--events") {
            if (!value(&v) || !ReadEvents(v, &out->options, &out->error)) {
                if (out->error.empty()) out->error = "--events needs FILE";
                return false;
            }
        } else if (sim && arg == "--zoom") {
            if (!value(&v) || (v != "auto" && v != "1" && v != "2" && v != "3"))
                return out->error = "--zoom needs 1, 2, 3 or auto", false;
            out->options.zoom = v;
        } else if (sim && arg == "--trace") {
            out->options.trace = true;
        } else if (!rootGiven && !arg.empty() && arg[0] != '-') {
            out->root = arg;
            rootGiven = true;
        } else {
            return out->error = "unknown argument '" + arg + "'", false;
        }
    }
    return true;
}

// The start-up's log lines, which the simulated desktop hands over with the start.
class StartLog : public IPetEvents {
  public:
    void OnEvent(const PetEvent& event) override {
        if (!event.Is("start")) return;
        if (auto* log = std::get_if<std::vector<std::string>>(event.Find("log"))) lines = *log;
    }
    std::vector<std::string> lines;
};

void PrintLogLine(const std::string& message) {
    std::string text = Utf8(message);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    std::printf("%s\n", out.c_str());
}

}  // namespace

// The pet reads and writes the files of ROOT as the program does.
int RunSim(const Args& args) {
    ParsedArgs parsed;
    if (!ParseArgs(args, true, &parsed)) {
        std::fprintf(stderr, "pettool sim: %s\n", parsed.error.c_str());
        return 2;
    }
    PosixFileSystem host(parsed.root);
    DeviceNameGuard files(host);
    parsed.options.files = &files;
    SimJsonReporter reporter;
    bool ok;
    Json end;
    {
        std::optional<FileLog> fileLog;  // the root's log on the desktop's clock, until it closes
        std::optional<LogSinkScope> logged;
        CSimDesktop desktop(parsed.options, &reporter);
        fileLog.emplace(files, desktop.clock());
        logged.emplace(&*fileLog);
        ok = desktop.Run();
        if (ok)
            end = reporter.EndEvent(desktop.Now(), desktop.WindowRect(), desktop.dialog().pet());
    }
    // What the desktop reports as it closes (the cursors put back) comes before the end.
    if (ok) PrintJson(end);
    return ok ? 0 : 1;
}

int RunCheck(const Args& args) {
    ParsedArgs parsed;
    parsed.options.name = "CHECK";
    if (!ParseArgs(args, false, &parsed)) {
        std::fprintf(stderr, "pettool check: %s\n", parsed.error.c_str());
        return 2;
    }
    // The start stops before the first action: nothing but the log is written.
    PosixFileSystem host(parsed.root);
    DeviceNameGuard files(host);
    parsed.options.files = &files;
    bool ok;
    {
        LogCapture log;
        StartLog start;
        std::optional<FileLog> fileLog;  // the root's log on the desktop's clock, until it closes
        std::optional<LogSinkScope> logged;
        CSimDesktop desktop(parsed.options, &start);
        fileLog.emplace(files, desktop.clock());
        logged.emplace(&*fileLog);
        ok = desktop.Check();
        for (const std::string& message : start.lines)
            PrintLogLine(message);
        for (const std::string& message : log.messages())
            PrintLogLine(message);
        if (ok) {
            for (const std::string& warning : CheckPet(desktop.dialog().pet())) {
                std::printf("warning: %s\n", Utf8(warning).c_str());
            }
        }
    }
    return ok ? 0 : 1;
}

}  // namespace nuv::tool
