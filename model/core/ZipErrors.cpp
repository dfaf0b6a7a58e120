#include "model/core/ZipErrors.h"

#include <zip.h>

#include "model/framework/FileMessages.h"

namespace ziperrors {

std::string WriteErrorText(const zip_error& error, const std::string& path) {
    if (zip_error_system_type(&error) == ZIP_ET_SYS)
        return filemessages::FileErrorText(zip_error_code_system(&error), path);
    // libzip found the fault itself; the default text says it is none of the usual ones.
    return filemessages::FileErrorText(-1, path);
}

std::string DamagedText(const zip_error& error, const std::string& path) {
    // zip_error_strerror keeps its text in the error it is given.
    zip_error_t copy;
    zip_error_init(&copy);
    zip_error_set(&copy, zip_error_code_zip(&error), zip_error_code_system(&error));
    const std::string detail = zip_error_strerror(&copy);
    zip_error_fini(&copy);
    return "The archive " + path + " is damaged or is not an archive (" + detail + ").";
}

} // namespace ziperrors
