#include "cli/InventoryCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/InventoryJson.h"
#include "cli/JsonText.h"
#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"
#include "model/yard/ClassificationDoc.h"

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
    const CCliArguments arguments(context.arguments, {"--by"}, {},
                                  "inv-sort FILE --by N   (N: attribute index 0-13)");
    arguments.RequirePositionals(1);
    const int attribute =
        CCliArguments::ParseInt(arguments.RequiredValue("--by"), 0, 13, arguments.Synopsis());
    const std::string& file = arguments.Positional(0);

    CSidingWardDoc document;
    clisupport::OpenInventory(document, file);
    document.SetSortAttribute(attribute);
    document.Sort();
    clisupport::RequireSuccess(document.OnSaveDocument(file));
}

void InventoryCheck(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {"--yard"}, {}, "check FILE --yard CATALOGUE");
    arguments.RequirePositionals(1);
    const auto yard = clisupport::OpenYard(arguments.RequiredValue("--yard"), context.clock);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));
    document.SetClassificationYard(yard.get());

    ordered_json json = ordered_json::object();
    json["items"] = ordered_json::array();
    bool allOk = true;
    for (const auto& item : document.GetItems()) {
        const bool ok = document.CheckItemAgainstYard(*item);
        json["items"].push_back(ok);
        allOk = allOk && ok;
    }
    json["allOk"] = allOk;
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
