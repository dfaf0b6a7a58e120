#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/Text.h"
#include "ui/support/EventLog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/Screenshot.h"
#include "ui/yard/AddChangeDialog.h"
#include "ui/yard/AttributeRadioGroup.h"
#include "ui/yard/ChooseInventoryDialog.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/ClassificationWizard.h"
#include "ui/yard/CustomizeSheet.h"
#include "ui/yard/CustomizeValues.h"
#include "ui/yard/DateControlDialog.h"
#include "ui/yard/DollarControlDialog.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/ManufacturerPage.h"
#include "ui/yard/ManufacturerSheet.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNothingSelected =
    u"You did not select anything from the list.\n\nDo you want to continue building the item?"_s;
const QString kWizardUnfinished =
    u"You did not finish the wizard build.\n\nDo you want to continue building the item?"_s;

// A product whose manufacturer and scale the catalogue lacks; its road name is in
// the catalogue in another case.
const CManufacturerChoice kProduct{"Lionel", {"6464-1", "b0", "a3", "b4", "On30"}};

enum class Outcome { Building, Idle, Finished };

} // namespace

class YardAssistantsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sequences_data();
    void sequences();
    void productFillsForm();
    void wizardValuesFillForm_data();
    void wizardValuesFillForm();
    void useManufacturerFileCommand();
    void commentsAndPictureButtons();
    void wizardCustomizeOpensSheetOnItsAttribute();
    void defaultDataRunsThrough();
    void defaultDataPictures();

private:
    QComboBox* List(int attribute) const {
        return m_view->findChild<QComboBox*>(u"attribute%1"_s.arg(attribute));
    }
    QLineEdit* ItemNumber() const { return m_view->findChild<QLineEdit*>(u"itemNumber"_s); }
    void InstallHooks(bool giveProduct, bool finishWizard, bool withEditors);

    CFixedClock m_clock{CDate{2024, 5, 17}};
    std::unique_ptr<CClassificationDoc> m_yard;
    CEventLog m_log;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CClassificationView> m_view;
    CWizardChoices m_choices;
};

void YardAssistantsTest::init() {
    m_yard = std::make_unique<CClassificationDoc>(m_clock);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        m_yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
        if (CValueList* values = m_yard->GetValueList(attribute))
            *values = {"b" + std::to_string(attribute), "A" + std::to_string(attribute)};
    }
    m_yard->SetModifiedFlag(false);
    m_log.Clear();
    m_messages = std::make_unique<CMessageRecorder>(&m_log);
    m_view = std::make_unique<CClassificationView>(*m_yard, m_clock, *m_messages);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        m_choices[static_cast<std::size_t>(attribute)] = "b" + std::to_string(attribute);
    m_choices[static_cast<std::size_t>(Attribute::ItemNumber)].clear();
}

void YardAssistantsTest::cleanup() {
    m_view.reset();
    m_yard.reset();
}

void YardAssistantsTest::InstallHooks(bool giveProduct, bool finishWizard, bool withEditors) {
    m_view->SetManufacturerListing([this, giveProduct](QWidget*) {
        m_log.Append(u"listing"_s);
        return giveProduct ? std::optional<CManufacturerChoice>(kProduct) : std::nullopt;
    });
    m_view->SetWizard([this, finishWizard](QWidget*, bool productChosen) {
        m_log.Append(u"wizard %1"_s.arg(productChosen ? u"after product"_s : u"alone"_s));
        return finishWizard ? std::optional<CWizardChoices>(m_choices) : std::nullopt;
    });
    m_view->SetItemNumberBuilder([this](QWidget*, const std::string&) {
        m_log.Append(u"builder"_s);
        return std::optional<std::string>("BUILT-1");
    });
    if (withEditors) {
        m_view->SetCommentsEditor([this](QWidget*, const std::string& current) {
            m_log.Append(u"comments"_s);
            return std::optional<std::string>(current + "new comments");
        });
        m_view->SetPictureChooser([this](QWidget*, const std::string&) {
            m_log.Append(u"picture"_s);
            return std::optional<std::string>("/pictures/new.jpg");
        });
    }
}

void YardAssistantsTest::sequences_data() {
    QTest::addColumn<bool>("useListing");
    QTest::addColumn<bool>("useWizard");
    QTest::addColumn<bool>("giveProduct");
    QTest::addColumn<bool>("finishWizard");
    QTest::addColumn<bool>("withEditors");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("outcome");
    const QString nothing = u"message "_s + kNothingSelected;
    const QString unfinished = u"message "_s + kWizardUnfinished;
    const auto yes = QList<MessageAnswer>{MessageAnswer::Yes};
    const auto no = QList<MessageAnswer>{MessageAnswer::No};
    const int building = int(Outcome::Building);
    const int idle = int(Outcome::Idle);
    const int finished = int(Outcome::Finished);

    QTest::newRow("both off") << false << false << false << false << true << QList<MessageAnswer>()
                              << QStringList() << building;
    QTest::newRow("listing gives a product")
        << true << false << true << false << true << QList<MessageAnswer>()
        << QStringList{u"listing"_s} << building;
    QTest::newRow("listing gives nothing, stop") << true << false << false << false << true << no
                                                 << QStringList{u"listing"_s, nothing} << idle;
    QTest::newRow("listing gives nothing, go on") << true << false << false << false << true << yes
                                                  << QStringList{u"listing"_s, nothing} << building;
    QTest::newRow("wizard alone finishes")
        << false << true << false << true << true << QList<MessageAnswer>()
        << QStringList{u"wizard alone"_s, u"builder"_s, u"comments"_s, u"picture"_s} << finished;
    QTest::newRow("product, then wizard: no builder")
        << true << true << true << true << true << QList<MessageAnswer>()
        << QStringList{u"listing"_s, u"wizard after product"_s, u"comments"_s, u"picture"_s}
        << finished;
    QTest::newRow("nothing listed, go on, wizard finishes")
        << true << true << false << true << true << yes
        << QStringList{u"listing"_s, nothing,       u"wizard alone"_s,
                       u"builder"_s, u"comments"_s, u"picture"_s}
        << finished;
    QTest::newRow("nothing listed, stop: no wizard") << true << true << false << true << true << no
                                                     << QStringList{u"listing"_s, nothing} << idle;
    QTest::newRow("wizard cancelled, stop") << false << true << false << false << true << no
                                            << QStringList{u"wizard alone"_s, unfinished} << idle;
    QTest::newRow("wizard cancelled, go on")
        << false << true << false << false << true << yes
        << QStringList{u"wizard alone"_s, unfinished} << building;
    QTest::newRow("without comments and picture dialogs")
        << false << true << false << true << false << QList<MessageAnswer>()
        << QStringList{u"wizard alone"_s, u"builder"_s} << finished;
}

void YardAssistantsTest::sequences() {
    QFETCH(bool, useListing);
    QFETCH(bool, useWizard);
    QFETCH(bool, giveProduct);
    QFETCH(bool, finishWizard);
    QFETCH(bool, withEditors);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, log);
    QFETCH(int, outcome);
    m_yard->SetUseManufacturerFile(useListing);
    m_yard->SetUseWizard(useWizard);
    InstallHooks(giveProduct, finishWizard, withEditors);
    m_messages->QueueAnswers(answers);
    QTest::mouseClick(m_view->findChild<QPushButton*>(u"build"_s), Qt::LeftButton);
    QCOMPARE(m_log.Entries(), log);
    QCOMPARE(m_messages->PendingAnswers(), 0);
    for (const CRecordedMessage& shown : m_messages->Recorded()) {
        QCOMPARE(shown.message.caption, captions::YardWarning());
        QCOMPARE(shown.message.icon, MessageIcon::Question);
        QCOMPARE(shown.message.buttons, MessageButtons::YesNo);
    }
    QCOMPARE(m_view->IsBuildInProgress(), outcome == int(Outcome::Building));
    QCOMPARE(m_view->Tree()->HoldsItem(), outcome == int(Outcome::Finished));
    QCOMPARE(m_view->IsManufacturerProductChosen(), useListing && giveProduct);
    if (outcome != int(Outcome::Finished))
        return;
    const CInventoryElement* item = m_view->Tree()->GetHeldItem();
    QCOMPARE(item->GetItemNumber(), std::string(giveProduct ? "6464-1" : "BUILT-1"));
    QCOMPARE(item->GetComments(), std::string(withEditors ? "new comments" : ""));
    QCOMPARE(item->GetPicture(), std::string(withEditors ? "/pictures/new.jpg" : ""));
    QVERIFY(m_view->Tree()->IsDragEnabled());
}

void YardAssistantsTest::productFillsForm() {
    m_yard->SetUseWizard(false);
    InstallHooks(true, false, false);
    QTest::mouseClick(m_view->findChild<QPushButton*>(u"build"_s), Qt::LeftButton);
    QCOMPARE(List(1)->currentText(), u"Lionel"_s);
    QCOMPARE(List(0)->currentText(), u"b0"_s);
    // The catalogue's own spelling is kept when it differs only in case.
    QCOMPARE(List(3)->currentText(), u"A3"_s);
    QCOMPARE(List(4)->currentText(), u"b4"_s);
    QCOMPARE(List(5)->currentText(), u"On30"_s);
    QCOMPARE(ItemNumber()->text(), u"6464-1"_s);
    // What the catalogue lacked was added to it.
    QCOMPARE(*m_yard->GetValueList(1), (CValueList{"b1", "A1", "Lionel"}));
    QCOMPARE(*m_yard->GetValueList(5), (CValueList{"b5", "A5", "On30"}));
    QCOMPARE(m_yard->GetValueList(3)->size(), 2u);
    QVERIFY(m_yard->IsModified());
    // Attributes the product does not give keep their selections.
    QCOMPARE(List(6)->currentText(), u"A6"_s);
}

void YardAssistantsTest::wizardValuesFillForm_data() {
    QTest::addColumn<bool>("giveProduct");
    QTest::newRow("no product") << false;
    QTest::newRow("product") << true;
}

void YardAssistantsTest::wizardValuesFillForm() {
    QFETCH(bool, giveProduct);
    m_yard->SetUseManufacturerFile(giveProduct);
    InstallHooks(giveProduct, true, false);
    // Case does not matter; an empty choice leaves its list without a selection.
    m_choices[1] = "B1";
    m_choices[6] = "a6";
    m_choices[12].clear();
    m_choices[13] = "not in the list";
    QTest::mouseClick(m_view->findChild<QPushButton*>(u"build"_s), Qt::LeftButton);
    const CInventoryElement* item = m_view->Tree()->GetHeldItem();
    QVERIFY(item);
    QCOMPARE(item->GetManufacturer(), std::string(giveProduct ? "Lionel" : "b1"));
    QCOMPARE(item->GetScale(), std::string(giveProduct ? "On30" : "b5"));
    QCOMPARE(item->GetCondition(), std::string("A6"));
    QCOMPARE(item->GetDateBuilt(), std::string("b8"));
    QCOMPARE(item->GetUserDefined1(), std::string());
    QCOMPARE(item->GetUserDefined2(), std::string());
    QCOMPARE(item->GetEntryYear(), 2024);
}

void YardAssistantsTest::useManufacturerFileCommand() {
    m_yard->SetUseManufacturerFile(false);
    m_yard->SetUseWizard(false);
    InstallHooks(true, false, false);
    const auto entry = [this] {
        CCommandUpdate update(CommandId::UseManufacturerFile);
        m_view->OnUpdateCommand(CommandId::UseManufacturerFile, update);
        return update;
    };
    QVERIFY(!entry().IsEnabled());
    QCOMPARE(entry().GetText().value_or(QString()), u"Use HManufacturer File"_s);
    m_view->OnCommand(CommandId::UseManufacturerFile);
    QVERIFY(m_log.Entries().isEmpty());
    m_view->StartBuild();
    QVERIFY(entry().IsEnabled());
    m_view->show();
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    QCOMPARE(QApplication::focusWidget(), List(1)); // the build starts on the Manufacturer
    m_view->OnCommand(CommandId::UseManufacturerFile);
    QCOMPARE(m_log.Entries(), QStringList{u"listing"_s});
    // The chosen product filled the form; the user goes on with the Condition.
    QCOMPARE(QApplication::focusWidget(), List(6));
    QCOMPARE(List(1)->currentText(), u"Lionel"_s);
    QCOMPARE(ItemNumber()->text(), u"6464-1"_s);
    QVERIFY(m_view->IsBuildInProgress());
    QCOMPARE(m_messages->Count(), 0);
}

void YardAssistantsTest::commentsAndPictureButtons() {
    m_yard->SetUseManufacturerFile(false);
    m_yard->SetUseWizard(false);
    auto* comments = m_view->findChild<QPushButton*>(u"comments"_s);
    auto* picture = m_view->findChild<QPushButton*>(u"picture"_s);
    m_view->StartBuild();
    // Without the dialogs there is nothing to press.
    QVERIFY(!comments->isEnabled() && !picture->isEnabled());
    InstallHooks(false, false, true);
    QVERIFY(comments->isEnabled() && picture->isEnabled());
    QTest::mouseClick(comments, Qt::LeftButton);
    QTest::mouseClick(comments, Qt::LeftButton);
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(m_view->PendingComments(), std::string("new commentsnew comments"));
    QCOMPARE(m_view->PendingPicture(), std::string("/pictures/new.jpg"));
    m_view->FinishBuild();
    QVERIFY(!comments->isEnabled() && !picture->isEnabled());
    QCOMPARE(m_view->Tree()->GetHeldItem()->GetComments(), std::string("new commentsnew comments"));
    // The finished build's texts are not carried into the idle state.
    QCOMPARE(m_view->PendingComments(), std::string());
    QCOMPARE(m_view->PendingPicture(), std::string());
    // A new build starts with empty pending texts.
    m_messages->QueueAnswers({MessageAnswer::Yes});
    m_view->StartBuild();
    QCOMPARE(m_view->PendingComments(), std::string());
    QCOMPARE(m_view->PendingPicture(), std::string());
}

void YardAssistantsTest::wizardCustomizeOpensSheetOnItsAttribute() {
    QTemporaryDir dir;
    m_yard->SetPathName(dir.filePath(u"Classyrd.mst"_s).toStdString());
    m_yard->SetUseManufacturerFile(false);
    m_yard->SetUseWizard(true);
    m_view->SetItemNumberBuilder([](QWidget*, const std::string&) { return std::nullopt; });
    int sheetAttribute = -1;
    QStringList offered;
    QTimer::singleShot(0, this, [&] {
        auto* wizard = qobject_cast<CClassificationWizard*>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        wizard->setCurrentId(4);
        QTimer::singleShot(0, this, [&] {
            auto* sheet = qobject_cast<CCustomizeSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet);
            sheetAttribute = sheet->Values().Attributes()->Checked();
            QTimer::singleShot(0, this, [] {
                auto* add = qobject_cast<CAddChangeDialog*>(QApplication::activeModalWidget());
                QVERIFY(add);
                add->findChild<QLineEdit*>(u"value"_s)->setText(u"Gauge 3"_s);
                add->accept();
            });
            sheet->Values().Add();
            sheet->accept();
        });
        QTest::mouseClick(wizard->Page(4)->findChild<QPushButton*>(u"customize"_s), Qt::LeftButton);
        auto* choices = wizard->Page(4)->findChild<QComboBox*>(u"choices"_s);
        for (int k = 0; k < choices->count(); ++k)
            offered << choices->itemText(k);
        choices->setCurrentIndex(choices->findText(u"Gauge 3"_s));
        while (wizard->currentId() != 12)
            wizard->next();
        wizard->accept();
    });
    m_view->StartBuild();
    QCOMPARE(sheetAttribute, static_cast<int>(Attribute::Scale));
    QCOMPARE(offered, (QStringList{u"A5"_s, u"b5"_s, u"Gauge 3"_s}));
    QCOMPARE(m_view->Tree()->GetHeldItem()->GetScale(), std::string("Gauge 3"));
    QVERIFY(List(5)->findText(u"Gauge 3"_s) >= 0);
    QVERIFY(QFile::exists(dir.filePath(u"Classyrd.mst"_s)));
    QCOMPARE(m_messages->Count(), 0);
}

void YardAssistantsTest::defaultDataRunsThrough() {
    // The bundled catalogue and manufacturer file, through the real listing and wizard.
    const QDir data(QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR));
    QTemporaryDir dir;
    QVERIFY(QFile::copy(data.filePath(u"Classyrd.mst"_s), dir.filePath(u"Classyrd.mst"_s)));
    m_view.reset();
    m_yard = std::make_unique<CClassificationDoc>(m_clock,
                                                  data.filePath(u"ExtMFile.mst"_s).toStdString());
    QVERIFY(m_yard->OnOpenDocument(dir.filePath(u"Classyrd.mst"_s).toStdString()).Succeeded());
    m_yard->SetUseManufacturerFile(true);
    m_yard->SetUseWizard(true);
    m_view = std::make_unique<CClassificationView>(*m_yard, m_clock, *m_messages);

    QString manufacturer;
    std::string itemNumber;
    int wizardStart = -1;
    // The listing: the first product of the second tab.
    QTimer::singleShot(0, this, [&] {
        auto* sheet = qobject_cast<CManufacturerSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        QVERIFY(sheet->PageCount() > 1);
        sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTreeView* list = sheet->Page(1)->List();
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        manufacturer = sheet->findChild<QTabWidget*>()->tabText(1);
        itemNumber = text::ToBytes(list->model()->index(0, 0).data().toString()).value();
        // The wizard opens once the listing has closed.
        QTimer::singleShot(0, this, [&] {
            auto* wizard = qobject_cast<CClassificationWizard*>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            wizardStart = wizard->currentId();
            while (wizard->currentId() != 12)
                wizard->next();
            wizard->accept();
        });
        sheet->accept();
    });
    m_view->StartBuild();
    QCOMPARE(wizardStart, CClassificationWizard::kConditionPage);
    QVERIFY(!m_view->IsBuildInProgress());
    const CInventoryElement* item = m_view->Tree()->GetHeldItem();
    QVERIFY(item);
    QCOMPARE(text::FromBytes(item->GetManufacturer()), manufacturer);
    QCOMPARE(item->GetItemNumber(), itemNumber);
    QVERIFY(!item->GetCondition().empty());
    QVERIFY(!item->GetPurchasePrice().empty());
    QCOMPARE(m_messages->Count(), 0);
}

// The manual's pictures of the yard, with what a collector sees: the bundled
// catalogue and manufacturer file.
void YardAssistantsTest::defaultDataPictures() {
    if (!ScreenshotsWanted())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
    const QDir data(QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR));
    QTemporaryDir dir;
    QVERIFY(QFile::copy(data.filePath(u"Classyrd.mst"_s), dir.filePath(u"Classyrd.mst"_s)));
    m_view.reset();
    m_yard = std::make_unique<CClassificationDoc>(m_clock,
                                                  data.filePath(u"ExtMFile.mst"_s).toStdString());
    QVERIFY(m_yard->OnOpenDocument(dir.filePath(u"Classyrd.mst"_s).toStdString()).Succeeded());
    m_view = std::make_unique<CClassificationView>(*m_yard, m_clock, *m_messages);
    const auto unchanged = [](QWidget*, const std::string&) {
        return std::optional<std::string>();
    };
    m_view->SetCommentsEditor(unchanged);
    m_view->SetPictureChooser(unchanged);
    m_view->SetItemNumberBuilder(unchanged);
    m_view->resize(m_view->sizeHint());
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    QVERIFY(SaveScreenshot(*m_view, u"Yard-idle.png"_s));

    // The listing on its second tab, the wizard on the page the product leads to.
    QTimer::singleShot(0, this, [&] {
        auto* sheet = qobject_cast<CManufacturerSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
        QTreeView* list = sheet->Page(1)->List();
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
        QVERIFY(SaveScreenshot(*sheet, u"ManufacturerListing.png"_s));
        QTimer::singleShot(0, this, [&] {
            auto* wizard = qobject_cast<CClassificationWizard*>(QApplication::activeModalWidget());
            QVERIFY(wizard);
            QVERIFY(SaveScreenshot(*wizard, u"Wizard-condition.png"_s));
            QVERIFY(SaveScreenshot(*m_view, u"Yard-building.png"_s));
            while (wizard->currentId() != 12)
                wizard->next();
            wizard->accept();
        });
        sheet->accept();
    });
    m_view->StartBuild();
    QVERIFY(m_view->Tree()->GetHeldItem());
    m_view->Tree()->expandAll();
    QVERIFY(SaveScreenshot(*m_view, u"Yard-finished.png"_s));

    CClassificationWizard wizard(*m_yard, false, {});
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QVERIFY(SaveScreenshot(wizard, u"Wizard-first.png"_s));
    while (wizard.currentId() != 12)
        wizard.next();
    QVERIFY(SaveScreenshot(wizard, u"Wizard-last.png"_s));
    wizard.reject();

    CCustomizeSheet sheet(*m_yard, m_clock, *m_messages, static_cast<int>(Attribute::Scale));
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QVERIFY(SaveScreenshot(sheet, u"Customize-values-real.png"_s));
    sheet.Values().findChild<QAbstractButton*>(u"attribute2"_s)->click();
    QVERIFY(SaveScreenshot(sheet, u"Customize-item-number-real.png"_s));
    auto* tabs = sheet.findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);
    QVERIFY(SaveScreenshot(sheet, u"Customize-headings-real.png"_s));
    tabs->setCurrentIndex(2);
    QVERIFY(SaveScreenshot(sheet, u"Customize-preferences-real.png"_s));
    sheet.reject();
    CDateControlDialog dates(1900, QDate::currentDate().year());
    dates.show();
    QVERIFY(SaveScreenshot(dates, u"DateControl-real.png"_s));
    CDollarControlDialog dollars(0, 2000);
    dollars.show();
    QVERIFY(SaveScreenshot(dollars, u"DollarControl-real.png"_s));

    CSidingWardDoc sample;
    sample.SetTitle("Sample.inv");
    CSidingWardDoc fresh;
    fresh.SetTitle("NewInventory1");
    CChooseInventoryDialog choose({&sample, &fresh}, *m_messages);
    choose.show();
    QVERIFY(QTest::qWaitForWindowExposed(&choose));
    QVERIFY(SaveScreenshot(choose, u"ChooseInventory.png"_s));
}

QTEST_MAIN(YardAssistantsTest)
#include "YardAssistantsTest.moc"
