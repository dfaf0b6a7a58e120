#include "cli/InventoryJson.h"

#include <limits>

#include "cli/CliError.h"
#include "cli/JsonText.h"
#include "model/core/InventoryElement.h"

namespace inventoryjson {
namespace {

using Getter = const std::string& (CInventoryElement::*)() const;
using Setter = void (CInventoryElement::*)(std::string);

struct TextField {
    const char* key;
    Getter get;
    Setter set;
};

constexpr TextField kTextFields[] = {
    {"bodyClassification", &CInventoryElement::GetBodyClassification,
     &CInventoryElement::SetBodyClassification},
    {"manufacturer", &CInventoryElement::GetManufacturer, &CInventoryElement::SetManufacturer},
    {"itemNumber", &CInventoryElement::GetItemNumber, &CInventoryElement::SetItemNumber},
    {"roadName", &CInventoryElement::GetRoadName, &CInventoryElement::SetRoadName},
    {"paintScheme", &CInventoryElement::GetPaintScheme, &CInventoryElement::SetPaintScheme},
    {"scale", &CInventoryElement::GetScale, &CInventoryElement::SetScale},
    {"condition", &CInventoryElement::GetCondition, &CInventoryElement::SetCondition},
    {"originalBox", &CInventoryElement::GetOriginalBox, &CInventoryElement::SetOriginalBox},
    {"dateBuilt", &CInventoryElement::GetDateBuilt, &CInventoryElement::SetDateBuilt},
    {"purchaseDate", &CInventoryElement::GetPurchaseDate, &CInventoryElement::SetPurchaseDate},
    {"purchasePrice", &CInventoryElement::GetPurchasePrice, &CInventoryElement::SetPurchasePrice},
    {"currentValue", &CInventoryElement::GetCurrentValue, &CInventoryElement::SetCurrentValue},
    {"userDefined1", &CInventoryElement::GetUserDefined1, &CInventoryElement::SetUserDefined1},
    {"userDefined2", &CInventoryElement::GetUserDefined2, &CInventoryElement::SetUserDefined2},
    {"reserved1", &CInventoryElement::GetReservedText1, &CInventoryElement::SetReservedText1},
    {"reserved2", &CInventoryElement::GetReservedText2, &CInventoryElement::SetReservedText2},
    {"comments", &CInventoryElement::GetComments, &CInventoryElement::SetComments},
    {"picture", &CInventoryElement::GetPicture, &CInventoryElement::SetPicture},
};

constexpr const char* kDateKeys[] = {"entryMonth", "entryDay", "entryYear"};

int ReadInt(const nlohmann::ordered_json& value, const std::string& what) {
    if (!value.is_number_integer())
        throw CCliError(kExitUsage, what + " must be a whole number");
    const auto number = value.get<long long>();
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        throw CCliError(kExitUsage, what + " is out of range");
    return static_cast<int>(number);
}

bool IsKnownKey(const std::string& key) {
    for (const TextField& field : kTextFields) {
        if (key == field.key)
            return true;
    }
    for (const char* dateKey : kDateKeys) {
        if (key == dateKey)
            return true;
    }
    return false;
}

} // namespace

nlohmann::ordered_json ItemToJson(const CInventoryElement& item) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const TextField& field : kTextFields)
        json[field.key] = jsontext::FromBytes((item.*field.get)());
    json["entryMonth"] = item.GetEntryMonth();
    json["entryDay"] = item.GetEntryDay();
    json["entryYear"] = item.GetEntryYear();
    return json;
}

std::unique_ptr<CInventoryElement> ItemFromJson(const nlohmann::ordered_json& json,
                                                const std::string& where) {
    if (!json.is_object())
        throw CCliError(kExitUsage, where + " must be an object");
    for (const auto& [key, value] : json.items()) {
        if (!IsKnownKey(key))
            throw CCliError(kExitUsage, where + " has an unknown key \"" + key + "\"");
    }
    auto item = std::make_unique<CInventoryElement>();
    for (const TextField& field : kTextFields) {
        if (json.contains(field.key))
            (item.get()->*field.set)(jsontext::ToBytes(json[field.key], where + "." + field.key));
    }
    int date[3] = {item->GetEntryMonth(), item->GetEntryDay(), item->GetEntryYear()};
    for (int k = 0; k < 3; ++k) {
        if (json.contains(kDateKeys[k]))
            date[k] = ReadInt(json[kDateKeys[k]], where + "." + kDateKeys[k]);
    }
    item->SetEntryDate(date[0], date[1], date[2]);
    return item;
}

} // namespace inventoryjson
