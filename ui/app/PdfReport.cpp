#include "ui/app/PdfReport.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>

#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/Clock.h"
#include "model/framework/RegularFile.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/app/ProgramArguments.h"
#include "ui/common/PrintToFile.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailStore.h"
#include "ui/inventory/InsuranceReport.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/inventory/ReportPrinter.h"
#include "ui/inventory/SidingWardView.h"

namespace pdfreport {

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 2;
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

int Run(const CProgramArguments& request, const QString& dataDirectory,
        const CInventoryViewSettings& settings, const CClock& clock) {
    const QString yardPath = QDir(dataDirectory).filePath(QStringLiteral("Classyrd.mst"));
    for (const QString& input : {request.inventory, yardPath}) {
        if (framework::IsSameFile(QFile::encodeName(input).toStdString(),
                                  QFile::encodeName(request.pdfOutput).toStdString()))
            return Fail(QCoreApplication::translate(
                            "PdfReport", "%1 is the same file as %2; the report must go to another "
                                         "file.")
                            .arg(request.pdfOutput, input));
    }

    CSidingWardDoc document;
    const FileResult opened =
        document.OnOpenDocument(QFileInfo(request.inventory).absoluteFilePath().toStdString());
    if (!opened.Succeeded())
        return Fail(QString::fromStdString(opened.message));
    // The headings of the yard in use, as the inventory window shows them.
    CClassificationDoc yard(clock);
    if (!dataDirectory.isEmpty() && QFileInfo(yardPath).isFile() &&
        yard.OnOpenDocument(yardPath.toStdString()).Succeeded())
        document.SetClassificationYard(&yard);

    const inventoryreport::ColumnFlags columns =
        request.columns ? *request.columns : StoredColumns(document, settings);
    CReportPrinter report(document, columns, clock.Today());
    CInsuranceOptions insurance;
    insurance.owner = request.owner;
    insurance.groupBy = request.groupBy;
    insurance.pictures = !request.noPictures;
    const CThumbnailStore thumbnails = CThumbnailStore::ForCurrentUser();
    CInsuranceReport insuranceReport(document, insurance, clock.Today(), &thumbnails);
    const bool forInsurance = request.request == CProgramArguments::Request::InsurancePdf;

    const QFileInfo output(request.pdfOutput);
    if (!QFileInfo(output.absolutePath()).isDir() || !QFileInfo(output.absolutePath()).isWritable())
        return Fail(QCoreApplication::translate("PdfReport", "The report cannot be written to %1.")
                        .arg(request.pdfOutput));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(request.pdfOutput).absoluteFilePath());
    printer.setDocName(text::FromBytes(document.GetTitle()));
    printer.setPageSize(request.pageSize ? QPageSize(*request.pageSize)
                        : QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    const printtofile::Outcome printed = printtofile::Print(printer, [&](QPrinter& target) {
        return forInsurance ? insuranceReport.Print(target) : report.Print(target);
    });
    document.SetClassificationYard(nullptr);
    if (printed.painterFailed)
        return Fail(QCoreApplication::translate("PdfReport", "The report cannot be written to %1.")
                        .arg(request.pdfOutput));
    if (!printed.file.Succeeded())
        return Fail(QString::fromStdString(printed.file.message));
    return 0;
}

} // namespace pdfreport
