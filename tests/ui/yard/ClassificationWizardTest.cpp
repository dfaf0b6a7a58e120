#include "ui/yard/ClassificationWizard.h"

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Text.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

// The page order of the wizard by attribute.
const QList<int> kPageAttributes = {1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

} // namespace

class ClassificationWizardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pagesInOrder();
    void buttonsAlongTheWay();
    void startsOnConditionAfterProduct();
    void fillingOrder_data();
    void fillingOrder();
    void linkedPages_data();
    void linkedPages();
    void linkedValueKeptAfterBack();
    void emptyListLeavesNothing();
    void customizeRefillsPage();
    void runGivesChoices_data();
    void runGivesChoices();
    void screenshots();

private:
    CClassificationWizard& MakeWizard(bool productChosen = false);
    QComboBox* Choices(int page) const {
        return m_wizard->Page(page)->findChild<QComboBox*>(u"choices"_s);
    }
    void Select(int page, const QString& text) {
        const int index = Choices(page)->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        Choices(page)->setCurrentIndex(index);
    }

    CFixedClock m_clock{CDate{2024, 5, 17}};
    std::unique_ptr<CClassificationDoc> m_yard;
    std::unique_ptr<CClassificationWizard> m_wizard;
    QList<int> m_customized;
};

void ClassificationWizardTest::init() {
    m_yard = std::make_unique<CClassificationDoc>(m_clock);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        m_yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
        if (CValueList* values = m_yard->GetValueList(attribute))
            *values = {"b" + std::to_string(attribute), "A" + std::to_string(attribute)};
    }
    m_customized.clear();
}

void ClassificationWizardTest::cleanup() {
    m_wizard.reset();
    m_yard.reset();
}

CClassificationWizard& ClassificationWizardTest::MakeWizard(bool productChosen) {
    m_wizard = std::make_unique<CClassificationWizard>(
        *m_yard, productChosen, [this](QWidget* parent, int attribute) {
            QCOMPARE(parent, m_wizard.get());
            m_customized << attribute;
            m_yard->AddValue(*m_yard->GetValueList(attribute), "0 added");
            m_yard->SetHeading(attribute, "renamed");
        });
    m_wizard->show();
    return *m_wizard;
}

void ClassificationWizardTest::pagesInOrder() {
    CClassificationWizard& wizard = MakeWizard();
    QCOMPARE(wizard.windowTitle(), u"Classification Yard Wizard"_s);
    QCOMPARE(wizard.pageIds().size(), 13);
    for (int page = 0; page < 13; ++page) {
        QCOMPARE(wizard.Page(page)->GetAttribute(), kPageAttributes[page]);
        // The label shows the heading once the page was shown.
        wizard.setCurrentId(page);
        const auto labels = wizard.Page(page)->findChildren<QLabel*>();
        const bool labelled = std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
            return label->text() == u"H"_s + QLatin1String(AttributeName(kPageAttributes[page]));
        });
        QVERIFY(labelled);
    }
    QVERIFY(!wizard.testOption(QWizard::HaveHelpButton));
    QVERIFY(!wizard.button(QWizard::HelpButton)->isVisible());
}

void ClassificationWizardTest::buttonsAlongTheWay() {
    CClassificationWizard& wizard = MakeWizard();
    QCOMPARE(wizard.currentId(), 0);
    for (int page = 0; page < 13; ++page) {
        QCOMPARE(wizard.currentId(), page);
        const int buttons = wizard.Page(page)->GetWizardButtons();
        QCOMPARE(wizard.button(QWizard::BackButton)->isEnabled(),
                 (buttons & CClassificationWizardPage::kBack) != 0);
        const bool finish = page == 12;
        QCOMPARE(buttons, finish ? 5 : (page == 0 ? 2 : 3));
        QCOMPARE(wizard.button(QWizard::FinishButton)->isVisible(), finish);
        QCOMPARE(wizard.button(QWizard::NextButton)->isVisible() &&
                     wizard.button(QWizard::NextButton)->isEnabled(),
                 !finish);
        if (!finish)
            QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    }
    QTest::mouseClick(wizard.button(QWizard::BackButton), Qt::LeftButton);
    QCOMPARE(wizard.currentId(), 11);
}

void ClassificationWizardTest::startsOnConditionAfterProduct() {
    CClassificationWizard& wizard = MakeWizard(true);
    QCOMPARE(wizard.currentId(), CClassificationWizard::kConditionPage);
    QCOMPARE(wizard.Page(5)->GetWizardButtons(), 2);
    QVERIFY(!wizard.button(QWizard::BackButton)->isEnabled());
    for (int page = 0; page < 5; ++page)
        QVERIFY(!wizard.Page(page)->IsCreated());
    QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    QVERIFY(wizard.button(QWizard::BackButton)->isEnabled());
    while (wizard.currentId() != 12)
        wizard.next();
    wizard.accept();
    const CWizardChoices choices = wizard.GetChoices();
    for (const int attribute : {0, 1, 3, 4, 5})
        QCOMPARE(choices[static_cast<std::size_t>(attribute)], std::string());
    QCOMPARE(choices[6], std::string("A6"));
    QCOMPARE(choices[13], std::string("A13"));
}

void ClassificationWizardTest::fillingOrder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("manufacturer sorted") << 0 << QStringList{u"A1"_s, u"b1"_s};
    QTest::newRow("date built in list order") << 7 << QStringList{u"b8"_s, u"A8"_s};
    QTest::newRow("current value in list order") << 10 << QStringList{u"b11"_s, u"A11"_s};
    QTest::newRow("user defined 2 sorted") << 12 << QStringList{u"A13"_s, u"b13"_s};
}

void ClassificationWizardTest::fillingOrder() {
    QFETCH(int, page);
    QFETCH(QStringList, shown);
    MakeWizard().setCurrentId(page);
    QStringList entries;
    for (int k = 0; k < Choices(page)->count(); ++k)
        entries << Choices(page)->itemText(k);
    QCOMPARE(entries, shown);
    QCOMPARE(Choices(page)->currentIndex(), 0);
}

void ClassificationWizardTest::linkedPages_data() {
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<QStringList>("fromValues");
    QTest::addColumn<QStringList>("toValues");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("proposed");
    const QStringList years = {u"1999"_s, u"1995"_s, u"1990"_s};
    QTest::newRow("purchase date proposes date built")
        << 7 << years << QStringList{u"2000"_s, u"1995"_s} << u"1995"_s << u"1995"_s;
    QTest::newRow("year not in purchase date list")
        << 7 << years << QStringList{u"2000"_s, u"1998"_s} << u"1990"_s << u"2000"_s;
    QTest::newRow("current value proposes purchase price")
        << 9 << QStringList{u"1.00"_s, u"2.00"_s} << QStringList{u"0.00"_s, u"2.00"_s} << u"2.00"_s
        << u"2.00"_s;
}

void ClassificationWizardTest::linkedPages() {
    QFETCH(int, fromPage);
    QFETCH(QStringList, fromValues);
    QFETCH(QStringList, toValues);
    QFETCH(QString, chosen);
    QFETCH(QString, proposed);
    const auto store = [this](int page, const QStringList& values) {
        CValueList* list = m_yard->GetValueList(kPageAttributes[page]);
        list->clear();
        for (const QString& value : values)
            list->push_back(text::ToBytes(value).value());
    };
    store(fromPage, fromValues);
    store(fromPage + 1, toValues);
    CClassificationWizard& wizard = MakeWizard();
    wizard.setCurrentId(fromPage);
    Select(fromPage, chosen);
    QTest::mouseClick(wizard.button(QWizard::NextButton), Qt::LeftButton);
    QCOMPARE(wizard.Page(fromPage)->GetChosenValue(), text::ToBytes(chosen).value());
    QCOMPARE(Choices(fromPage + 1)->currentText(), proposed);
}

void ClassificationWizardTest::linkedValueKeptAfterBack() {
    *m_yard->GetValueList(8) = {"1999", "1995", "1990"};
    *m_yard->GetValueList(9) = {"1999", "1995", "1990"};
    CClassificationWizard& wizard = MakeWizard();
    wizard.setCurrentId(7);
    Select(7, u"1995"_s);
    wizard.next();
    QCOMPARE(Choices(8)->currentText(), u"1995"_s);
    wizard.next();
    wizard.back();
    wizard.back();
    QCOMPARE(wizard.currentId(), 7);
    Select(7, u"1990"_s);
    wizard.next();
    // The Purchase Date chosen before stays.
    QCOMPARE(Choices(8)->currentText(), u"1995"_s);
    QCOMPARE(wizard.Page(8)->GetChosenValue(), std::string("1995"));
}

void ClassificationWizardTest::emptyListLeavesNothing() {
    m_yard->GetValueList(3)->clear();
    CClassificationWizard& wizard = MakeWizard();
    wizard.next();
    wizard.next();
    QCOMPARE(Choices(2)->count(), 0);
    wizard.next();
    QCOMPARE(wizard.Page(2)->GetChosenValue(), std::string());
    QCOMPARE(wizard.Page(1)->GetChosenValue(), std::string("A0"));
}

void ClassificationWizardTest::customizeRefillsPage() {
    CClassificationWizard& wizard = MakeWizard();
    wizard.setCurrentId(4);
    Select(4, u"b5"_s);
    QTest::mouseClick(wizard.Page(4)->findChild<QPushButton*>(u"customize"_s), Qt::LeftButton);
    QCOMPARE(m_customized, QList<int>{5});
    QStringList entries;
    for (int k = 0; k < Choices(4)->count(); ++k)
        entries << Choices(4)->itemText(k);
    QCOMPARE(entries, (QStringList{u"0 added"_s, u"A5"_s, u"b5"_s}));
    QCOMPARE(Choices(4)->currentIndex(), 0);
    // The label keeps the heading the wizard was built with.
    const auto labels = wizard.Page(4)->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [](QLabel* label) { return label->text() == u"HScale"_s; }));
}

void ClassificationWizardTest::runGivesChoices_data() {
    QTest::addColumn<bool>("finish");
    QTest::newRow("finish") << true;
    QTest::newRow("cancel") << false;
}

void ClassificationWizardTest::runGivesChoices() {
    QFETCH(bool, finish);
    QTimer::singleShot(0, this, [finish] {
        auto* wizard = qobject_cast<CClassificationWizard*>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        for (int page = 0; page < 12; ++page) {
            QComboBox* list = wizard->Page(page)->findChild<QComboBox*>(u"choices"_s);
            list->setCurrentIndex(list->count() - 1);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        }
        QTest::mouseClick(wizard->button(finish ? QWizard::FinishButton : QWizard::CancelButton),
                          Qt::LeftButton);
    });
    const auto choices = CClassificationWizard::Run(nullptr, *m_yard, false, {});
    QCOMPARE(choices.has_value(), finish);
    if (!finish)
        return;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        // The last entry of each page: b for sorted pages, A for those in list order;
        // User Defined 2 was left at its first (sorted) entry.
        std::string expected = "b" + std::to_string(attribute);
        if (attribute >= 8 && attribute <= 11)
            expected = "A" + std::to_string(attribute);
        if (attribute == 13)
            expected = "A13";
        if (attribute == 2)
            expected.clear();
        QCOMPARE((*choices)[static_cast<std::size_t>(attribute)], expected);
    }
}

void ClassificationWizardTest::screenshots() {
    if (!ScreenshotsWanted())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
    CClassificationWizard& wizard = MakeWizard();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QVERIFY(SaveScreenshot(wizard, u"ClassificationWizard-first.png"_s));
    wizard.setCurrentId(12);
    QVERIFY(SaveScreenshot(wizard, u"ClassificationWizard-last.png"_s));
}

QTEST_MAIN(ClassificationWizardTest)
#include "ClassificationWizardTest.moc"
