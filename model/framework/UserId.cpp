#include "model/framework/UserId.h"

#include <unistd.h>

namespace framework {

std::string CurrentUserId() {
    return std::to_string(getuid());
}

} // namespace framework
