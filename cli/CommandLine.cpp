#include "cli/CommandLine.h"

#include <functional>
#include <iostream>
#include <map>
#include <new>
#include <optional>

#include "cli/ArchiveCommands.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/HistoryCommands.h"
#include "cli/InventoryCommands.h"
#include "cli/QuickFactsCommands.h"
#include "cli/TextCommands.h"
#include "cli/YardCommands.h"
#include "model/framework/FixedClock.h"
#include "model/framework/ProgramVersion.h"
#include "model/framework/SystemClock.h"

namespace {

constexpr const char* kUsage =
    "usage: gaugewright-cli [--today YYYY-MM-DD] COMMAND [ARGUMENTS]\n"
    "       gaugewright-cli --help | --version\n"
    "\n"
    "Inventories (.inv):\n"
    "  inv-dump FILE          print the inventory as JSON\n"
    "  inv-create OUT         save the JSON inventory read from standard input\n"
    "  inv-sort FILE --by N   sort the inventory by attribute index N (0-13) and save it\n"
    "  check FILE --yard CATALOGUE\n"
    "                         check every item against the catalogue's value lists\n"
    "  export FILE OUT [--delimiter TEXT] [--names] [--quoted] [--yard CATALOGUE]\n"
    "                         [--encoding windows-1252|utf-8]\n"
    "                         write the items as delimited text (default delimiter: a tab;\n"
    "                         --quoted: values in double quotes where needed, as in CSV)\n"
    "  import FILE IN --fields I,J,... [--delimiter TEXT] [--names] [--quoted]\n"
    "                         [--encoding windows-1252|utf-8]\n"
    "                         append the records of IN to FILE (made when missing) and save\n"
    "  report FILE [--columns I,J,...]\n"
    "                         the printed report's title, heading and item lines (default:\n"
    "                         every column; no column wider than an A4 line, 74 characters)\n"
    "  facts FILE [--item N]  the Quick Facts answers of the inventory or of item N (from 0)\n"
    "  breakdown FILE --kind expenditures|asset|count --by year|N [--yard CATALOGUE]\n"
    "                         a breakdown by purchase year or by attribute N (0-13)\n"
    "  value FILE --item N --value AMOUNT [--date YYYY-MM-DD] [--note TEXT]\n"
    "                         set item N's Current Value and keep the change in its value\n"
    "                         history (dated today unless --date) and save\n"
    "  history FILE [--item N]\n"
    "                         the value histories of the items (of item N) and the\n"
    "                         inventory's total current value over time\n"
    "Archives (.gwz: an inventory with its pictures and catalogue):\n"
    "  archive FILE OUT.gwz [--yard CATALOGUE]\n"
    "                         write the archive; prints the pictures that could not be read\n"
    "  unarchive ARCHIVE DIR  unpack into DIR (new or empty); the inventory names the\n"
    "                         unpacked pictures\n"
    "Classification Yard catalogue (Classyrd.mst):\n"
    "  yard-dump FILE         print the catalogue as JSON\n"
    "  yard-create OUT        save the JSON catalogue read from standard input\n"
    "Manufacturer file (ExtMFile.mst):\n"
    "  mfile-dump FILE        print the manufacturers and their products as JSON\n"
    "\n"
    "Texts in JSON are the file's bytes read as Windows-1252.\n"
    "Exit status: 0 done, 2 a file could not be loaded or saved, the output could not\n"
    "be written or memory ran out, 64 usage error.\n";

using Command = std::function<void(CCliContext&)>;

const std::map<std::string, Command>& Commands() {
    // clang-format off
    static const std::map<std::string, Command> commands = {
        {"inv-dump", clicommands::InventoryDump},
        {"inv-create", clicommands::InventoryCreate},
        {"inv-sort", clicommands::InventorySort},
        {"check", clicommands::InventoryCheck},
        {"export", clicommands::ExportText},
        {"import", clicommands::ImportText},
        {"report", clicommands::ReportText},
        {"facts", clicommands::Facts},
        {"breakdown", clicommands::Breakdown},
        {"value", clicommands::Value},
        {"history", clicommands::History},
        {"yard-dump", clicommands::YardDump},
        {"yard-create", clicommands::YardCreate},
        {"mfile-dump", clicommands::ManufacturerFileDump},
        {"archive", clicommands::Archive},
        {"unarchive", clicommands::Unarchive},
    };
    // clang-format on
    return commands;
}

// The exit status once the output is flushed: a full disk or a closed pipe loses
// the output only then, and a script must not take a cut answer for a whole one.
int Flushed(std::ostream& out, std::ostream& err) {
    if (out.flush())
        return kExitOk;
    err << "gaugewright-cli: standard output could not be written\n";
    return kExitFileError;
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
            return Flushed(out, err);
        }
        if (argument == "--version") {
            out << "gaugewright-cli " << kProgramVersion << '\n';
            return Flushed(out, err);
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
    CCliContext context{clock, in, out, err,
                        std::vector<std::string>(rest.begin() + 1, rest.end())};
    try {
        command->second(context);
    } catch (const CCliError& error) {
        err << error.what() << '\n';
        return error.ExitCode();
    } catch (const std::bad_alloc&) {
        // A file too large for memory ends the command like any file problem.
        err << "gaugewright-cli: not enough memory to finish \"" << rest.front() << "\"\n";
        return kExitFileError;
    }
    return Flushed(out, err);
}
