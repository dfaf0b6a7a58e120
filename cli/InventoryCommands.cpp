#include "cli/InventoryCommands.h"

#include <charconv>

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/InventoryJson.h"
#include "cli/JsonText.h"
#include "core/InventoryFormat.h"
#include "core/SidingWardDoc.h"
#include "framework/SafeFile.h"

namespace clicommands {

using nlohmann::ordered_json;

void InventoryDump(CCliContext& context) {
    clisupport::RequireArguments(context, 1, "inv-dump FILE");
    std::string bytes;
    clisupport::RequireSuccess(safefile::ReadAll(context.arguments[0], bytes));
    CInventoryFileContents contents;
    clisupport::RequireSuccess(inventoryformat::Read(bytes, contents));

    ordered_json json = ordered_json::object();
    json["signature"] = jsontext::FromBytes(contents.signature);
    json["version"] = contents.version;
    json["items"] = ordered_json::array();
    for (const auto& item : contents.items)
        json["items"].push_back(inventoryjson::ItemToJson(*item));
    json["searchHistory"] = ordered_json::array();
    for (const std::string& text : contents.searchHistory)
        json["searchHistory"].push_back(jsontext::FromBytes(text));
    clisupport::WriteJsonOutput(context, json);
}

void InventoryCreate(CCliContext& context) {
    clisupport::RequireArguments(context, 1, "inv-create OUT < inventory.json");
    const ordered_json json = clisupport::ReadJsonInput(context);
    for (const auto& [key, value] : json.items()) {
        if (key != "signature" && key != "version" && key != "items" && key != "searchHistory")
            throw CCliError(kExitUsage, "the inventory has an unknown key \"" + key + "\"");
    }

    CSidingWardDoc document;
    if (const auto* items = clisupport::Find(json, "items")) {
        if (!items->is_array())
            throw CCliError(kExitUsage, "items must be an array");
        for (std::size_t k = 0; k < items->size(); ++k) {
            document.AddItem(
                inventoryjson::ItemFromJson((*items)[k], "items[" + std::to_string(k) + "]"),
                nullptr);
        }
    }
    if (const auto* history = clisupport::Find(json, "searchHistory")) {
        if (!history->is_array())
            throw CCliError(kExitUsage, "searchHistory must be an array");
        for (std::size_t k = 0; k < history->size(); ++k) {
            document.GetSearchHistory().push_back(
                jsontext::ToBytes((*history)[k], "searchHistory[" + std::to_string(k) + "]"));
        }
    }
    clisupport::RequireSuccess(document.OnSaveDocument(context.arguments[0]));
}

void InventorySort(CCliContext& context) {
    constexpr const char* kSynopsis = "inv-sort FILE --by N   (N: attribute index 0-13)";
    std::string file;
    std::string by;
    for (std::size_t k = 0; k < context.arguments.size(); ++k) {
        if (context.arguments[k] == "--by" && k + 1 < context.arguments.size() && by.empty())
            by = context.arguments[++k];
        else if (file.empty())
            file = context.arguments[k];
        else
            throw CCliError(kExitUsage, std::string("usage: gaugewright-cli ") + kSynopsis);
    }
    int attribute = -1;
    const auto [end, error] = std::from_chars(by.data(), by.data() + by.size(), attribute);
    if (file.empty() || by.empty() || error != std::errc() || end != by.data() + by.size() ||
        attribute < 0 || attribute > 13)
        throw CCliError(kExitUsage, std::string("usage: gaugewright-cli ") + kSynopsis);

    CSidingWardDoc document;
    clisupport::RequireSuccess(document.OnOpenDocument(file));
    document.SetSortAttribute(attribute);
    document.Sort();
    clisupport::RequireSuccess(document.OnSaveDocument(file));
}

} // namespace clicommands
