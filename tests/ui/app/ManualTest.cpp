// The manual against the program: every menu entry and dialog title is explained,
// every picture and page it names exists, every page is reachable from the
// contents, F1's pages exist, and its troubleshooting page quotes the program's own
// messages.
#include <algorithm>
#include <cerrno>
#include <functional>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

#include "model/framework/FileMessages.h"
#include "ui/app/MainFrame.h"
#include "ui/app/ProgramCommands.h"
#include "ui/app/SidingWardApp.h"
#include "ui/common/CommandIds.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/yard/ClassificationView.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(GAUGEWRIGHT_SOURCE_DIR);
const QChar kVar = u'\x01'; // stands for a part the program fills in

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString Simplified(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// A message with its filled-in parts as kVar, spaced alike however it was written.
QString MessageForm(const QString& message) {
    return message.simplified()
        .replace(u' ' + kVar, QString(kVar))
        .replace(kVar + u' ', QString(kVar));
}

// The manual as its pages' HTML and their words.
struct Manual {
    QString folder;
    QMap<QString, QString> pages; // file name -> HTML
    QString words;                // all pages' text, whitespace simplified

    explicit Manual(const QString& dir) : folder(dir) {
        for (const QString& name : QDir(dir).entryList({u"*.html"_s}, QDir::Files)) {
            pages[name] = ReadText(QDir(dir).filePath(name));
            words += Simplified(pages[name]) + u'\n';
        }
    }
};

QStringList Matches(const QString& text, const QString& pattern) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

// A menu text as the manual names it: no mnemonic, no key, no trailing dots.
QString MenuWords(QString text) {
    text = text.section(u'\t', 0, 0);
    text.replace(u"&&"_s, u"\x02"_s).remove(u'&').replace(u'\x02', u'&');
    while (text.endsWith(u'.'))
        text.chop(1);
    return text.simplified();
}

void CollectMenuTexts(const CMenuItem& item, const QMap<int, QString>& texts, QStringList& into) {
    if (item.kind == CMenuItem::Kind::Popup) {
        into << MenuWords(item.title);
        for (const CMenuItem& child : item.items)
            CollectMenuTexts(child, texts, into);
    } else if (item.kind == CMenuItem::Kind::Command && texts.contains(item.id)) {
        into << MenuWords(texts[item.id]);
    }
}

QStringList MenuTexts() {
    QMap<int, QString> texts;
    for (const CCommandInfo& command : ProgramCommands())
        texts[command.id] = command.popupText.isEmpty() ? command.text : command.popupText;
    // The recent files' entries show file names.
    for (int mru = CommandId::FileMru1; mru < CommandId::FileMru1 + 16; ++mru)
        texts.remove(mru);
    QStringList entries;
    for (const CMenuLayout& layout :
         {CMainFrame::DefaultMenuLayout(), CSidingWardApp::YardMenuLayout(),
          CSidingWardApp::InventoryMenuLayout()})
        for (const CMenuItem& popup : layout)
            CollectMenuTexts(popup, texts, entries);
    for (const CMenuItem& context :
         {CSidingWardView::ContextMenuLayout(), CClassificationView::ContextMenuLayout()})
        for (const CMenuItem& item : context.items)
            CollectMenuTexts(item, texts, entries);
    entries.removeDuplicates();
    entries.removeAll(QString());
    return entries;
}

QStringList SourceFiles(const QStringList& folders) {
    QStringList files;
    for (const QString& folder : folders) {
        QDirIterator it(kSourceDir + u'/' + folder, {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    return files;
}

// The titles the program's windows give themselves in so many words.
QMap<QString, QString> DialogTitles() { // title -> source file
    // A title is a literal as it is or one marked for translation, up to its first
    // filled-in part.
    const QString literal =
        u"(?:QStringLiteral\\(|tr\\(|QCoreApplication::translate\\(\\s*\"[^\"]*\",\\s*|u)\"([^\"]+)\""_s;
    QMap<QString, QString> titles;
    for (const QString& file : SourceFiles({u"ui"_s})) {
        const QString source = ReadText(file);
        for (const QString& title : Matches(source, u"setWindowTitle\\(\\s*"_s + literal))
            titles[title.left(title.indexOf(u'%')).trimmed()] = file;
        for (const QString& title : Matches(source, u"kTitle\\s*=\\s*"_s + literal))
            titles[title.left(title.indexOf(u'%')).trimmed()] = file;
    }
    return titles;
}

// The program's string literals, adjacent ones joined, escapes read, each cut at
// its %1-style markers.
QStringList ProgramTextPieces() {
    static const QRegularExpression literalRun(
        u"(?:(?:u8|u|U|L)?\"(?:[^\"\\\\\\n]|\\\\.)*\"(?:_s|_L1)?\\s*)+"_s);
    static const QRegularExpression oneLiteral(u"\"((?:[^\"\\\\\\n]|\\\\.)*)\""_s);
    static const QRegularExpression marker(u"%[1-9]"_s);
    QStringList pieces;
    for (const QString& file : SourceFiles({u"model"_s, u"ui"_s, u"cli"_s})) {
        for (const auto& run : literalRun.globalMatch(ReadText(file))) {
            QString joined;
            for (const auto& literal : oneLiteral.globalMatch(run.captured(0)))
                joined += literal.captured(1);
            joined.replace(u"\\n"_s, u" "_s)
                .replace(u"\\\""_s, u"\""_s)
                .replace(u"\\\\"_s, u"\\"_s);
            for (const QString& piece : joined.split(marker))
                pieces << piece.simplified();
        }
    }
    return pieces;
}

// The messages the troubleshooting page quotes, the filled-in parts as kVar.
QStringList QuotedMessages(const Manual& manual) {
    static const QRegularExpression quoted(u"<p class=\"message\">(.*?)</p>"_s,
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression var(u"<var>.*?</var>"_s);
    QStringList messages;
    const QString page = manual.pages.value(u"troubleshooting.html"_s);
    for (const auto& match : quoted.globalMatch(page)) {
        QStringList parts = match.captured(1).replace(var, QString(kVar)).split(kVar);
        for (QString& part : parts)
            part = Simplified(part);
        messages << MessageForm(parts.join(kVar));
    }
    return messages;
}

// Each check lists what it finds wrong.
using Check = std::function<QStringList(const Manual&)>;

QStringList MissingMenuEntries(const Manual& manual) {
    QStringList missing;
    for (const QString& entry : MenuTexts())
        if (!manual.words.contains(entry))
            missing << u"menu entry \"%1\""_s.arg(entry);
    return missing;
}

QStringList MissingDialogTitles(const Manual& manual) {
    QStringList missing;
    const QMap<QString, QString> titles = DialogTitles();
    for (auto it = titles.begin(); it != titles.end(); ++it) {
        if (!manual.words.contains(it.key()))
            missing << u"dialog title \"%1\""_s.arg(it.key());
        if (!ReadText(it.value()).contains(u"SetHelpPage("_s))
            missing << u"%1 names no page for F1"_s.arg(it.value());
    }
    return missing;
}

bool PageHasId(const Manual& manual, const QString& page, const QString& id) {
    return id.isEmpty() || manual.pages.value(page).contains(QRegularExpression(
                               u"\\bid=\"%1\""_s.arg(QRegularExpression::escape(id))));
}

QStringList MissingHelpPages(const Manual& manual) {
    QStringList missing;
    for (const QString& file : SourceFiles({u"ui"_s}))
        for (const QString& target :
             Matches(ReadText(file),
                     u"SetHelpPage\\([^,]+,\\s*QStringLiteral\\(\"([^\"]+)\"\\)\\)"_s)) {
            const QString page = target.section(u'#', 0, 0);
            if (!manual.pages.contains(page) || !PageHasId(manual, page, target.section(u'#', 1)))
                missing << u"F1's page %1 (%2)"_s.arg(target, QFileInfo(file).fileName());
        }
    return missing;
}

QStringList MissingPictures(const Manual& manual) {
    QStringList missing;
    for (auto it = manual.pages.begin(); it != manual.pages.end(); ++it)
        for (const QString& source : Matches(it.value(), u"<img[^>]*\\bsrc=\"([^\"]+)\""_s))
            if (!QFileInfo::exists(QDir(manual.folder).filePath(source)))
                missing << u"picture %1 (%2)"_s.arg(source, it.key());
    return missing;
}

// Pages no chain of links from the contents reaches, and links that lead nowhere.
QStringList UnreachablePagesAndDeadLinks(const Manual& manual) {
    QStringList problems;
    QSet<QString> reached{u"index.html"_s};
    QStringList queue{u"index.html"_s};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString& link : Matches(manual.pages.value(page), u"href=\"([^\"]+)\""_s)) {
            if (link.contains(u':'))
                continue; // another site, mail
            const QString target = link.startsWith(u'#') ? page : link.section(u'#', 0, 0);
            if (target.endsWith(u".css"_s))
                continue;
            if (!manual.pages.contains(target) ||
                !PageHasId(manual, target, link.section(u'#', 1))) {
                problems << u"dead link %1 on %2"_s.arg(link, page);
                continue;
            }
            if (!reached.contains(target)) {
                reached.insert(target);
                queue << target;
            }
        }
    }
    for (auto it = manual.pages.begin(); it != manual.pages.end(); ++it)
        if (!reached.contains(it.key()))
            problems << u"page %1 is not reachable from the contents"_s.arg(it.key());
    return problems;
}

QStringList MessagesTheProgramCannotShow(const Manual& manual) {
    static const QStringList pieces = ProgramTextPieces();
    QStringList unknown;
    for (const QString& message : QuotedMessages(manual))
        for (const QString& part : message.split(kVar, Qt::SkipEmptyParts))
            if (std::none_of(pieces.begin(), pieces.end(), [&part](const QString& piece) {
                    return piece.contains(part.trimmed());
                }))
                unknown << u"message part \"%1\""_s.arg(part.trimmed());
    return unknown;
}

// The standard texts of file reading and saving, each on the troubleshooting page.
QStringList FileMessagesNotExplained(const Manual& manual) {
    const std::string var(1, '\x01');
    std::vector<std::string> texts = {filemessages::kUnexpectedFormat, filemessages::kNotOurFile,
                                      filemessages::kFailedToOpen, filemessages::kFailedToSave,
                                      filemessages::NotRegularFileText(var)};
    for (int error : {ENOENT, EACCES, ENOTDIR, EMFILE, ENOSPC, EIO, EBUSY, 0})
        texts.push_back(filemessages::FileErrorText(error, var));
    const QStringList quoted = QuotedMessages(manual);
    QStringList missing;
    for (const std::string& text : texts)
        if (!quoted.contains(MessageForm(QString::fromStdString(text))))
            missing << u"file message \"%1\""_s.arg(
                QString::fromStdString(text).replace(kVar, u"<var>"_s));
    return missing;
}

QString ManualFolder() {
    return kSourceDir + u"/docs/manual"_s;
}

// A copy of the manual to spoil.
struct ManualCopy {
    QTemporaryDir dir;
    ManualCopy() {
        QDirIterator it(ManualFolder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = dir.filePath(QDir(ManualFolder()).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
    // Replaces from by to on page; with from empty, writes a new page of to.
    void Edit(const QString& page, const QString& from, const QString& to) {
        QString html = from.isEmpty() ? to : ReadText(dir.filePath(page));
        if (!from.isEmpty()) {
            QVERIFY2(html.contains(from), qPrintable(from));
            html.replace(from, to);
        }
        QFile file(dir.filePath(page));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(html.toUtf8());
    }
};

} // namespace

Q_DECLARE_METATYPE(Check)

class ManualTest : public QObject {
    Q_OBJECT

private slots:
    void theManualCoversTheProgram_data() {
        QTest::addColumn<Check>("check");
        QTest::newRow("menu entries") << Check(MissingMenuEntries);
        QTest::newRow("dialog titles and F1") << Check(MissingDialogTitles);
        QTest::newRow("F1's pages") << Check(MissingHelpPages);
        QTest::newRow("pictures") << Check(MissingPictures);
        QTest::newRow("pages and links") << Check(UnreachablePagesAndDeadLinks);
        QTest::newRow("quoted messages") << Check(MessagesTheProgramCannotShow);
        QTest::newRow("file messages") << Check(FileMessagesNotExplained);
    }

    void theManualCoversTheProgram() {
        QFETCH(Check, check);
        const QStringList problems = check(Manual(ManualFolder()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // Each check finds the fault it is for in a spoiled copy of the manual.
    void eachCheckCatchesItsFault_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Check>("check");
        QTest::newRow("a picture named wrongly")
            << u"yard.html"_s << u"src=\"pictures/"_s << u"src=\"pictures/no-"_s
            << Check(MissingPictures);
        QTest::newRow("a page no link reaches")
            << u"orphan.html"_s << QString() << u"<html><body><h1>Orphan</h1></body></html>"_s
            << Check(UnreachablePagesAndDeadLinks);
        QTest::newRow("a link to a page not there")
            << u"index.html"_s << u"href=\"yard-wizard.html\""_s << u"href=\"yard-wizzard.html\""_s
            << Check(UnreachablePagesAndDeadLinks);
        QTest::newRow("a section F1 needs") << u"import.html"_s << u"id=\"preview\""_s
                                            << u"id=\"prevue\""_s << Check(MissingHelpPages);
        QTest::newRow("a message the program never shows")
            << u"troubleshooting.html"_s << u"<p class=\"message\">"_s
            << u"<p class=\"message\">The locomotive ran away with <var>file</var>.</p>"
               "<p class=\"message\">"_s
            << Check(MessagesTheProgramCannotShow);
        QTest::newRow("a file message left out")
            << u"troubleshooting.html"_s << u"was denied."_s << u"was refused."_s
            << Check(FileMessagesNotExplained);
    }

    void eachCheckCatchesItsFault() {
        QFETCH(QString, page);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Check, check);
        ManualCopy copy;
        copy.Edit(page, from, to);
        QVERIFY(!check(Manual(copy.dir.path())).isEmpty());
    }

    // A menu entry or a dialog title that no page names is found.
    void anUnexplainedEntryOrTitleIsFound_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<Check>("check");
        QTest::newRow("menu entry") << u"Send Item to Inventory"_s << Check(MissingMenuEntries);
        QTest::newRow("dialog title") << u"Import Preview"_s << Check(MissingDialogTitles);
    }

    void anUnexplainedEntryOrTitleIsFound() {
        QFETCH(QString, words);
        QFETCH(Check, check);
        Manual manual(ManualFolder());
        manual.words.replace(words, QString());
        QVERIFY(check(manual).join(u'\n').contains(words));
    }
};

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
