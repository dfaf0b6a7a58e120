#include "model/framework/UserId.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace framework {

std::string CurrentUserId() {
#ifdef _WIN32
    return {};
#else
    return std::to_string(getuid());
#endif
}

} // namespace framework
