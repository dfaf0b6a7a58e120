#pragma once

#include <string>

#include "model/framework/UserText.h"

// The standard texts with which file problems are reported to the user.
namespace filemessages {

inline constexpr const char* kUnexpectedFormat =
    GW_TRANSLATE_NOOP("Messages", "Unexpected file format.");
inline constexpr const char* kNotOurFile =
    GW_TRANSLATE_NOOP("Messages", "The selected file is not a Gaugewright file!");
inline constexpr const char* kFailedToOpen =
    GW_TRANSLATE_NOOP("Messages", "Failed to open document.");
inline constexpr const char* kFailedToSave =
    GW_TRANSLATE_NOOP("Messages", "Failed to save document.");

// The description of a system file error (an errno value) for the file at path,
// for example "Access to /home/x.inv was denied.".
CUserText FileError(int errorNumber, const std::string& path);
std::string FileErrorText(int errorNumber, const std::string& path);

// "PATH is not a regular file.": a named pipe, a device or the like is neither
// read nor replaced.
CUserText NotRegularFile(const std::string& path);
std::string NotRegularFileText(const std::string& path);

} // namespace filemessages
