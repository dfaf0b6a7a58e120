#include "cli/ArchiveCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CommandSupport.h"
#include "cli/JsonText.h"
#include "model/core/InventoryArchive.h"
#include "model/core/SidingWardDoc.h"

namespace clicommands {

void Archive(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {"--yard"}, {},
                                  "archive FILE OUT.gwz [--yard CATALOGUE]");
    arguments.RequirePositionals(2);
    const std::string& file = arguments.Positional(0);
    const std::string& out = arguments.Positional(1);
    clisupport::RequireDifferentFiles(file, out);
    const std::string catalogue = arguments.Value("--yard").value_or("");
    if (!catalogue.empty())
        clisupport::RequireDifferentFiles(catalogue, out);

    CSidingWardDoc document;
    clisupport::OpenInventory(document, file);
    const inventoryarchive::CArchiveWriteResult written =
        inventoryarchive::WriteArchive(document, catalogue, out);
    clisupport::RequireSuccess(written.result);

    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["missingPictures"] = nlohmann::ordered_json::array();
    for (const std::string& picture : written.missingPictures)
        json["missingPictures"].push_back(jsontext::FromBytes(picture));
    clisupport::WriteJsonOutput(context, json);
}

void Unarchive(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {}, {}, "unarchive ARCHIVE DIR");
    arguments.RequirePositionals(2);
    inventoryarchive::CUnpackedArchive unpacked;
    clisupport::RequireSuccess(inventoryarchive::UnpackArchive(arguments.Positional(0),
                                                               arguments.Positional(1), unpacked));

    // The paths are file names, which the unpack made sure are UTF-8.
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["inventory"] = unpacked.inventoryPath;
    json["catalogue"] = unpacked.cataloguePath.empty()
                            ? nlohmann::ordered_json()
                            : nlohmann::ordered_json(unpacked.cataloguePath);
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
