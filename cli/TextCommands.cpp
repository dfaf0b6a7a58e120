#include "cli/TextCommands.h"

#include <filesystem>

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/JsonText.h"
#include "model/core/CodePage1252.h"
#include "model/core/DelimitedText.h"
#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "model/yard/ClassificationDoc.h"

namespace clicommands {
namespace {

// The delimiter as the dialogs' default (a tab) or as given, in the file's code page.
std::string DelimiterOf(const CCliArguments& arguments) {
    const auto given = arguments.Value("--delimiter");
    if (!given)
        return "\t";
    auto bytes = codepage1252::FromUtf8(*given);
    if (!bytes)
        throw CCliError(kExitUsage,
                        "the delimiter holds a character that Windows-1252 cannot hold");
    return std::move(*bytes);
}

// The file's encoding: Windows-1252 (the inventory's own bytes) unless given.
TextEncoding EncodingOf(const CCliArguments& arguments) {
    const auto given = arguments.Value("--encoding");
    if (!given || *given == "windows-1252")
        return TextEncoding::Windows1252;
    if (*given == "utf-8")
        return TextEncoding::Utf8;
    throw CCliError(kExitUsage, "the encoding must be windows-1252 or utf-8\n" +
                                    UsageMessage(arguments.Synopsis()));
}

// "3,1,10" as attribute indexes.
std::vector<int> FieldOrderOf(const CCliArguments& arguments) {
    const std::string text = arguments.RequiredValue("--fields");
    std::vector<int> order;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        order.push_back(CCliArguments::ParseInt(text.substr(start, comma - start), 0, 13,
                                                arguments.Synopsis()));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return order;
}

// "0,5,10" as the report's columns; all fourteen when not given.
inventoryreport::ColumnFlags ColumnsOf(const CCliArguments& arguments) {
    const auto text = arguments.Value("--columns");
    if (!text) {
        inventoryreport::ColumnFlags columns{};
        columns.fill(true);
        return columns;
    }
    std::string problem;
    const auto columns = inventoryreport::ParseColumns(*text, problem);
    if (!columns)
        throw CCliError(kExitUsage, problem + "\n" + UsageMessage(arguments.Synopsis()));
    return *columns;
}

} // namespace

void ReportText(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {"--columns"}, {},
                                  "report FILE [--columns I,J,...]");
    arguments.RequirePositionals(1);
    const inventoryreport::ColumnFlags columns = ColumnsOf(arguments);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));
    const CInventoryReport report =
        inventoryreport::Build(document, columns, inventoryreport::HeadingsOf(document));
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["title"] = inventoryreport::TitleLine(context.clock.Today(), 1);
    json["heading"] = jsontext::FromBytes(report.headingLine);
    json["lines"] = nlohmann::ordered_json::array();
    for (const std::string& line : report.itemLines)
        json["lines"].push_back(jsontext::FromBytes(line));
    clisupport::WriteJsonOutput(context, json);
}

void ExportText(CCliContext& context) {
    const CCliArguments arguments(
        context.arguments, {"--delimiter", "--yard", "--encoding"}, {"--names", "--quoted"},
        "export FILE OUT [--delimiter TEXT] [--names] [--quoted] [--yard CATALOGUE] "
        "[--encoding windows-1252|utf-8]");
    arguments.RequirePositionals(2);
    const std::string delimiter = DelimiterOf(arguments);
    const TextEncoding encoding = EncodingOf(arguments);
    clisupport::RequireDifferentFiles(arguments.Positional(0), arguments.Positional(1));
    std::unique_ptr<CClassificationDoc> yard;
    if (const auto catalogue = arguments.Value("--yard")) {
        clisupport::RequireDifferentFiles(*catalogue, arguments.Positional(1));
        yard = clisupport::OpenYard(*catalogue, context.clock);
    }
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));
    document.SetClassificationYard(yard.get());
    clisupport::RequireSuccess(delimitedtext::Export(document, arguments.Positional(1), delimiter,
                                                     arguments.Flag("--names"),
                                                     arguments.Flag("--quoted"), encoding));
}

void ImportText(CCliContext& context) {
    const CCliArguments arguments(
        context.arguments, {"--fields", "--delimiter", "--encoding"}, {"--names", "--quoted"},
        "import FILE IN --fields I,J,... [--delimiter TEXT] [--names] [--quoted] "
        "[--encoding windows-1252|utf-8]");
    arguments.RequirePositionals(2);
    const std::vector<int> fieldOrder = FieldOrderOf(arguments);
    const std::string delimiter = DelimiterOf(arguments);
    const TextEncoding encoding = EncodingOf(arguments);
    const std::string& path = arguments.Positional(0);
    clisupport::RequireDifferentFiles(arguments.Positional(1), path);

    CSidingWardDoc document;
    if (std::filesystem::exists(path))
        clisupport::OpenInventory(document, path);
    const CDelimitedImportResult result = delimitedtext::Import(
        document, arguments.Positional(1), delimiter, fieldOrder, arguments.Flag("--names"),
        context.clock.Today(), nullptr, arguments.Flag("--quoted"), encoding);
    if (!result.Succeeded())
        throw CCliError(kExitFileError, result.message);
    clisupport::RequireSuccess(document.OnSaveDocument(path));

    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["added"] = result.added;
    json["rewritten"] = result.rewritten;
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
