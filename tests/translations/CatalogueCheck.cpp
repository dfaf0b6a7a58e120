// Checks a language's catalogue: every text translated and none left over from
// texts the program no longer has; each translation keeps its source's %1 markers,
// mnemonic, line breaks and key text; and with the catalogue installed, no two
// entries of one menu share a mnemonic letter.
//
// usage: gaugewright_catalogue_check CATALOGUE.ts CATALOGUE.qm
// Prints one line per problem; the exit status is 1 when there was any.
#include <cstdio>
#include <map>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include "ui/app/MainFrame.h"
#include "ui/app/ProgramCommands.h"
#include "ui/app/SidingWardApp.h"
#include "ui/common/CommandIds.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/yard/ClassificationView.h"

using namespace Qt::StringLiterals;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

QList<Message> ReadCatalogue(const QString& path, QStringList& problems) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << u"cannot be read"_s;
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = {context, {}, {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            message.type = xml.attributes().value(u"type"_s).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    if (xml.hasError())
        problems << u"is not a catalogue: "_s + xml.errorString();
    return messages;
}

QStringList Markers(const QString& text) {
    static const QRegularExpression marker(u"%[1-9]"_s);
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// The letters after a single "&" ("&&" is an ampersand shown as such).
QString Mnemonics(const QString& text) {
    QString letters;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] != u'&')
            continue;
        if (k + 1 < text.size() && text[k + 1] == u'&')
            ++k;
        else
            letters += k + 1 < text.size() ? text[k + 1].toCaseFolded() : u' ';
    }
    return letters;
}

QString Quoted(const Message& message) {
    return message.context + u" \""_s + QString(message.source).replace(u'\n', u"\\n"_s) + u'"';
}

void CheckMessage(const Message& message, QStringList& problems) {
    const QString where = Quoted(message) + u": "_s;
    if (message.type == u"unfinished") {
        problems << where + u"unfinished"_s;
        return;
    }
    if (message.type == u"obsolete" || message.type == u"vanished") {
        problems << where + u"obsolete, the program no longer has it"_s;
        return;
    }
    const QString& source = message.source;
    const QString& translation = message.translation;
    if (Markers(source) != Markers(translation))
        problems << where + u"markers %1 where the source has %2"_s.arg(
                                Markers(translation).join(u' '), Markers(source).join(u' '));
    const qsizetype wanted = Mnemonics(source).isEmpty() ? 0 : 1;
    if (Mnemonics(translation).size() != wanted)
        problems << where + u"%1 mnemonic \"&\" where the source has %2"_s
                                .arg(Mnemonics(translation).size())
                                .arg(wanted);
    if (source.count(u'\n') != translation.count(u'\n'))
        problems << where +
                        u"%1 line breaks where the source has %2"_s.arg(translation.count(u'\n'))
                            .arg(source.count(u'\n'));
    const auto keys = [](const QString& text) {
        return text.contains(u'\t') ? text.section(u'\t', 1) : u"(none)"_s;
    };
    if (keys(source) != keys(translation))
        problems << where + u"key text \"%1\" where the source has \"%2\""_s.arg(keys(translation),
                                                                                 keys(source));
}

// Translated here as well as where the tables are built: translating a text
// already translated finds nothing and leaves it.
QString Translated(const char* context, const QString& text) {
    return QCoreApplication::translate(context, text.toUtf8().constData());
}

// The menus' texts as the tables give them, with the translators installed now.
struct Menus {
    std::vector<CMenuItem> bars; // one popup per menu bar, and per context menu
    std::map<int, QString> menuTexts;
    std::map<int, QString> popupTexts;

    Menus() {
        for (const CCommandInfo& command : ProgramCommands()) {
            // The recent files' entries show file names.
            if (command.id >= CommandId::FileMru1 && command.id < CommandId::FileMru1 + 16)
                continue;
            const QString text = Translated("Commands", command.text);
            menuTexts[command.id] = text;
            popupTexts[command.id] = command.popupText.isEmpty()
                                         ? text.section(u'\t', 0, 0)
                                         : Translated("Commands", command.popupText);
        }
        for (const CMenuLayout& layout :
             {CMainFrame::DefaultMenuLayout(), CSidingWardApp::YardMenuLayout(),
              CSidingWardApp::InventoryMenuLayout()})
            bars.push_back(CMenuItem::Popup(u"(menu bar)"_s, layout));
        for (CMenuItem context :
             {CSidingWardView::ContextMenuLayout(), CClassificationView::ContextMenuLayout()}) {
            context.title = u"(context menu)"_s;
            bars.push_back(std::move(context));
        }
    }

    QString Text(const CMenuItem& item, bool context) const {
        if (item.kind == CMenuItem::Kind::Popup)
            return Translated("Menus", item.title);
        const auto& texts = context ? popupTexts : menuTexts;
        const auto found = texts.find(item.id);
        return item.kind == CMenuItem::Kind::Command && found != texts.end() ? found->second
                                                                             : QString();
    }
};

// Two entries of one menu with one mnemonic letter, where the catalogue chose at
// least one of them: the English menus' own are not the catalogue's to mend.
void CheckMenu(const CMenuItem& english, const CMenuItem& shown, const Menus& englishTexts,
               const Menus& shownTexts, bool context, QStringList& problems) {
    QMap<QChar, std::pair<QString, bool>> taken; // letter -> text, translated
    const QString title = shownTexts.Text(shown, context);
    for (std::size_t k = 0; k < shown.items.size() && k < english.items.size(); ++k) {
        const CMenuItem& item = shown.items[k];
        if (item.kind == CMenuItem::Kind::Popup)
            CheckMenu(english.items[k], item, englishTexts, shownTexts, context, problems);
        const QString text = shownTexts.Text(item, context);
        const bool translated = text != englishTexts.Text(english.items[k], context);
        const QString letter = Mnemonics(text).left(1);
        if (letter.isEmpty())
            continue;
        if (!taken.contains(letter[0])) {
            taken[letter[0]] = {text, translated};
        } else if (translated || taken[letter[0]].second) {
            problems << u"menu %1: \"%2\" and \"%3\" share the mnemonic %4"_s.arg(
                title, taken[letter[0]].first, text, letter);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: gaugewright_catalogue_check CATALOGUE.ts CATALOGUE.qm\n", stderr);
        return 64;
    }
    QStringList problems;
    for (const Message& message : ReadCatalogue(arguments[1], problems))
        CheckMessage(message, problems);
    const Menus english;
    QTranslator catalogue;
    if (!catalogue.load(arguments[2]))
        problems << arguments[2] + u": cannot be loaded"_s;
    QCoreApplication::installTranslator(&catalogue);
    const Menus shown;
    for (std::size_t bar = 0; bar < shown.bars.size(); ++bar)
        CheckMenu(english.bars[bar], shown.bars[bar], english, shown,
                  shown.bars[bar].title == u"(context menu)", problems);
    problems.removeDuplicates();
    for (const QString& problem : problems)
        std::printf("%s: %s\n", qUtf8Printable(arguments[1]), qUtf8Printable(problem));
    return problems.isEmpty() ? 0 : 1;
}
