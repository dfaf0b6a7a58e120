#include "cli/YardCommands.h"

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/JsonText.h"
#include "model/framework/SafeFile.h"
#include "model/yard/ClassificationDoc.h"
#include "model/yard/ManufacturerFile.h"

namespace clicommands {

using nlohmann::ordered_json;

void YardDump(CCliContext& context) {
    clisupport::RequireArguments(context, 1, "yard-dump FILE");
    const std::string& path = context.arguments[0];

    // The signature and version as the file holds them; the document keeps neither.
    std::string bytes;
    clisupport::RequireSuccess(safefile::ReadAll(path, bytes));
    CYardFileContents header;
    clisupport::RequireSuccess(yardformat::Read(bytes, header));

    const auto opened = clisupport::OpenYard(path, context.clock);
    const CClassificationDoc& yard = *opened;

    ordered_json json = ordered_json::object();
    json["signature"] = jsontext::FromBytes(header.signature);
    json["version"] = header.version;
    json["values"] = ordered_json::array();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const CValueList* list = yard.GetValueList(attribute);
        if (!list) {
            json["values"].push_back(nullptr);
            continue;
        }
        ordered_json values = ordered_json::array();
        for (const std::string& value : *list)
            values.push_back(jsontext::FromBytes(value));
        json["values"].push_back(std::move(values));
    }
    json["headings"] = ordered_json::array();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        json["headings"].push_back(jsontext::FromBytes(yard.GetHeading(attribute)));
    json["useManufacturerFile"] = yard.GetUseManufacturerFile();
    json["useWizard"] = yard.GetUseWizard();
    json["yearListsExtended"] = yard.IsYearListExtended();
    clisupport::WriteJsonOutput(context, json);
}

namespace {

bool ReadBool(const ordered_json& json, const char* key, bool fallback) {
    const auto* value = clisupport::Find(json, key);
    if (!value)
        return fallback;
    if (!value->is_boolean())
        throw CCliError(kExitUsage, std::string(key) + " must be true or false");
    return value->get<bool>();
}

const ordered_json* ReadArrayOf14(const ordered_json& json, const char* key) {
    const auto* value = clisupport::Find(json, key);
    if (value && (!value->is_array() || value->size() != kAttributeCount))
        throw CCliError(kExitUsage, std::string(key) + " must be an array of 14 entries");
    return value;
}

} // namespace

void YardCreate(CCliContext& context) {
    clisupport::RequireArguments(context, 1, "yard-create OUT < catalogue.json");
    const ordered_json json = clisupport::ReadJsonInput(context);
    for (const auto& [key, value] : json.items()) {
        if (key != "signature" && key != "version" && key != "values" && key != "headings" &&
            key != "useManufacturerFile" && key != "useWizard" && key != "yearListsExtended")
            throw CCliError(kExitUsage, "the catalogue has an unknown key \"" + key + "\"");
    }

    CClassificationDoc yard(context.clock);
    if (const auto* values = ReadArrayOf14(json, "values")) {
        for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
            const ordered_json& entries = (*values)[static_cast<std::size_t>(attribute)];
            const std::string where = "values[" + std::to_string(attribute) + "]";
            CValueList* list = yard.GetValueList(attribute);
            if (!list) {
                if (!entries.is_null() && !(entries.is_array() && entries.empty()))
                    throw CCliError(kExitUsage, where + " (Item Number) has no list: use null");
                continue;
            }
            if (!entries.is_array())
                throw CCliError(kExitUsage, where + " must be an array of texts");
            for (std::size_t k = 0; k < entries.size(); ++k)
                yard.AddValue(*list,
                              jsontext::ToBytes(entries[k], where + "[" + std::to_string(k) + "]"));
        }
    }
    if (const auto* headings = ReadArrayOf14(json, "headings")) {
        for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
            yard.SetHeading(attribute,
                            jsontext::ToBytes((*headings)[static_cast<std::size_t>(attribute)],
                                              "headings[" + std::to_string(attribute) + "]"));
        }
    }
    yard.SetUseManufacturerFile(ReadBool(json, "useManufacturerFile", true));
    yard.SetUseWizard(ReadBool(json, "useWizard", true));
    clisupport::RequireSuccess(yard.OnSaveDocument(context.arguments[0]));
}

void ManufacturerFileDump(CCliContext& context) {
    clisupport::RequireArguments(context, 1, "mfile-dump FILE");
    CManufacturerFileContents contents;
    const FileResult result = manufacturerfile::Load(context.arguments[0], contents);
    if (!result.Succeeded())
        throw CCliError(kExitFileError, manufacturerfile::LoadFailureMessage(result.message));

    ordered_json json = ordered_json::object();
    json["manufacturers"] = ordered_json::array();
    for (const CManufacturer& manufacturer : contents.manufacturers) {
        ordered_json entry = ordered_json::object();
        entry["name"] = jsontext::FromBytes(manufacturer.GetName());
        entry["products"] = ordered_json::array();
        for (const CManufacturerProduct& product : manufacturer.GetProducts()) {
            ordered_json line = ordered_json::object();
            line["itemNumber"] = jsontext::FromBytes(product.itemNumber);
            line["bodyClassification"] = jsontext::FromBytes(product.bodyClassification);
            line["roadName"] = jsontext::FromBytes(product.roadName);
            line["paintScheme"] = jsontext::FromBytes(product.paintScheme);
            line["scale"] = jsontext::FromBytes(product.scale);
            entry["products"].push_back(std::move(line));
        }
        json["manufacturers"].push_back(std::move(entry));
    }
    json["incomplete"] = ordered_json::array();
    for (const std::string& record : contents.incompleteRecords)
        json["incomplete"].push_back(jsontext::FromBytes(record));
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
