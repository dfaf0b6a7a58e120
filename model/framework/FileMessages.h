#pragma once

#include <string>

// The standard texts with which file problems are reported to the user.
namespace filemessages {

inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kNotOurFile = "The selected file is not a Gaugewright file!";
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kFailedToSave = "Failed to save document.";

// The description of a system file error (an errno value) for the file at path,
// for example "Access to /home/x.inv was denied.".
std::string FileErrorText(int errorNumber, const std::string& path);

// "PATH is not a regular file.": a named pipe, a device or the like is neither
// read nor replaced.
std::string NotRegularFileText(const std::string& path);

} // namespace filemessages
