#pragma once
// Saving a configuration text: complemented, through a temporary file, replacing the old
// file in one step.

#include <string>
#include <string_view>

namespace nuv {

class IFileSystem;

// Saves `text` and returns true; on failure logs it as `operation` ("SaveConfigData") and
// returns false, leaving the old file as it was. With `createErrorCode` the message of a
// temporary file that cannot be created ends with the error code.
bool SaveConfigText(IFileSystem& files, const char* operation, const std::string& tempPath,
                    const std::string& finalPath, std::string_view text, bool createErrorCode);

}  // namespace nuv
