#include "cli/QuickFactsCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/JsonText.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/BestPerformer.h"
#include "model/quickfacts/BreakdownTable.h"
#include "model/quickfacts/DollarGainLoss.h"
#include "model/quickfacts/ItemCount.h"
#include "model/quickfacts/PercentGainLoss.h"
#include "model/quickfacts/TotalAssetValue.h"
#include "model/quickfacts/TotalExpenditures.h"
#include "model/quickfacts/Valuation.h"
#include "model/quickfacts/WorstPerformer.h"
#include "model/yard/ClassificationDoc.h"

namespace clicommands {

using nlohmann::ordered_json;

namespace {

ordered_json ReportJson(const std::optional<CQuickFactsReport>& report) {
    if (!report)
        return nullptr;
    ordered_json json = ordered_json::object();
    json["text"] = jsontext::FromBytes(report->text);
    json["caption"] = jsontext::FromBytes(report->caption);
    json["sound"] = report->sound.empty() ? ordered_json(nullptr) : ordered_json(report->sound);
    return json;
}

// The performer's list position (null when there is none) and the tie count.
ordered_json PerformerJson(const CSidingWardDoc& document, const valuation::CPerformer& found) {
    ordered_json json = ordered_json::object();
    const int index = found.item ? document.IndexOfItem(found.item) : -1;
    json["item"] = index >= 0 ? ordered_json(index) : ordered_json(nullptr);
    json["ties"] = found.ties;
    return json;
}

void ItemFacts(CCliContext& context, const CSidingWardDoc& document, const std::string& index,
               const std::string& synopsis) {
    const int count = document.GetItemCount();
    if (count == 0)
        throw CCliError(kExitUsage, "the inventory holds no item");
    const CInventoryElement* item =
        document.GetItemAt(CCliArguments::ParseInt(index, 0, count - 1, synopsis));
    ordered_json json = ordered_json::object();
    json["dollarGainLoss"] = jsontext::FromBytes(valuation::DollarGainLoss(*item));
    json["percentGainLoss"] = jsontext::FromBytes(valuation::PercentGainLoss(*item));
    json["reports"] = ordered_json::object();
    json["reports"]["itemDollar"] = ReportJson(CDollarGainLoss().ReportItem(item));
    json["reports"]["itemPercent"] = ReportJson(CPercentGainLoss().ReportItem(item));
    clisupport::WriteJsonOutput(context, json);
}

BreakdownMeasure MeasureOf(const std::string& kind, const CCliArguments& arguments) {
    if (kind == "expenditures")
        return BreakdownMeasure::Expenditures;
    if (kind == "asset")
        return BreakdownMeasure::AssetValue;
    if (kind == "count")
        return BreakdownMeasure::ItemCount;
    arguments.FailUsage();
}

} // namespace

void Facts(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {"--item"}, {}, "facts FILE [--item N]");
    arguments.RequirePositionals(1);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));
    if (const auto item = arguments.Value("--item")) {
        ItemFacts(context, document, *item, arguments.Synopsis());
        return;
    }

    ordered_json reports = ordered_json::object();
    reports["inventoryDollar"] = ReportJson(CDollarGainLoss().ReportInventory(&document));
    reports["inventoryPercent"] = ReportJson(CPercentGainLoss().ReportInventory(&document));
    const auto worst = CWorstPerformer().ReportInventory(&document);
    const auto best = CBestPerformer().ReportInventory(&document);
    reports["worst"] = ReportJson(worst ? std::optional(worst->report) : std::nullopt);
    reports["best"] = ReportJson(best ? std::optional(best->report) : std::nullopt);
    reports["totalAssetValue"] = ReportJson(CTotalAssetValue().ReportInventory(&document));
    reports["totalExpenditures"] = ReportJson(CTotalExpenditures().ReportInventory(&document));
    reports["itemCount"] = ReportJson(CItemCount().ReportInventory(&document));

    ordered_json json = ordered_json::object();
    json["itemCount"] = document.GetItemCount();
    const CSidingWardDoc::ItemList& items = document.GetItems();
    json["totalExpenditures"] = jsontext::FromBytes(valuation::TotalExpenditures(items));
    json["totalAssetValue"] = jsontext::FromBytes(valuation::TotalAssetValue(items));
    json["dollarGainLoss"] = jsontext::FromBytes(valuation::DollarGainLoss(items));
    json["percentGainLoss"] = jsontext::FromBytes(valuation::PercentGainLoss(items));
    json["worst"] = PerformerJson(document, valuation::FindWorstPerformer(items));
    json["best"] = PerformerJson(document, valuation::FindBestPerformer(items));
    json["reports"] = std::move(reports);
    clisupport::WriteJsonOutput(context, json);
}

void Breakdown(CCliContext& context) {
    const CCliArguments arguments(
        context.arguments, {"--kind", "--by", "--yard"}, {},
        "breakdown FILE --kind expenditures|asset|count --by year|N [--yard CATALOGUE]");
    arguments.RequirePositionals(1);
    const BreakdownMeasure measure = MeasureOf(arguments.RequiredValue("--kind"), arguments);
    const std::string by = arguments.RequiredValue("--by");
    const int attribute =
        by == "year" ? -1 : CCliArguments::ParseInt(by, 0, 13, arguments.Synopsis());
    std::unique_ptr<CClassificationDoc> yard;
    if (const auto catalogue = arguments.Value("--yard"))
        yard = clisupport::OpenYard(*catalogue, context.clock);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));

    const CBreakdownTable table =
        attribute < 0 ? CBreakdownTable::ByPurchaseYear(document, measure, yard.get())
                      : CBreakdownTable::ByAttribute(document, measure, attribute, yard.get());
    ordered_json json = ordered_json::object();
    json["title"] = jsontext::FromBytes(table.GetTitle());
    json["columns"] = ordered_json::array();
    for (const std::string& heading : table.GetColumnHeadings())
        json["columns"].push_back(jsontext::FromBytes(heading));
    json["rows"] = ordered_json::array();
    for (const CQuickFactsRow& row : table.GetRows()) {
        ordered_json line = ordered_json::object();
        line["key"] = jsontext::FromBytes(row.key);
        line["value"] = jsontext::FromBytes(row.value);
        line["printKey"] = jsontext::FromBytes(row.printKey);
        line["printValue"] = jsontext::FromBytes(row.printValue);
        json["rows"].push_back(std::move(line));
    }
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
