#pragma once

#include <string>

#include "model/framework/UserText.h"

struct zip_error;

// The program's messages for what libzip reports.
namespace ziperrors {

// A problem while writing an archive at path: the system's error when libzip
// passes one on, for example "Disk full while accessing PATH.".
CUserText WriteErrorText(const zip_error& error, const std::string& path);

// "The archive PATH is damaged or is not an archive (CRC error)."
CUserText DamagedText(const zip_error& error, const std::string& path);

} // namespace ziperrors
