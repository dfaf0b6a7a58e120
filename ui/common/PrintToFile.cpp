#include "ui/common/PrintToFile.h"

#include <QByteArray>
#include <QFile>
#include <QPaintEngine>
#include <QPrinter>

#include "model/framework/SafeFile.h"

namespace printtofile {

namespace {

// A PDF ends with "startxref", the offset of its cross-reference table and
// "%%EOF". A write that failed on the way (a full disk) leaves either no such
// end or an offset that does not lead to the table.
bool IsCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32)
        return false;
    const qint64 tail = qMin<qint64>(file.size(), 1024);
    if (!file.seek(file.size() - tail))
        return false;
    const QByteArray end = file.read(tail).trimmed();
    const qsizetype startxref = end.lastIndexOf("startxref");
    if (!end.endsWith("%%EOF") || startxref < 0)
        return false;
    bool number = false;
    const qint64 table =
        end.mid(startxref + 9, end.size() - startxref - 9 - 5).trimmed().toLongLong(&number);
    if (!number || table <= 0 || table >= file.size() || !file.seek(table))
        return false;
    return file.read(4) == "xref";
}

} // namespace

Outcome Print(QPrinter& printer, const std::function<bool(QPrinter&)>& draw) {
    const QString target = printer.outputFileName();
    // A print preview records the pages in a picture; only printing writes the file.
    const QPaintEngine* engine = printer.paintEngine();
    const bool previewing = engine && engine->type() == QPaintEngine::Picture;
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty() || previewing)
        return {!draw(printer), FileResult::Success()};

    const std::string path = QFile::encodeName(target).toStdString();
    safefile::Replacement replacement;
    if (FileResult begun = safefile::BeginReplacement(path, replacement); !begun.Succeeded())
        return {false, std::move(begun)};
    const QString temporary = QFile::decodeName(replacement.temporary.c_str());
    printer.setOutputFileName(temporary);
    const bool drawn = draw(printer);
    printer.setOutputFileName(target);
    if (!drawn) {
        safefile::DiscardReplacement(replacement);
        return {true, FileResult::Success()};
    }
    if (!IsCompletePdf(temporary)) {
        safefile::DiscardReplacement(replacement);
        return {false, FileResult::Failure(path + " could not be written in full; the file was "
                                                  "left as it was.")};
    }
    return {false, safefile::CommitReplacement(path, replacement)};
}

} // namespace printtofile
