#include "cli/CommandLine.h"

#include <functional>
#include <iostream>
#include <map>
#include <optional>

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/InventoryCommands.h"
#include "cli/YardCommands.h"
#include "core/FixedClock.h"
#include "core/SystemClock.h"

namespace {

constexpr const char* kUsage =
    "usage: gaugewright-cli [--today YYYY-MM-DD] COMMAND [ARGUMENTS]\n"
    "\n"
    "Inventories (.inv):\n"
    "  inv-dump FILE          print the inventory as JSON\n"
    "  inv-create OUT         save the JSON inventory read from standard input\n"
    "  inv-sort FILE --by N   sort the inventory by attribute index N (0-13) and save it\n"
    "Classification Yard catalogue (Classyrd.mst):\n"
    "  yard-dump FILE         print the catalogue as JSON\n"
    "  yard-create OUT        save the JSON catalogue read from standard input\n"
    "\n"
    "Texts in JSON are the file's bytes read as Windows-1252.\n"
    "Exit status: 0 done, 2 a file could not be loaded or saved, 64 usage error.\n";

using Command = std::function<void(CCliContext&)>;

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"inv-dump", clicommands::InventoryDump}, {"inv-create", clicommands::InventoryCreate},
        {"inv-sort", clicommands::InventorySort}, {"yard-dump", clicommands::YardDump},
        {"yard-create", clicommands::YardCreate},
    };
    return commands;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    std::optional<CDate> today;
    std::vector<std::string> rest;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argument == "--help" || argument == "-h") {
            out << kUsage;
            return kExitOk;
        }
        if (argument == "--today") {
            if (k + 1 >= arguments.size()) {
                err << "gaugewright-cli: --today needs a date YYYY-MM-DD\n";
                return kExitUsage;
            }
            today = CFixedClock::ParseIsoDate(arguments[++k]);
            if (!today) {
                err << "gaugewright-cli: \"" << arguments[k] << "\" is not a date YYYY-MM-DD\n";
                return kExitUsage;
            }
            continue;
        }
        rest.push_back(argument);
    }
    if (rest.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    const auto command = Commands().find(rest.front());
    if (command == Commands().end()) {
        err << "gaugewright-cli: unknown command \"" << rest.front() << "\"\n" << kUsage;
        return kExitUsage;
    }

    const CSystemClock systemClock;
    const CFixedClock fixedClock(today.value_or(CDate{}));
    const CClock& clock = today ? static_cast<const CClock&>(fixedClock) : systemClock;
    CCliContext context{clock, in, out, std::vector<std::string>(rest.begin() + 1, rest.end())};
    try {
        command->second(context);
    } catch (const CCliError& error) {
        err << error.what() << '\n';
        return error.ExitCode();
    }
    return kExitOk;
}
