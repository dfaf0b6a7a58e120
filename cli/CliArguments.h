#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A command's arguments: positional ones and "--name" options, some of which
// take a value. Anything else is a usage error naming the command's synopsis.
class CCliArguments {
public:
    CCliArguments(const std::vector<std::string>& arguments,
                  std::initializer_list<const char*> valueOptions,
                  std::initializer_list<const char*> flagOptions, std::string synopsis);

    // Ends with a usage error unless there are exactly count positional arguments.
    void RequirePositionals(std::size_t count) const;
    const std::string& Positional(std::size_t index) const { return m_positionals.at(index); }

    std::optional<std::string> Value(const std::string& name) const;
    // The value of a required option; a usage error when it is missing.
    std::string RequiredValue(const std::string& name) const;
    // A whole number between lowest and highest, or a usage error.
    static int ParseInt(const std::string& text, int lowest, int highest,
                        const std::string& synopsis);
    bool Flag(const std::string& name) const { return m_flags.count(name) > 0; }

    [[noreturn]] void FailUsage() const;
    const std::string& Synopsis() const { return m_synopsis; }

private:
    std::vector<std::string> m_positionals;
    std::map<std::string, std::string> m_values;
    std::map<std::string, bool> m_flags;
    std::string m_synopsis;
};
