#pragma once

struct CCliContext;

// The command-line tool's delimited text export and import, and the printed
// report's text.
namespace clicommands {

// export FILE OUT [--delimiter TEXT] [--names] [--yard CATALOGUE]
void ExportText(CCliContext& context);
// import FILE IN --fields I,J,... [--delimiter TEXT] [--names]
void ImportText(CCliContext& context);
// report FILE [--columns I,J,...]: the title line of page 1, the heading line and
// the item lines of the printed report, as JSON.
void ReportText(CCliContext& context);

} // namespace clicommands
