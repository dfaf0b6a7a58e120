#pragma once

struct CCliContext;

// The command-line tool's delimited text export and import.
namespace clicommands {

// export FILE OUT [--delimiter TEXT] [--names] [--yard CATALOGUE]
void ExportText(CCliContext& context);
// import FILE IN --fields I,J,... [--delimiter TEXT] [--names]
void ImportText(CCliContext& context);

} // namespace clicommands
