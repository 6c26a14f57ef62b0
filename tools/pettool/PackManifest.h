#pragma once
// The manifest of a pet's sources: what `pettool pack` turns into a runnable pet root.
//
//   # a comment
//   config    PET.CFG.txt              the common configuration (UTF-8 text)
//   picture   petload.png PETLOAD.BCF  a picture, written as a BCF file into PETS
//   bitmap    heart.png HEART.BMP      a balloon picture, written as a plain .BMP into PETS
//   cursor    drag.cur CUR1.CUR        copied into PETS
//   sound     meow.wav MEOW.WAV        copied into PETSOUND
//   pet NABI                           starts a pet; the lines below belong to it
//   script    nabi.ani.txt             the pet script (UTF-8 text)
//   frames    frames 10                the folder of frames 0.png, 1.png, ... and frames per row
//   state     nabi.cfg.txt             the pet's state file (UTF-8 text)
//   messages  nabi.cmc.txt             the advertisement messages (UTF-8 text)

#include <string>
#include <vector>

namespace nuv::tool {

struct ManifestFile {
    std::string source;  // relative to the manifest's folder
    std::string target;  // file name in the pet root
    int line = 0;        // manifest line
};

struct ManifestPet {
    std::string name;
    ManifestFile script, frames, state, messages;
    int framesPerRow = 0;
    int line = 0;
};

struct Manifest {
    std::string path;
    ManifestFile config;
    std::vector<ManifestFile> pictures, bitmaps, cursors, sounds;
    std::vector<ManifestPet> pets;
};

// Reads a manifest; on errors fills `errors` with "file:line: message" texts.
bool ReadManifest(const std::string& path, Manifest* manifest, std::vector<std::string>* errors);

}  // namespace nuv::tool
