#include "cli/HistoryCommands.h"

#include <ostream>

#include "cli/CliArguments.h"
#include "cli/CliContext.h"
#include "cli/CliError.h"
#include "cli/CommandSupport.h"
#include "cli/JsonText.h"
#include "model/core/CodePage1252.h"
#include "model/core/InventoryChange.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "model/framework/FixedClock.h"
#include "model/quickfacts/ValueOverTime.h"

namespace clicommands {

using nlohmann::ordered_json;

namespace {

int ItemIndex(const CSidingWardDoc& document, const std::string& text,
              const CCliArguments& arguments) {
    const int count = document.GetItemCount();
    if (count == 0)
        throw CCliError(kExitUsage, "the inventory holds no item");
    return CCliArguments::ParseInt(text, 0, count - 1, arguments.Synopsis());
}

std::string Bytes(const std::string& given, const char* what) {
    auto bytes = codepage1252::FromUtf8(given);
    if (!bytes)
        throw CCliError(kExitUsage, std::string("the ") + what +
                                        " holds a character that Windows-1252 cannot hold");
    return std::move(*bytes);
}

ordered_json DateJson(const CDate& date) {
    return valuehistory::IsoDate(date).value_or("");
}

} // namespace

void Value(CCliContext& context) {
    const CCliArguments arguments(
        context.arguments, {"--item", "--value", "--date", "--note"}, {},
        "value FILE --item N --value AMOUNT [--date YYYY-MM-DD] [--note TEXT]");
    arguments.RequirePositionals(1);
    const std::string itemText = arguments.RequiredValue("--item");
    const std::string value = Bytes(arguments.RequiredValue("--value"), "value");
    const std::string note = Bytes(arguments.Value("--note").value_or(""), "note");
    CDate on = context.clock.Today();
    if (const auto date = arguments.Value("--date")) {
        const auto parsed = CFixedClock::ParseIsoDate(*date);
        if (!parsed)
            arguments.FailUsage();
        on = *parsed;
    }
    const std::string& file = arguments.Positional(0);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, file);
    const int index = ItemIndex(document, itemText, arguments);
    CInventoryElement& item = *document.GetItemAt(index);
    if (item.GetCurrentValue() == value)
        return;
    CInventoryElement values = item;
    values.SetCurrentValue(value);
    if (valuehistory::Record(values, item, on, note) == valuehistory::Outcome::NotKept)
        context.err << "gaugewright-cli: item " << index
                    << ": its Reserved Text 1 holds other data or has no room left, so no "
                       "history could be kept; the value is set\n";
    document.Apply(CInventoryChange::Replace("Change Current Value", item, std::move(values)),
                   nullptr);
    clisupport::RequireSuccess(document.OnSaveDocument(file));
}

void History(CCliContext& context) {
    const CCliArguments arguments(context.arguments, {"--item"}, {}, "history FILE [--item N]");
    arguments.RequirePositionals(1);
    CSidingWardDoc document;
    clisupport::OpenInventory(document, arguments.Positional(0));
    int only = -1;
    if (const auto item = arguments.Value("--item"))
        only = ItemIndex(document, *item, arguments);

    ordered_json json = ordered_json::object();
    json["total"] = ordered_json::array();
    for (const valuation::CTotalOnDate& point :
         valuation::TotalValueOverTime(document.GetItems())) {
        ordered_json total = ordered_json::object();
        total["date"] = DateJson(point.date);
        total["value"] = AmountText(point.total);
        json["total"].push_back(std::move(total));
    }
    json["items"] = ordered_json::array();
    for (int index = 0; index < document.GetItemCount(); ++index) {
        if (only >= 0 && index != only)
            continue;
        const valuehistory::Parsed history =
            valuehistory::Parse(document.GetItemAt(index)->GetReservedText1());
        if (history.entries.empty())
            continue;
        ordered_json item = ordered_json::object();
        item["index"] = index;
        item["history"] = ordered_json::array();
        for (const valuehistory::Entry& entry : history.entries) {
            ordered_json shown = ordered_json::object();
            shown["date"] = DateJson(entry.date);
            shown["value"] = jsontext::FromBytes(entry.value);
            shown["note"] = jsontext::FromBytes(entry.note);
            item["history"].push_back(std::move(shown));
        }
        json["items"].push_back(std::move(item));
    }
    clisupport::WriteJsonOutput(context, json);
}

} // namespace clicommands
