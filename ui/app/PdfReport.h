#pragma once

#include <QString>

class CClock;
class CInventoryViewSettings;
struct CProgramArguments;

// gaugewright --print-pdf OUT.pdf [--columns I,J,...] [--page-size A4|Letter] FILE:
// the inventory report of FILE written to OUT.pdf as the Print command prints it,
// with no window and without a running copy of the program; and
// gaugewright --insurance-pdf OUT.pdf [--owner TEXT] [--group-by N] [--no-pictures] FILE:
// the insurance report of FILE.
namespace pdfreport {

// Prints the report that request (a PrintPdf or InsurancePdf request) asks for; returns the exit
// status: 0 done, 2 with the program's message on standard error. The columns
// default to those the tree view shows for the inventory (its stored settings,
// else all fourteen); the headings are those of Classyrd.mst in dataDirectory
// when it can be read; the page size defaults to the locale's. The PDF replaces
// an existing file only once it is complete; it is refused where a save would
// refuse its file, and when it is the inventory or the catalogue being read.
int Run(const CProgramArguments& request, const QString& dataDirectory,
        const CInventoryViewSettings& settings, const CClock& clock);

} // namespace pdfreport
