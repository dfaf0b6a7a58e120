#pragma once

#include <memory>

#include <nlohmann/json.hpp>

class CInventoryElement;

// Items as the command-line tool writes and reads them in JSON.
namespace inventoryjson {

nlohmann::ordered_json ItemToJson(const CInventoryElement& item);

// Keys that are missing keep the new record's defaults; unknown keys and a value of
// the wrong type are refused (CCliError, usage).
std::unique_ptr<CInventoryElement> ItemFromJson(const nlohmann::ordered_json& json,
                                                const std::string& where);

} // namespace inventoryjson
