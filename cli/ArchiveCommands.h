#pragma once

struct CCliContext;

// The command-line tool's archives (.gwz): an inventory with its pictures and
// catalogue in one file.
namespace clicommands {

// archive FILE OUT [--yard CATALOGUE]: writes the archive and prints the pictures
// it had to leave out.
void Archive(CCliContext& context);
// unarchive ARCHIVE DIR: unpacks into a new or empty folder and prints where the
// inventory and the catalogue are.
void Unarchive(CCliContext& context);

} // namespace clicommands
