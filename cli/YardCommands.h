#pragma once

struct CCliContext;

// The command-line tool's commands on the Classification Yard catalogue.
namespace clicommands {

// yard-dump FILE: the catalogue as JSON, after the year list extension.
void YardDump(CCliContext& context);
// yard-create OUT: saves the JSON catalogue of standard input.
void YardCreate(CCliContext& context);
// mfile-dump FILE: the manufacturers and products of an ExtMFile.mst file as JSON,
// with the texts of the incomplete records that were skipped.
void ManufacturerFileDump(CCliContext& context);

} // namespace clicommands
