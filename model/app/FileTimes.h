#pragma once

#include <ctime>
#include <string>

// Which time of a file the file system gave.
enum class FileTimeKind {
    Birth,        // the file's creation
    Modification, // its last change, where the file system keeps no creation time
};

// File times and their text form.
namespace filetimes {

// The creation time of the file at path in local time: its birth time where the
// file system keeps one, else its modification time (kind says which). False
// when the file's times cannot be read.
bool CreationTime(const std::string& path, std::tm& localTime, FileTimeKind& kind);

// The 24-character date form, for example "Wed Jan 02 02:03:55 1980", with
// English names whatever the locale.
std::string FormatTimeStamp(const std::tm& time);

} // namespace filetimes
