#include "cli/CommandSupport.h"

#include <istream>
#include <ostream>

#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/RegularFile.h"
#include "model/yard/ClassificationDoc.h"

namespace clisupport {

void RequireArguments(const CCliContext& context, std::size_t count, const char* synopsis) {
    if (context.arguments.size() != count)
        throw CCliError(kExitUsage, UsageMessage(synopsis));
}

void RequireSuccess(const FileResult& result) {
    if (result.outcome != FileOutcome::Ok)
        throw CCliError(kExitFileError, result.message);
}

void RequireDifferentFiles(const std::string& input, const std::string& output) {
    if (framework::IsSameFile(input, output))
        throw CCliError(kExitFileError, output + " is the same file as " + input +
                                            "; the output must go to another file.");
}

nlohmann::ordered_json ReadJsonInput(const CCliContext& context) {
    try {
        nlohmann::ordered_json json = nlohmann::ordered_json::parse(context.in);
        if (!json.is_object())
            throw CCliError(kExitUsage, "the JSON input must be an object");
        return json;
    } catch (const nlohmann::json::parse_error& error) {
        throw CCliError(kExitUsage, std::string("the JSON input is malformed: ") + error.what());
    }
}

void WriteJsonOutput(const CCliContext& context, const nlohmann::ordered_json& json) {
    context.out << json.dump(2) << '\n';
}

const nlohmann::ordered_json* Find(const nlohmann::ordered_json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

void OpenInventory(CSidingWardDoc& document, const std::string& path) {
    RequireSuccess(document.OnOpenDocument(path));
}

std::unique_ptr<CClassificationDoc> OpenYard(const std::string& path, const CClock& clock) {
    auto yard = std::make_unique<CClassificationDoc>(clock);
    RequireSuccess(yard->OnOpenDocument(path));
    return yard;
}

} // namespace clisupport
