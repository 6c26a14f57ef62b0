// pettool: reads, checks, simulates and packs pets from the command line.

#include <cstdio>
#include <cstring>
#include <map>

#include "host/PosixFileSystem.h"
#include "pettool/Commands.h"
#include "ports/FileLog.h"
#include "ports/StdClock.h"

namespace {

using Command = int (*)(const nuv::tool::Args&);

void PrintUsage() {
    std::fputs(
        "usage: pettool COMMAND [ARGS]\n"
        "  decode FILE       the file's bytes complemented, to standard output\n"
        "  encode FILE       the same (the complement is its own inverse)\n"
        "  dump FILE         what the program reads from FILE, as JSON\n"
        "  topng FILE.BCF OUT.png   the picture of a BCF file as a PNG file\n"
        "  pack SRC OUT      turns a pet's sources (SRC/pet.manifest) into a pet root OUT\n"
        "  contact ROOT OUT.png [--pet NAME] [--per-row N] [--scale N] [--pictures]\n"
        "                    every frame of the pet with its number, or its other pictures\n"
        "  check [ROOT] [--name NAME]\n"
        "                    starts the pet of ROOT and lists what its author must fix\n"
        "  sim [ROOT] [--seconds N] [--seed S] [--desktop MONITORS] [--name NAME]\n"
        "      [--start \"YYYY-MM-DD HH:MM:SS\"] [--events FILE] [--zoom 1|2|3|auto] [--trace]\n"
        "                    runs the pet of ROOT on a simulated desktop, events as JSON lines\n"
        "      events FILE: one per line, \"MS VERB [ARGS]\", verbs cursor X Y, lbutton X Y,\n"
        "      release, rbutton X Y, command ID, tray lbutton|rbutton, key escape|enter,\n"
        "      setcursor, choose N, close, balloon click X Y, balloon key escape|enter,\n"
        "      monitors MONITORS (the monitors change)\n"
        "      MONITORS: work areas X,Y,W,H[@SCALE] joined by ';', the primary first (ground\n"
        "      line Y+H, scale 1 at 96 DPI), e.g. \"0,0,1024,738;1024,0,800,568@2\"; or W,G\n"
        "      for one monitor at 0,0 (default 1024,738)\n",
        stderr);
}

}  // namespace

int main(int argc, char** argv) {
    // The log of the working directory, for the readers the commands run there.
    nuv::PosixFileSystem host(".");
    nuv::DeviceNameGuard files(host);
    nuv::StdClock clock;
    nuv::FileLog log(files, clock);
    nuv::LogSinkScope logged(&log);

    const std::map<std::string, Command> commands = {
        {"decode", nuv::tool::RunComplement}, {"encode", nuv::tool::RunComplement},
        {"dump", nuv::tool::RunDump},         {"sim", nuv::tool::RunSim},
        {"check", nuv::tool::RunCheck},       {"topng", nuv::tool::RunTopng},
        {"pack", nuv::tool::RunPack},         {"contact", nuv::tool::RunContact},
    };
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::fprintf(stderr, "pettool: unknown command '%s'\n", argv[1]);
        PrintUsage();
        return 2;
    }
    return it->second(nuv::tool::Args(argv + 2, argv + argc));
}
