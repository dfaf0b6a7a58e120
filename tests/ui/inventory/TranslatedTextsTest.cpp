#include <algorithm>
#include <functional>
#include <memory>

#include <QtTest>

#include "model/core/InventoryChange.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/FileChooser.h"
#include "ui/inventory/CommentsEditor.h"
#include "ui/inventory/ExportDialog.h"
#include "ui/inventory/ImportDialog.h"
#include "ui/inventory/InsuranceReportCommands.h"
#include "ui/inventory/InventoryCommands.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryHistory.h"
#include "ui/quickfacts/CustomReportDialog.h"
#include "ui/quickfacts/ValueHistoryDialog.h"
#include "ui/support/MarkingTranslator.h"
#include "ui/support/MessageRecorder.h"

using namespace Qt::StringLiterals;

namespace {

const QString kMark(CMarkingTranslator::kMark);

class CNoFiles : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return {};
    }
};

// The catalogue's headings are the user's words: they come marked already.
std::array<std::string, kAttributeCount> MarkedHeadings() {
    std::array<std::string, kAttributeCount> headings;
    for (std::string& heading : headings)
        heading = "\xbbHeading";
    return headings;
}

} // namespace

class TranslatedTextsTest : public QObject {
    Q_OBJECT

    CMarkingTranslator m_translator;
    CMessageRecorder m_messages;
    CNoFiles m_files;
    CSidingWardDoc m_document;

private slots:
    // Before any command table is built, as the program does.
    void initTestCase() { QCoreApplication::installTranslator(&m_translator); }

    void everyInventoryCommandTextIsTranslated() {
        for (const CCommandInfo& command : inventorycommands::Descriptions()) {
            for (const QString& text : {command.text, command.prompt, command.popupText})
                QVERIFY2(text.isEmpty() || text.startsWith(kMark), qPrintable(text));
        }
    }

    void everyDialogTextIsTranslated_data() {
        QTest::addColumn<std::function<QWidget*()>>("make");
        const auto add = [](const char* name, std::function<QWidget*()> make) {
            QTest::newRow(name) << make;
        };
        add("insurance", [] {
            return new CInsuranceReportDialog(nullptr, MarkedHeadings(), CInsuranceOptions{});
        });
        add("export", [this] { return new CExportDialog(m_messages, m_files); });
        add("import", [this] { return new CImportDialog(MarkedHeadings(), m_messages, m_files); });
        add("details",
            [this] { return new CInventoryDetailsDialog({}, MarkedHeadings(), m_messages); });
        add("comments", [this] { return new CCommentsEditor("", m_messages); });
        add("custom report", [this] {
            return new CCustomReportDialog(m_document, [](QWidget*, CBreakdownTable) {});
        });
        add("valuation", [] { return new CValuationDialog(CDate{2024, 5, 1}); });
    }

    void everyDialogTextIsTranslated() {
        QFETCH(std::function<QWidget*()>, make);
        const std::unique_ptr<QWidget> dialog(make());
        const QStringList unmarked = UnmarkedTexts(*dialog);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u" | ")));
    }

    // The Undo entry names the change in the program's language; a name that holds
    // a heading of the catalogue keeps the heading's letters.
    void theUndoEntryNamesTheChangeTranslated() {
        CSidingWardDoc document;
        CInventoryHistory history(document, {});
        CInventoryChange::ItemList items;
        items.push_back(std::make_unique<CInventoryElement>());
        document.Apply(
            CInventoryChange::Insert(QT_TRANSLATE_NOOP("Messages", "Paste"), std::move(items)),
            nullptr);
        QCOMPARE(history.UndoText(), kMark + u"Paste"_s);
        document.Apply(CInventoryChange::Sort("Sort by Gr\xf6\xdf"
                                              "e",
                                              0),
                       nullptr);
        QCOMPARE(history.UndoText(), u"Sort by Gr\u00f6\u00dfe"_s);
    }
};

QTEST_MAIN(TranslatedTextsTest)
#include "TranslatedTextsTest.moc"
