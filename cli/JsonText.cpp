#include "cli/JsonText.h"

#include "cli/CliError.h"
#include "model/core/CodePage1252.h"

namespace jsontext {

nlohmann::ordered_json FromBytes(const std::string& bytes) {
    return codepage1252::ToUtf8(bytes);
}

std::string ToBytes(const nlohmann::ordered_json& value, const std::string& what) {
    if (!value.is_string())
        throw CCliError(kExitUsage, what + " must be a text");
    auto bytes = codepage1252::FromUtf8(value.get_ref<const std::string&>());
    if (!bytes)
        throw CCliError(kExitUsage, what + " holds a character that Windows-1252 cannot hold");
    return std::move(*bytes);
}

} // namespace jsontext
