#include "pettool/PackManifest.h"

#include <fstream>
#include <sstream>

namespace nuv::tool {
namespace {

std::string Where(const std::string& path, int line) {
    return path + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool ReadManifest(const std::string& path, Manifest* manifest, std::vector<std::string>* errors) {
    std::ifstream in(path);
    if (!in) {
        errors->push_back(path + ": cannot open the manifest");
        return false;
    }
    manifest->path = path;
    std::string text;
    int number = 0;
    std::size_t errorsBefore = errors->size();
    while (std::getline(in, text)) {
        ++number;
        std::size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::istringstream line(text);
        std::vector<std::string> words;
        for (std::string word; line >> word;) words.push_back(word);
        if (words.empty()) continue;
        const std::string& key = words[0];
        auto need = [&](std::size_t count) {
            if (words.size() == count + 1) return true;
            errors->push_back(Where(path, number) + "'" + key + "' takes " +
                              std::to_string(count) + " value(s)");
            return false;
        };
        ManifestPet* pet = manifest->pets.empty() ? nullptr : &manifest->pets.back();
        auto petFile = [&](ManifestFile ManifestPet::*field) {
            if (!pet) {
                errors->push_back(Where(path, number) + "'" + key + "' outside a 'pet' block");
            } else if (need(key == "frames" ? 2 : 1)) {
                (pet->*field) = {words[1], "", number};
            }
        };
        if (key == "pet") {
            if (need(1)) manifest->pets.push_back({words[1], {}, {}, {}, {}, 0, number});
        } else if (key == "config") {
            if (need(1)) manifest->config = {words[1], "PET.CFG", number};
        } else if (key == "picture" || key == "bitmap" || key == "cursor" || key == "sound") {
            if (!need(2)) continue;
            auto& list = key == "picture"  ? manifest->pictures
                         : key == "bitmap" ? manifest->bitmaps
                         : key == "cursor" ? manifest->cursors
                                           : manifest->sounds;
            list.push_back({words[1], words[2], number});
        } else if (key == "script") {
            petFile(&ManifestPet::script);
        } else if (key == "state") {
            petFile(&ManifestPet::state);
        } else if (key == "messages") {
            petFile(&ManifestPet::messages);
        } else if (key == "frames") {
            petFile(&ManifestPet::frames);
            if (pet && words.size() == 3) {
                pet->framesPerRow = std::atoi(words[2].c_str());
                if (pet->framesPerRow <= 0) {
                    errors->push_back(Where(path, number) + "frames per row must be positive");
                }
            }
        } else {
            errors->push_back(Where(path, number) + "unknown entry '" + key + "'");
        }
    }
    if (manifest->config.source.empty()) errors->push_back(path + ": no 'config' entry");
    if (manifest->pets.empty()) errors->push_back(path + ": no 'pet' entry");
    for (const ManifestPet& pet : manifest->pets) {
        std::string where = Where(path, pet.line) + "pet " + pet.name + ": ";
        if (pet.script.source.empty()) errors->push_back(where + "no 'script' entry");
        if (pet.frames.source.empty()) errors->push_back(where + "no 'frames' entry");
        if (pet.state.source.empty()) errors->push_back(where + "no 'state' entry");
        if (pet.messages.source.empty()) errors->push_back(where + "no 'messages' entry");
    }
    return errors->size() == errorsBefore;
}

}  // namespace nuv::tool
