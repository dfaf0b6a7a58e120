#pragma once

struct CCliContext;

// The command-line tool's value history of items.
namespace clicommands {

// value FILE --item N --value AMOUNT [--date YYYY-MM-DD] [--note TEXT]
void Value(CCliContext& context);
// history FILE [--item N]
void History(CCliContext& context);

} // namespace clicommands
