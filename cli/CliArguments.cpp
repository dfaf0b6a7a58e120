#include "cli/CliArguments.h"

#include <algorithm>
#include <charconv>

#include "cli/CliError.h"

namespace {
bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}
} // namespace

CCliArguments::CCliArguments(const std::vector<std::string>& arguments,
                             std::initializer_list<const char*> valueOptions,
                             std::initializer_list<const char*> flagOptions, std::string synopsis)
    : m_synopsis(std::move(synopsis)) {
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argument.size() < 3 || argument.compare(0, 2, "--") != 0) {
            m_positionals.push_back(argument);
        } else if (IsOneOf(argument, valueOptions)) {
            if (k + 1 >= arguments.size() || m_values.count(argument))
                FailUsage();
            m_values[argument] = arguments[++k];
        } else if (IsOneOf(argument, flagOptions)) {
            m_flags[argument] = true;
        } else {
            throw CCliError(kExitUsage,
                            "unknown option " + argument + "\n" + UsageMessage(m_synopsis));
        }
    }
}

void CCliArguments::RequirePositionals(std::size_t count) const {
    if (m_positionals.size() != count)
        FailUsage();
}

std::optional<std::string> CCliArguments::Value(const std::string& name) const {
    const auto found = m_values.find(name);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

std::string CCliArguments::RequiredValue(const std::string& name) const {
    const auto value = Value(name);
    if (!value)
        FailUsage();
    return *value;
}

int CCliArguments::ParseInt(const std::string& text, int lowest, int highest,
                            const std::string& synopsis) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest)
        throw CCliError(kExitUsage, "\"" + text + "\" is not a number from " +
                                        std::to_string(lowest) + " to " + std::to_string(highest) +
                                        "\n" + UsageMessage(synopsis));
    return value;
}

void CCliArguments::FailUsage() const {
    throw CCliError(kExitUsage, UsageMessage(m_synopsis));
}
