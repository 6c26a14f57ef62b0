// petart: draws the sample pet's frames and pictures.
//
//   petart draw OUTDIR [--palette first|second]
//   petart contact OUT.png [--palette P] [--scale N] [--per-row N] [--frames A-B]
//                          [--animations] [--ids 1,2,3]
//   petart check [--palette P]
//   petart zoom IN.png OUT.png --scale N

#include <cstdio>
#include <string>
#include <vector>

#include "petart/Commands.h"

namespace {

void PrintUsage() {
    std::fputs(
        "usage: petart COMMAND [ARGS]\n"
        "  draw OUTDIR          frames/NNN.png, the pictures, animations.txt and sounds.txt\n"
        "                       into OUTDIR\n"
        "  contact OUT.png      every frame with its number on one picture\n"
        "  check                checks every frame's shape; exit code 1 on a problem\n"
        "  zoom IN.png OUT.png  a picture enlarged --scale times\n"
        "options:\n"
        "  --palette first|second   the pet's colours (second: its sibling)\n"
        "  --scale N                contact sheet enlarged N times\n"
        "  --per-row N              frames per row of the contact sheet\n"
        "  --frames A-B             only frames A to B\n"
        "  --animations             one row per animation instead\n"
        "  --ids A,B,...            only these animations (implies --animations)\n",
        stderr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    nuv::art::Options options;
    std::string error;
    if (!nuv::art::ParseOptions(std::vector<std::string>(argv + 2, argv + argc), options, error)) {
        std::fprintf(stderr, "petart: %s\n", error.c_str());
        PrintUsage();
        return 2;
    }
    std::string command = argv[1];
    if (command == "draw") return nuv::art::RunDraw(options);
    if (command == "contact") return nuv::art::RunContact(options);
    if (command == "check") return nuv::art::RunCheck(options);
    if (command == "zoom") return nuv::art::RunZoom(options);
    std::fprintf(stderr, "petart: unknown command '%s'\n", command.c_str());
    PrintUsage();
    return 2;
}
