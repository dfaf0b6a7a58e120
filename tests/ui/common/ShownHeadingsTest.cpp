#include "ui/common/ShownHeadings.h"

#include <QPrinter>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "model/quickfacts/BreakdownTable.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/inventory/InventoryListModel.h"
#include "ui/quickfacts/QuickFactsDialog.h"

using namespace Qt::StringLiterals;

namespace {

// Speaks a language where every heading the program names reads "de:" + the English.
class CHeadingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArrayView(context) == "Headings" ? u"de:"_s + QString::fromUtf8(source)
                                                     : QString();
    }
    bool isEmpty() const override { return false; }
};

constexpr int kManufacturer = static_cast<int>(Attribute::Manufacturer);
constexpr int kUserDefined1 = static_cast<int>(Attribute::UserDefined1);
constexpr int kUserDefined2 = static_cast<int>(Attribute::UserDefined2);

} // namespace

class ShownHeadingsTest : public QObject {
    Q_OBJECT

    CHeadingTranslator m_translator;
    CFixedClock m_clock{CDate{2026, 12, 9}};

private slots:
    void init() { QCoreApplication::installTranslator(&m_translator); }
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void listColumnsShowDefaultsTranslated_data() {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("default") << kManufacturer << u"Manufacturer"_s << u"de:Manufacturer"_s;
        QTest::newRow("bundled user-defined") << kUserDefined1 << u"Era"_s << u"de:Era"_s;
        QTest::newRow("new user-defined")
            << kUserDefined2 << u"User Defined 2"_s << u"de:User Defined 2"_s;
        QTest::newRow("renamed") << kManufacturer << u"Maker"_s << u"Maker"_s;
        QTest::newRow("default case differs")
            << kManufacturer << u"manufacturer"_s << u"manufacturer"_s;
        QTest::newRow("another attribute's default")
            << kUserDefined1 << u"Location"_s << u"Location"_s;
    }
    void listColumnsShowDefaultsTranslated() {
        QFETCH(int, attribute);
        QFETCH(QString, stored);
        CClassificationDoc yard(m_clock);
        yard.SetHeading(attribute, stored.toStdString());
        CSidingWardDoc document;
        document.SetClassificationYard(&yard);
        CInventoryListModel list(document);
        CInventoryListModel::ColumnFlags all;
        all.fill(true);
        list.Rebuild(all);
        QString header;
        for (int column = 0; column < list.columnCount(); ++column)
            if (list.AttributeOf(column) == attribute)
                header = list.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QTEST(header, "shown");
        QTEST(shownheadings::Shown(attribute, stored.toStdString()), "shown");
    }

    // A breakdown's title and columns name headings: a default one as shown, a
    // renamed one as written.
    void breakdownsShowTheirHeadingsAsShown() {
        CClassificationDoc yard(m_clock);
        yard.SetHeading(kManufacturer, "Manufacturer");
        yard.SetHeading(static_cast<int>(Attribute::PurchasePrice), "Paid");
        CSidingWardDoc document;
        document.SetClassificationYard(&yard);
        QPrinter printer;
        CQuickFactsDialog dialog(
            CBreakdownTable::ByAttribute(document, BreakdownMeasure::Expenditures, kManufacturer,
                                         &yard),
            [&printer]() -> QPrinter& { return printer; }, m_clock);
        QCOMPARE(dialog.windowTitle(), u"Expenditures by de:Manufacturer"_s);
        QCOMPARE(dialog.List()->headerItem()->text(0), u"de:Manufacturer"_s);
        QCOMPARE(dialog.List()->headerItem()->text(1), u"Paid"_s);
    }
};

QTEST_MAIN(ShownHeadingsTest)
#include "ShownHeadingsTest.moc"
