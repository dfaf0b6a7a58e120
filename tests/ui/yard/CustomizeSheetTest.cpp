#include "ui/yard/CustomizeSheet.h"

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/DocumentView.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/InventoryWindow.h"
#include "ui/common/Text.h"
#include "ui/support/MarkingTranslator.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/Screenshot.h"
#include "ui/support/TestHelpers.h"
#include "ui/yard/AddChangeDialog.h"
#include "ui/yard/AttributeRadioGroup.h"
#include "ui/yard/ChangeAttributeNameDialog.h"
#include "ui/yard/ChooseInventoryDialog.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/ClassificationWizard.h"
#include "ui/yard/CustomizeHeadings.h"
#include "ui/yard/CustomizePreferences.h"
#include "ui/yard/CustomizeValues.h"
#include "ui/yard/DateControlDialog.h"
#include "ui/yard/DollarControlDialog.h"
#include "ui/yard/ItemNumberBuilder.h"
#include "ui/yard/ManufacturerSheet.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

const CMessage kNothingSelected{u"No rolling stock attribute selected!"_s, captions::Error(),
                                MessageIcon::Critical, MessageButtons::Ok};

// Acts on the next modal dialog of type Dialog once the event loop runs.
template <typename Dialog> void WhenShown(QObject* context, std::function<void(Dialog&)> act) {
    AnswerDialog<Dialog>(context, [act](Dialog* dialog) { act(*dialog); });
}

// Types text into the Add/Change dialog and presses OK.
void AnswerAddChange(QObject* context, const QString& typed, QString* shown = nullptr) {
    WhenShown<CAddChangeDialog>(context, [typed, shown](CAddChangeDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(u"value"_s);
        if (shown)
            *shown = edit->text();
        edit->setText(typed);
        dialog.accept();
    });
}

QStringList BoxEntries(const QListWidget* box) {
    QStringList entries;
    for (int row = 0; row < box->count(); ++row)
        entries << box->item(row)->text();
    return entries;
}

CValueList Bytes(const QStringList& texts) {
    CValueList list;
    for (const QString& text : texts)
        list.push_back(text::ToBytes(text).value());
    return list;
}

// An inventory window that counts the redisplay requests it gets.
class CRedisplayCounter : public QWidget, public CDocumentView, public CInventoryWindow {
public:
    explicit CRedisplayCounter(CSidingWardDoc& doc) : m_doc(doc) { m_doc.AddView(this); }
    ~CRedisplayCounter() override { m_doc.RemoveView(this); }
    void OnDocumentUpdate(CDocumentView*, int) override {}
    QWidget* InventoryWidget() override { return this; }
    YardItemAnswer TakeFinishedItem(const CYardItem&) override { return YardItemAnswer::Refused; }
    void RedisplayHeadings() override { ++redisplays; }
    int redisplays = 0;

private:
    CSidingWardDoc& m_doc;
};

} // namespace

class CustomizeSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesAndButtons();
    void valueListShown_data();
    void valueListShown();
    void itemNumberExplains();
    void addSortsIntoBoxAppendsToList();
    void changeMovesValueToTheEnd();
    void deleteSelectsEntryAbove_data();
    void deleteSelectsEntryAbove();
    void nothingSelected_data();
    void nothingSelected();
    void doubleClick_data();
    void doubleClick();
    void yearRange();
    void dollarRange_data();
    void dollarRange();
    void rangeTooLargeForTheFileIsRefused();
    void headingRenamedEverywhere();
    void smallDialogs();
    void shownTextsSpeakTheLanguage();
    void failedSaveIsNotApplied();
    void okOutcomes();
    void applyThenCancelKeepsApplied();
    void cancelWithoutApplyRestores();
    void appliedHeadingsStayAfterCancelAndReachTheInventories();
    void screenshots();

private:
    CCustomizeSheet& MakeSheet(int startAttribute = 0);
    CCustomizeValues& Values() const { return m_sheet->Values(); }
    QListWidget* Box() const { return Values().List(); }
    QPushButton* ValuesButton(const char* name) const {
        return Values().findChild<QPushButton*>(QLatin1String(name));
    }
    // A click on the button's label (its middle may lie beyond it).
    static void ClickButton(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    }
    void ShowAttribute(int attribute) { ClickButton(Values().Attributes()->Button(attribute)); }
    bool ApplyEnabled() const {
        return m_sheet->Buttons()->button(QDialogButtonBox::Apply)->isEnabled();
    }

    CFixedClock m_clock{CDate{1998, 3, 1}};
    QTemporaryDir m_dir;
    std::unique_ptr<CClassificationDoc> m_yard;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CCustomizeSheet> m_sheet;
};

void CustomizeSheetTest::init() {
    m_yard = std::make_unique<CClassificationDoc>(m_clock);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        m_yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
    *m_yard->GetValueList(0) = {"caboose", "Boxcar", "auto rack"};
    *m_yard->GetValueList(5) = {"O", "HO", "N"};
    *m_yard->GetValueList(6) = {"C1", "C2", "C3", "C4", "C5", "C6"};
    *m_yard->GetValueList(8) = {"1998", "1997", "1996"};
    *m_yard->GetValueList(10) = {"1.00", "2.00", "10.00"};
    *m_yard->GetValueList(11) = {"5.00", "6.00", "7.00"};
    QFile::remove(m_dir.filePath(u"Classyrd.mst"_s));
    m_yard->SetPathName(m_dir.filePath(u"Classyrd.mst"_s).toStdString());
    m_yard->SetModifiedFlag(false);
    m_messages = std::make_unique<CMessageRecorder>();
}

void CustomizeSheetTest::cleanup() {
    m_sheet.reset();
    m_yard.reset();
}

CCustomizeSheet& CustomizeSheetTest::MakeSheet(int startAttribute) {
    m_yard->SnapshotValues();
    m_yard->SnapshotHeadings();
    m_sheet = std::make_unique<CCustomizeSheet>(*m_yard, m_clock, *m_messages, startAttribute);
    m_sheet->show();
    if (!QTest::qWaitForWindowExposed(m_sheet.get()))
        qWarning("the sheet was not shown");
    return *m_sheet;
}

void CustomizeSheetTest::pagesAndButtons() {
    CCustomizeSheet& sheet = MakeSheet();
    QCOMPARE(sheet.windowTitle(), u"Classification Yard Customization"_s);
    auto* tabs = sheet.findChild<QTabWidget*>();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), u"Attribute Values"_s);
    QCOMPARE(tabs->tabText(1), u"Attribute Headings"_s);
    QCOMPARE(tabs->tabText(2), u"Preferences"_s);
    QCOMPARE(sheet.Buttons()->standardButtons(),
             QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
    QVERIFY(!ApplyEnabled());
    QCOMPARE(Values().Attributes()->title(), u"Classification Yard Attributes"_s);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        QCOMPARE(Values().Attributes()->Button(attribute)->text(),
                 u"H"_s + QLatin1String(AttributeName(attribute)));
    QCOMPARE(Values().Attributes()->Checked(), 0);
    // The preferences page shows the catalogue's preferences.
    m_yard->SetUseWizard(false);
    CCustomizeSheet other(*m_yard, m_clock, *m_messages, 0);
    QVERIFY(other.Preferences().UseManufacturerFile());
    QVERIFY(!other.Preferences().UseWizard());
}

void CustomizeSheetTest::valueListShown_data() {
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("range");
    QTest::newRow("text sorted") << 0 << QStringList{u"auto rack"_s, u"Boxcar"_s, u"caboose"_s}
                                 << false;
    QTest::newRow("years sorted") << 8 << QStringList{u"1996"_s, u"1997"_s, u"1998"_s} << true;
    QTest::newRow("money in list order")
        << 10 << QStringList{u"1.00"_s, u"2.00"_s, u"10.00"_s} << true;
    QTest::newRow("empty list") << 13 << QStringList() << false;
}

void CustomizeSheetTest::valueListShown() {
    QFETCH(int, attribute);
    QFETCH(QStringList, shown);
    QFETCH(bool, range);
    MakeSheet(attribute);
    QCOMPARE(Values().Attributes()->Checked(), attribute);
    QCOMPARE(BoxEntries(Box()), shown);
    QCOMPARE(Box()->currentRow(), shown.isEmpty() ? -1 : 0);
    QVERIFY(Box()->isEnabled());
    QCOMPARE(ValuesButton("Add")->isEnabled(), !range);
    QCOMPARE(ValuesButton("Change")->isEnabled(), !range && !shown.isEmpty());
    QCOMPARE(ValuesButton("Delete")->isEnabled(), !range && !shown.isEmpty());
    QCOMPARE(ValuesButton("SetRange")->isEnabled(), range);
}

void CustomizeSheetTest::itemNumberExplains() {
    MakeSheet();
    ShowAttribute(2);
    QCOMPARE(BoxEntries(Box()),
             (QStringList{u"Due to many variations,"_s, u"item number values"_s,
                          u"are not contained in the"_s, u"Classification Yard."_s}));
    QVERIFY(!Box()->isEnabled());
    for (const char* name : {"Add", "Change", "Delete", "SetRange"})
        QVERIFY(!ValuesButton(name)->isEnabled());
    ShowAttribute(5);
    QVERIFY(Box()->isEnabled());
    QCOMPARE(BoxEntries(Box()), (QStringList{u"HO"_s, u"N"_s, u"O"_s}));
}

void CustomizeSheetTest::addSortsIntoBoxAppendsToList() {
    MakeSheet(5);
    QString shown = u"not asked"_s;
    AnswerAddChange(this, u"On30"_s, &shown);
    QTest::mouseClick(ValuesButton("Add"), Qt::LeftButton);
    QCOMPARE(shown, QString());
    QCOMPARE(BoxEntries(Box()), (QStringList{u"HO"_s, u"N"_s, u"O"_s, u"On30"_s}));
    QCOMPARE(Box()->currentItem()->text(), u"On30"_s);
    QCOMPARE(*m_yard->GetValueList(5), (CValueList{"O", "HO", "N", "On30"}));
    QVERIFY(Values().HasPendingChanges());
    QVERIFY(ApplyEnabled());
    // The same text may be added twice.
    AnswerAddChange(this, u"N"_s);
    Values().Add();
    QCOMPARE(*m_yard->GetValueList(5), (CValueList{"O", "HO", "N", "On30", "N"}));
    QCOMPARE(m_messages->Count(), 0);
}

void CustomizeSheetTest::changeMovesValueToTheEnd() {
    MakeSheet(6);
    Box()->setCurrentRow(2);
    QString shown;
    AnswerAddChange(this, u"Mint"_s, &shown);
    QTest::mouseClick(ValuesButton("Change"), Qt::LeftButton);
    QCOMPARE(shown, u"C3"_s);
    QCOMPARE(*m_yard->GetValueList(6), (CValueList{"C1", "C2", "C4", "C5", "C6", "Mint"}));
    QCOMPARE(BoxEntries(Box()).last(), u"Mint"_s);
    QCOMPARE(Box()->currentItem()->text(), u"Mint"_s);
    QVERIFY(Values().HasPendingChanges());
}

void CustomizeSheetTest::deleteSelectsEntryAbove_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("first") << 0 << int(MessageAnswer::Yes) << 0;
    QTest::newRow("second") << 1 << int(MessageAnswer::Yes) << 0;
    QTest::newRow("fifth") << 4 << int(MessageAnswer::Yes) << 3;
    QTest::newRow("answered no") << 4 << int(MessageAnswer::No) << 4;
}

void CustomizeSheetTest::deleteSelectsEntryAbove() {
    QFETCH(int, row);
    QFETCH(int, answer);
    QFETCH(int, selectedAfter);
    MakeSheet(6);
    Box()->setCurrentRow(row);
    const QString value = Box()->currentItem()->text();
    m_messages->QueueAnswers({static_cast<MessageAnswer>(answer)});
    QTest::mouseClick(ValuesButton("Delete"), Qt::LeftButton);
    QCOMPARE(m_messages->Last(),
             (CMessage{u"Are you sure you want to delete '"_s + value + u"'?"_s,
                       captions::Warning(), MessageIcon::Question, MessageButtons::YesNo}));
    const bool deleted = answer == int(MessageAnswer::Yes);
    QCOMPARE(m_yard->GetValueList(6)->size(), deleted ? 5u : 6u);
    QCOMPARE(Box()->count(), deleted ? 5 : 6);
    QCOMPARE(Box()->currentRow(), selectedAfter);
    QCOMPARE(Values().HasPendingChanges(), deleted);
}

void CustomizeSheetTest::nothingSelected_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("change") << u"Change"_s;
    QTest::newRow("delete") << u"Delete"_s;
}

void CustomizeSheetTest::nothingSelected() {
    QFETCH(QString, button);
    MakeSheet(6);
    Box()->clearSelection();
    QTest::mouseClick(Values().findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_messages->Last(), kNothingSelected);
    QCOMPARE(m_yard->GetValueList(6)->size(), 6u);
    QVERIFY(!Values().HasPendingChanges());
}

void CustomizeSheetTest::doubleClick_data() {
    QTest::addColumn<int>("attribute");
    QTest::addColumn<bool>("range");
    QTest::newRow("text list: change") << 0 << false;
    QTest::newRow("year list: set range") << 8 << true;
    QTest::newRow("money list: set range") << 11 << true;
}

void CustomizeSheetTest::doubleClick() {
    QFETCH(int, attribute);
    QFETCH(bool, range);
    MakeSheet(attribute);
    QString opened;
    QTimer::singleShot(0, this, [&opened] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        opened = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    QListWidgetItem* item = Box()->item(1);
    // A double click is the second press on the same entry.
    const QPoint point = Box()->visualItemRect(item).center();
    QTest::mouseClick(Box()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(Box()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    if (!range)
        QCOMPARE(opened, u"Classification Yard - Add/Change"_s);
    else if (attribute == 8)
        QCOMPARE(opened, u"Classification Yard - Date Control"_s);
    else
        QCOMPARE(opened, u"Classification Yard - Dollar Control"_s);
    QVERIFY(!Values().HasPendingChanges());
}

void CustomizeSheetTest::yearRange() {
    MakeSheet(8);
    int startYear = 0;
    QString toYear;
    WhenShown<CDateControlDialog>(this, [&](CDateControlDialog& dialog) {
        auto* spin = dialog.findChild<QSpinBox*>(u"fromYear"_s);
        startYear = spin->value();
        toYear = dialog.findChild<QLabel*>(u"toYear"_s)->text();
        QCOMPARE(spin->minimum(), 1800);
        QCOMPARE(spin->maximum(), 1998);
        spin->setValue(1950);
        dialog.accept();
    });
    QTest::mouseClick(ValuesButton("SetRange"), Qt::LeftButton);
    QCOMPARE(startYear, 1996);
    QCOMPARE(toYear, u"1998"_s);
    QCOMPARE(m_yard->GetValueList(8)->size(), 49u);
    QCOMPARE(m_yard->GetValueList(8)->front(), std::string("1998"));
    QCOMPARE(m_yard->GetValueList(8)->back(), std::string("1950"));
    QCOMPARE(Box()->item(0)->text(), u"1950"_s);
    QCOMPARE(Box()->item(48)->text(), u"1998"_s);
    QVERIFY(Values().HasPendingChanges());
    // An empty year list starts the range at the current year.
    m_yard->GetValueList(9)->clear();
    ShowAttribute(9);
    WhenShown<CDateControlDialog>(this, [&](CDateControlDialog& dialog) {
        startYear = dialog.GetFromYear();
        dialog.reject();
    });
    Values().SetRange();
    QCOMPARE(startYear, 1998);
}

void CustomizeSheetTest::dollarRange_data() {
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("startFrom");
    QTest::addColumn<int>("startTo");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("0 to 3") << QStringList{u"5.00"_s, u"6.00"_s, u"7.00"_s} << 5 << 7 << 0 << 3
                            << QStringList{u"0.00"_s, u"1.00"_s, u"2.00"_s, u"3.00"_s};
    QTest::newRow("from above to empties")
        << QStringList{u"5.00"_s, u"12"_s} << 5 << 0 << 9 << 2 << QStringList();
    QTest::newRow("empty list starts at 0 to 0")
        << QStringList() << 0 << 0 << 4 << 4 << QStringList{u"4.00"_s};
}

void CustomizeSheetTest::dollarRange() {
    QFETCH(QStringList, list);
    QFETCH(int, startFrom);
    QFETCH(int, startTo);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, shown);
    *m_yard->GetValueList(11) = Bytes(list);
    MakeSheet(11);
    int seenFrom = -1;
    int seenTo = -1;
    WhenShown<CDollarControlDialog>(this, [&](CDollarControlDialog& dialog) {
        seenFrom = dialog.GetFromDollar();
        seenTo = dialog.GetToDollar();
        for (const auto* name : {"fromDollar", "toDollar"}) {
            auto* spin = dialog.findChild<QSpinBox*>(QLatin1String(name));
            QCOMPARE(spin->minimum(), 0);
            QCOMPARE(spin->maximum(), 32760);
        }
        dialog.findChild<QSpinBox*>(u"fromDollar"_s)->setValue(from);
        dialog.findChild<QSpinBox*>(u"toDollar"_s)->setValue(to);
        dialog.accept();
    });
    Values().SetRange();
    QCOMPARE(seenFrom, startFrom);
    QCOMPARE(seenTo, startTo);
    QCOMPARE(BoxEntries(Box()), shown);
    QCOMPARE(*m_yard->GetValueList(11), Bytes(shown));
}

void CustomizeSheetTest::rangeTooLargeForTheFileIsRefused() {
    MakeSheet(10);
    WhenShown<CDollarControlDialog>(this, [](CDollarControlDialog& dialog) {
        dialog.findChild<QSpinBox*>(u"fromDollar"_s)->setValue(0);
        dialog.findChild<QSpinBox*>(u"toDollar"_s)->setValue(32760);
        dialog.accept();
    });
    Values().SetRange();
    QCOMPARE(m_yard->GetValueList(10)->size(), 32761u);
    QCOMPARE(m_messages->Count(), 0);
    // Both money lists at full width would make the catalogue unsavable.
    ShowAttribute(11);
    WhenShown<CDollarControlDialog>(this, [](CDollarControlDialog& dialog) {
        dialog.findChild<QSpinBox*>(u"fromDollar"_s)->setValue(0);
        dialog.findChild<QSpinBox*>(u"toDollar"_s)->setValue(32760);
        dialog.accept();
    });
    Values().SetRange();
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_messages->Last().caption, captions::YardError());
    QCOMPARE(m_messages->Last().icon, MessageIcon::Critical);
    QVERIFY(m_messages->Last().text.contains(u"65505"_s));
    QCOMPARE(*m_yard->GetValueList(11), (CValueList{"5.00", "6.00", "7.00"}));
    QCOMPARE(BoxEntries(Box()), (QStringList{u"5.00"_s, u"6.00"_s, u"7.00"_s}));
    // What the first range did can still be saved.
    QVERIFY(m_sheet->Apply());
    QVERIFY(QFile::exists(m_dir.filePath(u"Classyrd.mst"_s)));
}

void CustomizeSheetTest::headingRenamedEverywhere() {
    CCustomizeSheet& sheet = MakeSheet();
    auto* tabs = sheet.findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);
    CCustomizeHeadings& headings = sheet.Headings();
    QCOMPARE(headings.Attributes()->Checked(), 0);
    ClickButton(headings.Attributes()->Button(1));
    QString from;
    WhenShown<CChangeAttributeNameDialog>(this, [&from](CChangeAttributeNameDialog& dialog) {
        from = dialog.findChild<QLineEdit*>(u"from"_s)->text();
        dialog.findChild<QLineEdit*>(u"to"_s)->setText(u"Maker"_s);
        dialog.accept();
    });
    QTest::mouseClick(headings.findChild<QPushButton*>(u"changeAttributeName"_s), Qt::LeftButton);
    QCOMPARE(from, u"HManufacturer"_s);
    QCOMPARE(m_yard->GetHeading(1), std::string("Maker"));
    QCOMPARE(headings.Attributes()->Button(1)->text(), u"Maker"_s);
    QVERIFY(headings.HasPendingChanges());
    QVERIFY(ApplyEnabled());
    tabs->setCurrentIndex(0);
    QCOMPARE(Values().Attributes()->Button(1)->text(), u"Maker"_s);
    tabs->setCurrentIndex(2);
    auto* box = sheet.Preferences().findChild<QCheckBox*>(u"useManufacturerFile"_s);
    QCOMPARE(box->text(), u"Always use the Maker File"_s);
    QCOMPARE(sheet.Preferences().findChild<QCheckBox*>(u"useWizard"_s)->text(),
             u"Always use Classification Yard Wizard"_s);
    ClickButton(box);
    QVERIFY(sheet.Preferences().HasPendingChanges());
    QVERIFY(!sheet.Preferences().UseManufacturerFile());
    // Nothing reaches the catalogue's preferences before Apply.
    QVERIFY(m_yard->GetUseManufacturerFile());
    QTest::mouseClick(m_sheet->Buttons()->button(QDialogButtonBox::Apply), Qt::LeftButton);
    QVERIFY(!m_yard->GetUseManufacturerFile());
    QVERIFY(sheet.Preferences().WasApplied() && sheet.Headings().WasApplied());
    QVERIFY(!ApplyEnabled());
}

void CustomizeSheetTest::smallDialogs() {
    CAddChangeDialog add(std::string(), *m_messages);
    QCOMPARE(add.windowTitle(), u"Classification Yard - Add/Change"_s);
    auto* ok = add.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(add.findChild<QLineEdit*>(u"value"_s), u" x "_s);
    QVERIFY(ok->isEnabled());
    add.accept();
    QCOMPARE(add.GetText(), std::string(" x "));
    CAddChangeDialog change("old", *m_messages);
    QVERIFY(change.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    change.findChild<QLineEdit*>(u"value"_s)->setText(u"\u4E2D"_s);
    change.accept();
    QCOMPARE(change.result(), int(QDialog::Rejected));
    QCOMPARE(m_messages->Count(), 1);

    CChangeAttributeNameDialog rename("Scale", *m_messages);
    QCOMPARE(rename.windowTitle(), u"Change Attribute Name"_s);
    QVERIFY(rename.findChild<QLineEdit*>(u"from"_s)->isReadOnly());
    auto* renameOk = rename.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(!renameOk->isEnabled());
    rename.findChild<QLineEdit*>(u"to"_s)->setText(u"Gauge"_s);
    QVERIFY(renameOk->isEnabled());

    CDateControlDialog dates(1700, 1998);
    QCOMPARE(dates.GetFromYear(), 1800);
    CDollarControlDialog dollars(-5, 99999);
    QCOMPARE(dollars.GetFromDollar(), 0);
    QCOMPARE(dollars.GetToDollar(), 32760);

    // A year typed halfway cannot be confirmed, so it is never silently replaced.
    auto* from = dates.findChild<QSpinBox*>(u"fromYear"_s);
    auto* datesOk = dates.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    from->findChild<QLineEdit*>()->setText(u"19"_s);
    QVERIFY(!datesOk->isEnabled());
    from->findChild<QLineEdit*>()->setText(u"1955"_s);
    QVERIFY(datesOk->isEnabled());
    QCOMPARE(dates.GetFromYear(), 1955);
}

void CustomizeSheetTest::failedSaveIsNotApplied() {
    m_yard->SetPathName(m_dir.filePath(u"missing/Classyrd.mst"_s).toStdString());
    CCustomizeSheet& sheet = MakeSheet(5);
    AnswerAddChange(this, u"G"_s);
    Values().Add();
    ClickButton(sheet.Preferences().findChild<QCheckBox*>(u"useWizard"_s));
    QTest::mouseClick(sheet.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    // The failure is shown, the sheet stays open and nothing counts as applied.
    QCOMPARE(m_messages->Count(), 1);
    QCOMPARE(m_messages->Last().caption, captions::Error());
    QVERIFY(sheet.isVisible());
    QCOMPARE(sheet.result(), 0);
    QVERIFY(Values().HasPendingChanges() && !Values().WasApplied());
    QVERIFY(ApplyEnabled());
    m_messages->Clear();
    sheet.Values().Apply();
    sheet.Headings().Apply();
    QVERIFY(!sheet.Preferences().Apply());
    QVERIFY(!sheet.Preferences().WasApplied());
    QVERIFY(m_yard->GetUseWizard());
}

void CustomizeSheetTest::okOutcomes() {
    CClassificationView view(*m_yard, m_clock, *m_messages);
    CSidingWardDoc inventory;
    CRedisplayCounter first(inventory);
    CRedisplayCounter second(inventory);
    view.RegisterInventory(inventory);
    WhenShown<CCustomizeSheet>(this, [this](CCustomizeSheet& sheet) {
        AnswerAddChange(this, u"Gauge 1"_s);
        sheet.Values().ShowList(5);
        sheet.Values().Add();
        WhenShown<CChangeAttributeNameDialog>(this, [](CChangeAttributeNameDialog& dialog) {
            dialog.findChild<QLineEdit*>(u"to"_s)->setText(u"Gauge"_s);
            dialog.accept();
        });
        sheet.Headings().Attributes()->Check(5);
        sheet.Headings().ChangeAttributeName();
        ClickButton(sheet.Preferences().findChild<QCheckBox*>(u"useWizard"_s));
        sheet.accept();
    });
    view.OnCommand(CommandId::CustomizeYard);
    QCOMPARE(m_messages->Count(), 0);
    // Refreshed, relabelled, the inventories asked to redisplay, preferences set, saved.
    auto* scale = view.findChild<QComboBox*>(u"attribute5"_s);
    QVERIFY(scale->findText(u"Gauge 1"_s) >= 0);
    const auto labels = view.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [](QLabel* label) { return label->text() == u"Gauge"_s; }));
    QCOMPARE(first.redisplays, 1);
    QCOMPARE(second.redisplays, 1);
    QVERIFY(!m_yard->GetUseWizard());
    QVERIFY(!m_yard->IsModified());
    CClassificationDoc saved(m_clock);
    QVERIFY(saved.OnOpenDocument(m_yard->GetPathName()).Succeeded());
    QCOMPARE(saved.GetHeading(5), std::string("Gauge"));
    QCOMPARE(saved.GetValueList(5)->back(), std::string("Gauge 1"));
    QVERIFY(!saved.GetUseWizard());
    view.UnregisterInventory(inventory);
}

void CustomizeSheetTest::applyThenCancelKeepsApplied() {
    CClassificationView view(*m_yard, m_clock, *m_messages);
    WhenShown<CCustomizeSheet>(this, [this](CCustomizeSheet& sheet) {
        sheet.Values().ShowList(5);
        AnswerAddChange(this, u"Applied"_s);
        sheet.Values().Add();
        QVERIFY(sheet.Apply());
        QVERIFY(QFile::exists(m_dir.filePath(u"Classyrd.mst"_s)));
        AnswerAddChange(this, u"Undone"_s);
        sheet.Values().Add();
        WhenShown<CChangeAttributeNameDialog>(this, [](CChangeAttributeNameDialog& dialog) {
            dialog.findChild<QLineEdit*>(u"to"_s)->setText(u"Undone"_s);
            dialog.accept();
        });
        sheet.Headings().ChangeAttributeName();
        ClickButton(sheet.Preferences().findChild<QCheckBox*>(u"useWizard"_s));
        sheet.reject();
    });
    view.Customize();
    QCOMPARE(*m_yard->GetValueList(5), (CValueList{"O", "HO", "N", "Applied"}));
    QCOMPARE(m_yard->GetHeading(0), std::string("HBody Classification"));
    QVERIFY(m_yard->GetUseWizard());
    auto* scale = view.findChild<QComboBox*>(u"attribute5"_s);
    QVERIFY(scale->findText(u"Applied"_s) >= 0);
    QCOMPARE(scale->findText(u"Undone"_s), -1);
    CClassificationDoc saved(m_clock);
    QVERIFY(saved.OnOpenDocument(m_yard->GetPathName()).Succeeded());
    QCOMPARE(*saved.GetValueList(5), (CValueList{"O", "HO", "N", "Applied"}));
}

void CustomizeSheetTest::cancelWithoutApplyRestores() {
    CClassificationView view(*m_yard, m_clock, *m_messages);
    WhenShown<CCustomizeSheet>(this, [this](CCustomizeSheet& sheet) {
        m_messages->QueueAnswers({MessageAnswer::Yes});
        sheet.Values().ShowList(0);
        sheet.Values().Delete();
        WhenShown<CChangeAttributeNameDialog>(this, [](CChangeAttributeNameDialog& dialog) {
            dialog.findChild<QLineEdit*>(u"to"_s)->setText(u"Kind"_s);
            dialog.accept();
        });
        sheet.Headings().ChangeAttributeName();
        sheet.reject();
    });
    view.Customize();
    QCOMPARE(*m_yard->GetValueList(0), (CValueList{"caboose", "Boxcar", "auto rack"}));
    QCOMPARE(m_yard->GetHeading(0), std::string("HBody Classification"));
    // Nothing was applied: nothing to write.
    QVERIFY(!QFile::exists(m_dir.filePath(u"Classyrd.mst"_s)));
}

void CustomizeSheetTest::appliedHeadingsStayAfterCancelAndReachTheInventories() {
    CClassificationView view(*m_yard, m_clock, *m_messages);
    CSidingWardDoc inventory;
    CRedisplayCounter counter(inventory);
    view.RegisterInventory(inventory);
    const auto rename = [this](const QString& to) {
        WhenShown<CChangeAttributeNameDialog>(this, [to](CChangeAttributeNameDialog& dialog) {
            dialog.findChild<QLineEdit*>(u"to"_s)->setText(to);
            dialog.accept();
        });
    };
    WhenShown<CCustomizeSheet>(this, [&](CCustomizeSheet& sheet) {
        sheet.Headings().Attributes()->Check(5);
        rename(u"Gauge"_s);
        sheet.Headings().ChangeAttributeName();
        QVERIFY(sheet.Apply());
        sheet.Headings().Attributes()->Check(0);
        rename(u"Kind"_s);
        sheet.Headings().ChangeAttributeName();
        sheet.reject();
    });
    view.Customize();
    QCOMPARE(m_yard->GetHeading(5), std::string("Gauge"));
    QCOMPARE(m_yard->GetHeading(0), std::string("HBody Classification"));
    const auto labels = view.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [](QLabel* label) { return label->text() == u"Gauge"_s; }));
    QVERIFY(std::none_of(labels.begin(), labels.end(),
                         [](QLabel* label) { return label->text() == u"Kind"_s; }));
    QCOMPARE(counter.redisplays, 1);
    CClassificationDoc saved(m_clock);
    QVERIFY(saved.OnOpenDocument(m_yard->GetPathName()).Succeeded());
    QCOMPARE(saved.GetHeading(5), std::string("Gauge"));
    QCOMPARE(saved.GetHeading(0), std::string("HBody Classification"));
    view.UnregisterInventory(inventory);
}

void CustomizeSheetTest::shownTextsSpeakTheLanguage() {
    CMarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const auto uninstall =
        qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    // The headings are the catalogue's, and keys and years are no words.
    QStringList own;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        own << text::FromBytes(m_yard->GetHeading(attribute));
    const auto untranslated = [&own](const QWidget& window) {
        QStringList left = UnmarkedTexts(window);
        left.removeIf([&own](const QString& text) {
            return text.size() <= 1 || own.contains(text) || text.toInt() != 0;
        });
        return left;
    };
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<CClassificationView>(*m_yard, m_clock, *m_messages));
    windows.push_back(std::make_unique<CCustomizeSheet>(*m_yard, m_clock, *m_messages,
                                                        static_cast<int>(Attribute::ItemNumber)));
    windows.push_back(std::make_unique<CClassificationWizard>(*m_yard, false, nullptr));
    windows.push_back(std::make_unique<CManufacturerSheet>(*m_yard, *m_messages, 0));
    windows.push_back(std::make_unique<CItemNumberBuilder>("HItem Number", *m_messages));
    windows.push_back(
        std::make_unique<CChooseInventoryDialog>(std::vector<CSidingWardDoc*>(), *m_messages));
    windows.push_back(std::make_unique<CAddChangeDialog>("Boxcar", *m_messages));
    windows.push_back(std::make_unique<CChangeAttributeNameDialog>("Scale", *m_messages));
    windows.push_back(std::make_unique<CDateControlDialog>(1950, 1998));
    windows.push_back(std::make_unique<CDollarControlDialog>(0, 250));
    for (const auto& window : windows) {
        const QStringList left = untranslated(*window);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | "_s)));
    }
}

void CustomizeSheetTest::screenshots() {
    if (!ScreenshotsWanted())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
    CCustomizeSheet& sheet = MakeSheet(5);
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QVERIFY(SaveScreenshot(sheet, u"Customize-values.png"_s));
    ShowAttribute(2);
    QVERIFY(SaveScreenshot(sheet, u"Customize-values-item-number.png"_s));
    auto* tabs = sheet.findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);
    QVERIFY(SaveScreenshot(sheet, u"Customize-headings.png"_s));
    tabs->setCurrentIndex(2);
    QVERIFY(SaveScreenshot(sheet, u"Customize-preferences.png"_s));
    CAddChangeDialog add("Boxcar", *m_messages);
    add.show();
    QVERIFY(SaveScreenshot(add, u"AddChangeDialog.png"_s));
    CChangeAttributeNameDialog rename("Scale", *m_messages);
    rename.show();
    QVERIFY(SaveScreenshot(rename, u"ChangeAttributeNameDialog.png"_s));
    CDateControlDialog dates(1950, 1998);
    dates.show();
    QVERIFY(SaveScreenshot(dates, u"DateControlDialog.png"_s));
    CDollarControlDialog dollars(0, 250);
    dollars.show();
    QVERIFY(SaveScreenshot(dollars, u"DollarControlDialog.png"_s));
}

QTEST_MAIN(CustomizeSheetTest)
#include "CustomizeSheetTest.moc"
