#include "ui/app/PdfReport.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>

#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/Clock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Text.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/inventory/ReportPrinter.h"
#include "ui/inventory/SidingWardView.h"

namespace pdfreport {

namespace {

const char* const kUsage = "usage: gaugewright --print-pdf OUT.pdf [--columns I,J,...] "
                           "[--page-size A4|Letter] FILE";

struct Request {
    QString output;
    QString inventory;
    std::optional<inventoryreport::ColumnFlags> columns;
    std::optional<QPageSize> pageSize;
};

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 2;
}

std::optional<inventoryreport::ColumnFlags> ParseColumns(const QString& text) {
    inventoryreport::ColumnFlags columns{};
    for (const QString& part : text.split(u',')) {
        bool number = false;
        const int attribute = part.toInt(&number);
        if (!number || attribute < 0 || attribute >= kAttributeCount ||
            columns[static_cast<std::size_t>(attribute)])
            return std::nullopt;
        columns[static_cast<std::size_t>(attribute)] = true;
    }
    return columns;
}

// The request, or the message that refuses it.
std::optional<Request> Parse(const QStringList& arguments, QString& problem) {
    Request request;
    QStringList positionals;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments.at(k);
        const bool takesValue = argument == QLatin1String(kSwitch) || argument == u"--columns" ||
                                argument == u"--page-size" || argument == u"--data-dir";
        if (takesValue && k + 1 >= arguments.size()) {
            problem = argument + QStringLiteral(" needs a value.");
            return std::nullopt;
        }
        if (argument == QLatin1String(kSwitch)) {
            request.output = arguments.at(++k);
        } else if (argument == u"--columns") {
            request.columns = ParseColumns(arguments.at(++k));
            if (!request.columns) {
                problem = QStringLiteral("--columns takes attribute indexes 0 to 13, each once, "
                                         "separated by commas.");
                return std::nullopt;
            }
        } else if (argument == u"--page-size") {
            const QString size = arguments.at(++k).toLower();
            if (size == u"a4")
                request.pageSize = QPageSize(QPageSize::A4);
            else if (size == u"letter")
                request.pageSize = QPageSize(QPageSize::Letter);
            else {
                problem = QStringLiteral("--page-size is A4 or Letter.");
                return std::nullopt;
            }
        } else if (argument == u"--data-dir") {
            ++k; // read by the data directory
        } else {
            positionals << argument;
        }
    }
    if (positionals.size() != 1) {
        problem = QString::fromLatin1(kUsage);
        return std::nullopt;
    }
    request.inventory = positionals.constFirst();
    return request;
}

// The flags the tree view would use for the inventory.
inventoryreport::ColumnFlags StoredColumns(const CSidingWardDoc& document,
                                           const CInventoryViewSettings& settings) {
    inventoryreport::ColumnFlags columns{};
    columns.fill(true);
    const QString value = settings.ViewSettings(text::FromBytes(document.GetTitle()));
    CSidingWardView::DetailFlags flags{};
    int sortAttribute = 0;
    if (!value.isEmpty() && CSidingWardView::ParseViewSettings(value, flags, sortAttribute))
        columns = flags;
    return columns;
}

} // namespace

bool Requested(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], kSwitch) == 0)
            return true;
    }
    return false;
}

int Run(const QStringList& arguments, const QString& dataDirectory,
        const CInventoryViewSettings& settings, const CClock& clock) {
    QString problem;
    const std::optional<Request> request = Parse(arguments, problem);
    if (!request)
        return Fail(problem);

    CSidingWardDoc document;
    const FileResult opened =
        document.OnOpenDocument(QFileInfo(request->inventory).absoluteFilePath().toStdString());
    if (!opened.Succeeded())
        return Fail(QString::fromStdString(opened.message));
    // The headings of the yard in use, as the inventory window shows them.
    CClassificationDoc yard(clock);
    const QString yardPath = QDir(dataDirectory).filePath(QStringLiteral("Classyrd.mst"));
    if (!dataDirectory.isEmpty() && QFileInfo(yardPath).isFile() &&
        yard.OnOpenDocument(yardPath.toStdString()).Succeeded())
        document.SetClassificationYard(&yard);

    const inventoryreport::ColumnFlags columns =
        request->columns ? *request->columns : StoredColumns(document, settings);
    CReportPrinter report(document, columns, clock.Today());

    const QFileInfo output(request->output);
    if (!QFileInfo(output.absolutePath()).isDir() || !QFileInfo(output.absolutePath()).isWritable())
        return Fail(QStringLiteral("The report cannot be written to %1.").arg(request->output));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(request->output).absoluteFilePath());
    printer.setDocName(text::FromBytes(document.GetTitle()));
    printer.setPageSize(request->pageSize ? *request->pageSize
                        : QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    if (!report.Print(printer))
        return Fail(QStringLiteral("The report cannot be written to %1.").arg(request->output));
    document.SetClassificationYard(nullptr);
    return 0;
}

} // namespace pdfreport
