#pragma once

#include <string>

#include <nlohmann/json.hpp>

// JSON texts of the command-line tool: the file's bytes read as Windows-1252
// (unassigned bytes as the C1 controls of the same value), so every byte string
// round-trips through JSON.
namespace jsontext {

nlohmann::ordered_json FromBytes(const std::string& bytes);

// The bytes of a JSON string; throws CCliError (usage) naming what when value is
// not a string or holds a character Windows-1252 cannot hold.
std::string ToBytes(const nlohmann::ordered_json& value, const std::string& what);

} // namespace jsontext
