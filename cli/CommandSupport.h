#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "model/framework/FileResult.h"

struct CCliContext;
class CClassificationDoc;
class CClock;
class CSidingWardDoc;

// Small helpers the commands share.
namespace clisupport {

// The command's arguments must be exactly count positional ones; else a usage error.
void RequireArguments(const CCliContext& context, std::size_t count, const char* synopsis);

// A load or save that did not fully succeed ends the command with the program's
// message and status 2. A foreign file counts as failed: nothing is done with it.
void RequireSuccess(const FileResult& result);

// Ends the command (status 2) when output names the file input names, under
// whatever name: writing it would replace what the command reads.
void RequireDifferentFiles(const std::string& input, const std::string& output);

// The JSON document on standard input; malformed JSON is a usage error.
nlohmann::ordered_json ReadJsonInput(const CCliContext& context);

void WriteJsonOutput(const CCliContext& context, const nlohmann::ordered_json& json);

// Value of key when present, else a default-constructed JSON (null).
const nlohmann::ordered_json* Find(const nlohmann::ordered_json& object, const char* key);

// Opens the inventory at path into document; any problem ends the command (status 2).
void OpenInventory(CSidingWardDoc& document, const std::string& path);

// Opens the catalogue at path (with the year list extension of the clock's year);
// any problem ends the command (status 2).
std::unique_ptr<CClassificationDoc> OpenYard(const std::string& path, const CClock& clock);

} // namespace clisupport
