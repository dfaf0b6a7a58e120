#include "ui/quickfacts/CustomReportDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

// Add, Remove and Produce Report enabled, as "110", "011", ...
QString Enabling(const CCustomReportDialog& dialog) {
    QString flags;
    for (const QPushButton* button :
         {dialog.AddButton(), dialog.RemoveButton(), dialog.ProduceButton()})
        flags += button->isEnabled() ? u'1' : u'0';
    return flags;
}

QList<int> Attributes(const QListWidget& list) {
    QList<int> attributes;
    for (int row = 0; row < list.count(); ++row)
        attributes << list.item(row)->data(Qt::UserRole).toInt();
    return attributes;
}

} // namespace

class CustomReportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenAttributeReturnsToTheEndAfterEachReport() {
        CSidingWardDoc document;
        for (const char* scale : {"HO", "N", "HO"}) {
            auto item = std::make_unique<CInventoryElement>();
            item->SetAttributeText(static_cast<int>(Attribute::Scale), scale);
            document.AddItem(std::move(item), nullptr);
        }
        QStringList shown;
        QList<std::vector<CQuickFactsRow>> rows;
        CCustomReportDialog dialog(document, [&](QWidget*, CBreakdownTable table) {
            shown << QString::fromStdString(table.GetTitle());
            rows << table.GetRows();
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.Expenditures()->isChecked());
        QCOMPARE(Enabling(dialog), u"100"_s);
        QCOMPARE(dialog.Available()->currentRow(), 0);
        // Every attribute shows without scrolling, the last one too.
        const QListWidget& list = *dialog.Available();
        QVERIFY(list.visualItemRect(list.item(kAttributeCount - 1)).bottom() <
                list.viewport()->height());

        // Scale, chosen by a double-click.
        QListWidgetItem* scale = dialog.Available()->item(5);
        const QPoint at = dialog.Available()->visualItemRect(scale).center();
        QTest::mouseClick(dialog.Available()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dialog.Available()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.Chosen()->text(), u"Scale"_s);
        QVERIFY(SaveScreenshot(dialog, u"CustomReportDialog.png"_s));
        QCOMPARE(Enabling(dialog), u"011"_s);
        QCOMPARE(dialog.Available()->count(), 13);

        dialog.ItemCount()->setChecked(true);
        QTest::mouseClick(dialog.ProduceButton(), Qt::LeftButton);
        QCOMPARE(shown, QStringList{u"Item Count by Scale"_s});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].size(), 2U);
        QCOMPARE(rows[0][0].key, std::string("HO"));
        QCOMPARE(rows[0][0].number, 2);
        // Back at the end of the list, the field empty, ready for the next.
        QCOMPARE(Attributes(*dialog.Available()),
                 (QList<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 5}));
        QCOMPARE(dialog.Chosen()->text(), QString());
        QCOMPARE(Enabling(dialog), u"100"_s);

        // Add takes the selected entry; Remove gives it back at the end.
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        QCOMPARE(dialog.Chosen()->text(), u"Body Classification"_s);
        QCOMPARE(Enabling(dialog), u"011"_s);
        QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
        QCOMPARE(Attributes(*dialog.Available()).constLast(), 0);
        QCOMPARE(Enabling(dialog), u"100"_s);
    }
};

QTEST_MAIN(CustomReportDialogTest)
#include "CustomReportDialogTest.moc"
