#pragma once

#include <functional>

#include "model/framework/FileResult.h"

class QPrinter;

// Printing that may end in a PDF file: the print dialog's print-to-file and
// gaugewright --print-pdf draw their pages through here.
namespace printtofile {

// How a printing ended.
struct Outcome {
    // True when no painter could start on the printer: nothing was printed.
    bool painterFailed = false;
    // A PDF file that could not be put in place, with the reason.
    FileResult file;

    bool Succeeded() const { return !painterFailed && file.Succeeded(); }
};

// Draws the pages with draw on printer. When the printer writes a PDF file, the
// pages go to a new file beside it, which replaces that file only once it is
// complete and on the disk; a failed or interrupted printing leaves the old file
// as it was. A file that a save would refuse (a named pipe, a device, a file the
// user may not write) is refused the same way, before anything is drawn. The pages
// of a print preview are drawn as they are.
Outcome Print(QPrinter& printer, const std::function<bool(QPrinter&)>& draw);

} // namespace printtofile
