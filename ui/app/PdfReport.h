#pragma once

#include <QString>
#include <QStringList>

class CClock;
class CInventoryViewSettings;

// gaugewright --print-pdf OUT.pdf [--columns I,J,...] [--page-size A4|Letter] FILE:
// the inventory report of FILE written to OUT.pdf as the Print command prints it,
// with no window and without a running copy of the program.
namespace pdfreport {

inline constexpr const char* kSwitch = "--print-pdf";

// Whether the arguments (argv, before the application reads them) ask for it.
bool Requested(int argc, char** argv);

// Prints the report; returns the exit status: 0 done, 2 with the program's
// message on standard error. The columns default to those the tree view shows
// for the inventory (its stored settings, else all fourteen); the headings are
// those of Classyrd.mst in dataDirectory when it can be read; the page size
// defaults to the locale's.
int Run(const QStringList& arguments, const QString& dataDirectory,
        const CInventoryViewSettings& settings, const CClock& clock);

} // namespace pdfreport
