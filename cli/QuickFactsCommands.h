#pragma once

struct CCliContext;

// The command-line tool's valuation facts and breakdown reports.
namespace clicommands {

// facts FILE [--item N]: the Quick Facts answers of the inventory or of one item.
void Facts(CCliContext& context);
// breakdown FILE --kind expenditures|asset|count --by year|N [--yard CATALOGUE]
void Breakdown(CCliContext& context);

} // namespace clicommands
