#pragma once

#include <stdexcept>
#include <string>

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 2; // a file could not be loaded or saved
inline constexpr int kExitUsage = 64;    // bad arguments or malformed JSON input

// The message that shows how a command is called, for example
// "usage: gaugewright-cli yard-dump FILE".
inline std::string UsageMessage(const std::string& synopsis) {
    return "usage: gaugewright-cli " + synopsis;
}

// Ends a command with a message for standard error and an exit status.
class CCliError : public std::runtime_error {
public:
    CCliError(int exitCode, const std::string& message)
        : std::runtime_error(message), m_exitCode(exitCode) {}
    int ExitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};
