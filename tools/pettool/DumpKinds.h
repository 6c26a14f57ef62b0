#pragma once
// The dumps of the text files the program reads. Each reads the file as the program does,
// prints one JSON object and returns the exit code (0 when everything was read, 1 when not).

#include <string>

#include "pettool/JsonOutput.h"

namespace nuv {
class IFileSystem;
class LogCapture;
}  // namespace nuv

namespace nuv::tool {

int DumpScriptFile(IFileSystem& files, const std::string& path);        // a pet script, .ANI
int DumpCommonConfigFile(IFileSystem& files, const std::string& path);  // PET.CFG
int DumpPetStateFile(IFileSystem& files, const std::string& path);      // any other .CFG
int DumpAdMessageFile(IFileSystem& files, const std::string& path);     // .CMC

// Adds "log" (the messages written while reading) and "ok", prints, returns the exit code.
int FinishDump(Json& out, const LogCapture& log, bool ok);

}  // namespace nuv::tool
