#include "model/core/ZipErrors.h"

#include <zip.h>

#include "model/framework/FileMessages.h"

namespace ziperrors {

CUserText WriteErrorText(const zip_error& error, const std::string& path) {
    if (zip_error_system_type(&error) == ZIP_ET_SYS)
        return filemessages::FileError(zip_error_code_system(&error), path);
    // libzip found the fault itself; the default text says it is none of the usual ones.
    return filemessages::FileError(-1, path);
}

CUserText DamagedText(const zip_error& error, const std::string& path) {
    // zip_error_strerror keeps its text in the error it is given.
    zip_error_t copy;
    zip_error_init(&copy);
    zip_error_set(&copy, zip_error_code_zip(&error), zip_error_code_system(&error));
    const std::string detail = zip_error_strerror(&copy);
    zip_error_fini(&copy);
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "The archive %1 is damaged or is not an archive (%2)."), path,
        detail);
}

} // namespace ziperrors
