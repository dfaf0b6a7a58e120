#pragma once

#include <optional>

#include <QPageSize>
#include <QString>
#include <QStringList>

#include "model/core/InventoryReport.h"

// The program's command line, read before the application object exists, so that
// a request for help or a mistyped option is answered without a display and
// without touching the user's files.
struct CProgramArguments {
    enum class Request {
        Run,          // start the program (perhaps with a file to open)
        Help,         // --help: print the usage
        Version,      // --version
        PrintPdf,     // --print-pdf OUT.pdf ... FILE
        InsurancePdf, // --insurance-pdf OUT.pdf ... FILE
        Mistake,      // a usage error; problem says what is wrong
    };

    Request request = Request::Run;
    QString problem;
    // --print-pdf: the PDF to write, the inventory, the columns and page size given.
    QString pdfOutput;
    QString inventory;
    std::optional<inventoryreport::ColumnFlags> columns;
    std::optional<QPageSize::PageSizeId> pageSize;
    // --insurance-pdf: the owner, the attribute to group by and whether the
    // pictures are left out.
    QString owner;
    int groupBy = 0;
    bool noPictures = false;
    // --lang: the language asked for (e.g. "de"); empty when the environment decides.
    QString language;

    // arguments as the program got them, its own name first. Qt's own options
    // (-platform and the like) and the shell's switches (/p, /dde...) are let
    // through for the application to read.
    static CProgramArguments Parse(const QStringList& arguments);

    // The text --help prints, ending in a line break.
    static QString Usage();
};
