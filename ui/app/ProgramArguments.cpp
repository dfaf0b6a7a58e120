#include "ui/app/ProgramArguments.h"

#include <string>

namespace {

// Qt's own options, read by QApplication; the first take a value unless it is
// joined with "=".
const QStringList kQtValueOptions = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("title"),           QStringLiteral("name"),
    QStringLiteral("qmljsdebugger")};
const QStringList kQtFlagOptions = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                    QStringLiteral("nograb"), QStringLiteral("dograb"),
                                    QStringLiteral("sync")};
// The switches the file manager of the other platform's shell may pass; the
// program starts as without them.
const QStringList kShellSwitches = {QStringLiteral("p"),           QStringLiteral("pt"),
                                    QStringLiteral("dde"),         QStringLiteral("automation"),
                                    QStringLiteral("embedding"),   QStringLiteral("regserver"),
                                    QStringLiteral("unregserver"), QStringLiteral("unregister")};

// The option's name without its dashes (or the shell's slash) and any "=value".
QString NameOf(const QString& argument) {
    QString name = argument;
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name.section(u'=', 0, 0).toLower();
}

CProgramArguments Mistake(const QString& problem) {
    CProgramArguments result;
    result.request = CProgramArguments::Request::Mistake;
    result.problem = problem;
    return result;
}

} // namespace

QString CProgramArguments::Usage() {
    return QStringLiteral(
        "usage: gaugewright [--data-dir DIR] [--lang CODE] [FILE.inv]\n"
        "       gaugewright --print-pdf OUT.pdf [--columns I,J,...] [--page-size A4|Letter]\n"
        "                   [--data-dir DIR] FILE.inv\n"
        "       gaugewright --insurance-pdf OUT.pdf [--owner TEXT] [--group-by N] [--no-pictures]\n"
        "                   [--page-size A4|Letter] [--data-dir DIR] FILE.inv\n"
        "       gaugewright --help | --version\n"
        "\n"
        "  --data-dir DIR      read Classyrd.mst, the tips and the sounds from DIR\n"
        "  --lang CODE         speak the language CODE (de, fr or en) instead of the one\n"
        "                      LANGUAGE, LC_ALL, LC_MESSAGES or LANG name\n"
        "  --print-pdf OUT.pdf write the inventory report of FILE.inv to OUT.pdf, without a\n"
        "                      window; --columns takes attribute indexes 0 to 13\n"
        "  --insurance-pdf OUT.pdf\n"
        "                      write the insurance report of FILE.inv (cover, totals per\n"
        "                      group, every item with its picture) to OUT.pdf; --group-by\n"
        "                      takes an attribute index 0 to 13 (default 0)\n"
        "Exit status of --print-pdf and --insurance-pdf: 0 done, 2 the report could not be\n"
        "written, 64 usage error.\n");
}

CProgramArguments CProgramArguments::Parse(const QStringList& arguments) {
    CProgramArguments result;
    QStringList positionals;
    bool printPdf = false;
    bool insurancePdf = false;
    bool owner = false;
    bool groupBy = false;
    bool dataDir = false;
    bool language = false;
    bool shellSwitch = false;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments.at(k);
        if (argument == u"--help" || argument == u"-h") {
            CProgramArguments help;
            help.request = Request::Help;
            return help;
        }
        if (argument == u"--version") {
            CProgramArguments version;
            version.request = Request::Version;
            return version;
        }
        if (argument == u"--no-pictures") {
            if (result.noPictures)
                return Mistake(argument + QStringLiteral(" is given twice."));
            result.noPictures = true;
            continue;
        }
        const bool ours = argument == u"--print-pdf" || argument == u"--columns" ||
                          argument == u"--page-size" || argument == u"--data-dir" ||
                          argument == u"--insurance-pdf" || argument == u"--owner" ||
                          argument == u"--group-by" || argument == u"--lang";
        if (ours) {
            if (k + 1 >= arguments.size())
                return Mistake(argument + QStringLiteral(" needs a value."));
            const QString& value = arguments.at(++k);
            bool repeated = false;
            if (argument == u"--print-pdf") {
                repeated = printPdf;
                printPdf = true;
                result.pdfOutput = value;
            } else if (argument == u"--insurance-pdf") {
                repeated = insurancePdf;
                insurancePdf = true;
                result.pdfOutput = value;
            } else if (argument == u"--owner") {
                repeated = owner;
                owner = true;
                result.owner = value;
            } else if (argument == u"--group-by") {
                repeated = groupBy;
                groupBy = true;
                bool number = false;
                result.groupBy = value.toInt(&number);
                if (!repeated && (!number || value.startsWith(u'+') || value.startsWith(u' ') ||
                                  result.groupBy < 0 || result.groupBy >= kAttributeCount))
                    return Mistake(QStringLiteral("--group-by takes a number from 0 to 13."));
            } else if (argument == u"--columns") {
                repeated = result.columns.has_value();
                std::string problem;
                result.columns = inventoryreport::ParseColumns(value.toStdString(), problem);
                if (!result.columns && !repeated)
                    return Mistake(QStringLiteral("--columns: ") + QString::fromStdString(problem));
            } else if (argument == u"--page-size") {
                repeated = result.pageSize.has_value();
                if (value.compare(u"a4", Qt::CaseInsensitive) == 0)
                    result.pageSize = QPageSize::A4;
                else if (value.compare(u"letter", Qt::CaseInsensitive) == 0)
                    result.pageSize = QPageSize::Letter;
                else if (!repeated)
                    return Mistake(QStringLiteral("--page-size is A4 or Letter."));
            } else if (argument == u"--lang") {
                repeated = language;
                language = true;
                result.language = value;
            } else {
                repeated = dataDir;
                dataDir = true;
            }
            if (repeated)
                return Mistake(argument + QStringLiteral(" is given twice."));
            continue;
        }
        if (argument.startsWith(u"--lang=")) {
            if (language)
                return Mistake(QStringLiteral("--lang is given twice."));
            language = true;
            result.language = argument.section(u'=', 1);
            continue;
        }
        if (argument.startsWith(u"--data-dir=")) {
            if (dataDir)
                return Mistake(QStringLiteral("--data-dir is given twice."));
            dataDir = true;
            continue;
        }
        const QString name = NameOf(argument);
        if (argument.startsWith(u'-') && argument.size() > 1) {
            if (kQtValueOptions.contains(name)) {
                if (!argument.contains(u'=') && k + 1 < arguments.size())
                    ++k;
                continue;
            }
            if (kQtFlagOptions.contains(name))
                continue;
            if (!kShellSwitches.contains(name))
                return Mistake(QStringLiteral("unknown option ") + argument);
            shellSwitch = true;
            continue;
        }
        if (argument.startsWith(u'/') && kShellSwitches.contains(argument.mid(1).toLower())) {
            shellSwitch = true;
            continue;
        }
        positionals << argument;
    }
    if (printPdf && insurancePdf)
        return Mistake(QStringLiteral("--print-pdf and --insurance-pdf are given together."));
    if (!insurancePdf && (owner || groupBy || result.noPictures))
        return Mistake(QStringLiteral("--owner, --group-by and --no-pictures go with "
                                      "--insurance-pdf."));
    if (insurancePdf && result.columns)
        return Mistake(QStringLiteral("--columns goes with --print-pdf."));
    if (!printPdf && !insurancePdf) {
        if (result.columns || result.pageSize)
            return Mistake(QStringLiteral("--columns and --page-size go with --print-pdf."));
        return result;
    }
    const QString verb =
        printPdf ? QStringLiteral("--print-pdf") : QStringLiteral("--insurance-pdf");
    if (positionals.size() != 1 || shellSwitch)
        return Mistake(verb + QStringLiteral(" prints one inventory file."));
    result.request = printPdf ? Request::PrintPdf : Request::InsurancePdf;
    result.inventory = positionals.constFirst();
    return result;
}
