#pragma once

struct CCliContext;

// The command-line tool's commands on inventory files.
namespace clicommands {

// inv-dump FILE: the file's signature, version, items and search history as JSON.
void InventoryDump(CCliContext& context);
// inv-create OUT: saves the JSON inventory of standard input as a new file.
void InventoryCreate(CCliContext& context);
// inv-sort FILE --by N: sorts by attribute index N and saves.
void InventorySort(CCliContext& context);
// check FILE --yard CATALOGUE: the integrity check of every item against the catalogue.
void InventoryCheck(CCliContext& context);

} // namespace clicommands
