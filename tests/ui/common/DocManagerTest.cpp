#include "ui/common/DocManager.h"

#include <deque>
#include <fstream>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/DocTemplate.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/MessageSink.h"

namespace {

constexpr const char* kInventoryString = "Gaugewright\nNewInventory\nInventory\nInventory (*.inv)\n"
                                         ".inv\nGaugewrt.Document\nGaugewright Inventory File";

class RecordingSink : public CMessageSink {
public:
    MessageAnswer Show(QWidget*, const CMessage& message) override {
        shown.push_back(message);
        if (answers.empty())
            return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<CMessage> shown;
    std::deque<MessageAnswer> answers;
};

class ScriptedChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString& filter) override {
        lastFilter = filter;
        return next;
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString& suggested,
                                            const QString& filter, const QString& suffix) override {
        lastSuggested = suggested;
        lastFilter = filter;
        lastSuffix = suffix;
        return next;
    }
    std::optional<QString> next;
    QString lastSuggested, lastFilter, lastSuffix;
};

void WriteFile(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

std::string ReadFile(const QString& path) {
    std::ifstream file(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// An inventory file with one item, as the program writes it.
std::string OneItemInventory() {
    return std::string("\x0BGAUGEWRIGHT\xD5\x00\x01\x00", 16) + std::string(17, '\0') +
           std::string("\x03\x00\x01\x00\xAA\x07", 6) + std::string(1, '\0') +
           std::string("\x00\x00", 2);
}

} // namespace

class DocManagerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingSink m_sink;
    ScriptedChooser m_chooser;
    std::unique_ptr<CDocManager> m_manager;

    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private slots:
    void init() {
        m_sink = RecordingSink();
        m_chooser = ScriptedChooser();
        m_manager = std::make_unique<CDocManager>(m_sink, m_chooser);
        m_manager->AddTemplate(std::make_unique<CDocTemplate>(
            129, kInventoryString, [] { return std::make_unique<CSidingWardDoc>(); }));
    }

    void newDocumentsAreNumberedFromOne() {
        QSignalSpy opened(m_manager.get(), &CDocManager::DocumentOpened);
        CDocTemplate& inventory = *m_manager->FindTemplate(129);
        QCOMPARE(m_manager->NewDocument(inventory)->GetTitle(), std::string("NewInventory1"));
        QCOMPARE(m_manager->NewDocument(inventory)->GetTitle(), std::string("NewInventory2"));
        QCOMPARE(opened.count(), 2);
        QVERIFY(m_sink.shown.empty());
    }

    void openShowsTheOutcomeOfEveryKindOfFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("one item") << QByteArray::fromStdString(OneItemInventory()) << true
                                  << QString() << 0;
        QTest::newRow("zero bytes") << QByteArray() << true << QString() << 0;
        QTest::newRow("not ours") << QByteArray("\x0Bgaugewright\xD5\x00\x00\x00\x00\x00", 18)
                                  << true
                                  << QStringLiteral("The selected file is not a Gaugewright file!")
                                  << static_cast<int>(MessageIcon::Critical);
        QTest::newRow("truncated")
            << QByteArray("\x0BGAUGEWRIGHT\xD5\x00\x05", 15) << false
            << QStringLiteral("Unexpected file format.") << static_cast<int>(MessageIcon::Warning);
    }

    void openShowsTheOutcomeOfEveryKindOfFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        QFETCH(int, icon);
        const QString path = PathOf("test.inv");
        WriteFile(path, bytes.toStdString());
        CDocument* document = m_manager->OpenDocumentFile(path);
        QCOMPARE(document != nullptr, opens);
        if (message.isEmpty()) {
            QVERIFY(m_sink.shown.empty());
        } else {
            QCOMPARE(m_sink.shown.size(), std::size_t{1});
            QCOMPARE(m_sink.shown[0].text, message);
            QCOMPARE(m_sink.shown[0].caption, captions::ApplicationTitle());
            QCOMPARE(static_cast<int>(m_sink.shown[0].icon), icon);
            QCOMPARE(m_sink.shown[0].buttons, MessageButtons::Ok);
        }
        if (document) {
            QCOMPARE(document->GetTitle(), std::string("test.inv"));
            QVERIFY(!document->IsModified());
            QCOMPARE(m_manager->GetRecentFiles().GetFiles().value(0), path);
        } else {
            QVERIFY(m_manager->GetDocuments().empty());
            QVERIFY(m_manager->GetRecentFiles().GetFiles().isEmpty());
        }
    }

    void aFileAlreadyOpenIsNotReadAgain() {
        const QString path = PathOf("once.inv");
        WriteFile(path, OneItemInventory());
        CDocument* first = m_manager->OpenDocumentFile(path);
        QSignalSpy opened(m_manager.get(), &CDocManager::DocumentOpened);
        QCOMPARE(m_manager->OpenDocumentFile(m_dir.path() + QStringLiteral("/./once.inv")), first);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(m_manager->GetDocuments().size(), std::size_t{1});
    }

    void aMissingFileIsReportedWithItsName() {
        QVERIFY(!m_manager->OpenDocumentFile(PathOf("missing.inv")));
        QCOMPARE(m_sink.shown.at(0).text,
                 PathOf("missing.inv") + QStringLiteral(" was not found."));
    }

    void saveOfANewDocumentAsksForAName() {
        CDocument* document = m_manager->NewDocument(*m_manager->FindTemplate(129));
        document->SetModifiedFlag(true);
        m_chooser.next = std::nullopt;
        QVERIFY(!m_manager->SaveDocument(*document, nullptr));
        QCOMPARE(m_chooser.lastSuggested, QStringLiteral("NewInventory1"));
        QCOMPARE(m_chooser.lastFilter, QStringLiteral("Inventory (*.inv)"));
        QCOMPARE(m_chooser.lastSuffix, QStringLiteral("inv"));
        QVERIFY(document->IsModified());

        m_chooser.next = PathOf("saved.inv");
        QVERIFY(m_manager->SaveDocument(*document, nullptr));
        QVERIFY(!document->IsModified());
        QCOMPARE(document->GetTitle(), std::string("saved.inv"));
        QCOMPARE(ReadFile(PathOf("saved.inv")).size(), std::size_t{18});
        QCOMPARE(m_manager->GetRecentFiles().GetFiles().value(0), PathOf("saved.inv"));
    }

    // A file that did not open as an inventory is never written over by a plain Save.
    void aFileNotOursIsSavedOnlyUnderAChosenName() {
        const std::string foreign("\x0Bgaugewright\xD5\x00 someone's notes", 30);
        const QString path = PathOf("notes.inv");
        WriteFile(path, foreign);
        auto* document = static_cast<CSidingWardDoc*>(m_manager->OpenDocumentFile(path));
        QVERIFY(document);
        document->AddItem(std::make_unique<CInventoryElement>(), nullptr);
        m_chooser.next = std::nullopt;
        QVERIFY(!m_manager->SaveDocument(*document, nullptr));
        QCOMPARE(m_chooser.lastSuggested, path);
        QCOMPARE(ReadFile(path), foreign);
        // The closing question's Yes goes through the same choice.
        m_sink.answers = {MessageAnswer::Yes};
        QVERIFY(!m_manager->SaveModified(*document, nullptr));
        QCOMPARE(ReadFile(path), foreign);

        m_chooser.next = PathOf("kept.inv");
        QVERIFY(m_manager->SaveDocument(*document, nullptr));
        QCOMPARE(ReadFile(path), foreign);
        QVERIFY(!ReadFile(PathOf("kept.inv")).empty());
        // Its own file now, a later Save needs no name.
        document->SetModifiedFlag(true);
        m_chooser.next = std::nullopt;
        QVERIFY(m_manager->SaveDocument(*document, nullptr));
        QVERIFY(!document->IsModified());
    }

    void saveAsOntoAFileOpenInAnotherWindowIsRefused() {
        const QString path = PathOf("open.inv");
        WriteFile(path, OneItemInventory());
        CDocument* open = m_manager->OpenDocumentFile(path);
        CDocument* other = m_manager->NewDocument(*m_manager->FindTemplate(129));
        m_chooser.next = path;
        QVERIFY(!m_manager->SaveDocumentAs(*other, nullptr));
        QCOMPARE(ReadFile(path), OneItemInventory());
        QCOMPARE(m_sink.shown.size(), std::size_t{1});
        QCOMPARE(m_sink.shown[0].text, path + QStringLiteral(" is open in another window.\n"
                                                             "Close it there first, or save "
                                                             "under another name."));
        QCOMPARE(m_sink.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(other->GetTitle(), std::string("NewInventory1"));
        // Under its own name a document saves as always.
        QVERIFY(m_manager->SaveDocumentAs(*open, nullptr));
        QCOMPARE(m_sink.shown.size(), std::size_t{1});
    }

    void aFailedSaveKeepsTheDocumentModified_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder")
            << QStringLiteral("no/such/folder/x.inv") << QStringLiteral("%1 was not found.");
        // Mode 0444: refused even where the system would let the user replace it.
        QTest::newRow("read-only file")
            << QStringLiteral("locked.inv") << QStringLiteral("Access to %1 was denied.");
    }

    void aFailedSaveKeepsTheDocumentModified() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(name);
        WriteFile(m_dir.filePath(QStringLiteral("locked.inv")), OneItemInventory());
        QFile::setPermissions(m_dir.filePath(QStringLiteral("locked.inv")),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        CDocument* document = m_manager->NewDocument(*m_manager->FindTemplate(129));
        document->SetModifiedFlag(true);
        m_chooser.next = path;
        QVERIFY(!m_manager->SaveDocument(*document, nullptr));
        QVERIFY(document->IsModified());
        QCOMPARE(m_sink.shown.at(0).text, message.arg(path));
        QCOMPARE(m_sink.shown.at(0).icon, MessageIcon::Warning);
        QCOMPARE(ReadFile(m_dir.filePath(QStringLiteral("locked.inv"))), OneItemInventory());
    }

    void closingAModifiedDocumentAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << static_cast<int>(MessageAnswer::Yes) << true << true;
        QTest::newRow("no") << static_cast<int>(MessageAnswer::No) << true << false;
        QTest::newRow("cancel") << static_cast<int>(MessageAnswer::Cancel) << false << false;
    }

    void closingAModifiedDocumentAsksFirst() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString path = PathOf("kept.inv");
        WriteFile(path, OneItemInventory());
        auto* document = static_cast<CSidingWardDoc*>(m_manager->OpenDocumentFile(path));
        document->AddItem(std::make_unique<CInventoryElement>(), nullptr);
        QSignalSpy closing(m_manager.get(), &CDocManager::DocumentClosing);
        m_sink.answers = {static_cast<MessageAnswer>(answer)};
        QCOMPARE(m_manager->CloseDocument(*document, nullptr), closed);
        QCOMPARE(m_sink.shown.at(0), (CMessage{QStringLiteral("Save changes to kept.inv?"),
                                               captions::ApplicationTitle(), MessageIcon::Question,
                                               MessageButtons::YesNoCancel}));
        QCOMPARE(closing.count(), closed ? 1 : 0);
        QCOMPARE(m_manager->GetDocuments().size(), closed ? std::size_t{0} : std::size_t{1});
        QCOMPARE(ReadFile(path) != OneItemInventory(), saved);
    }

    void anUnmodifiedDocumentClosesWithoutAQuestion() {
        CDocument* document = m_manager->NewDocument(*m_manager->FindTemplate(129));
        QVERIFY(m_manager->CloseDocument(*document, nullptr));
        QVERIFY(m_sink.shown.empty());
        QVERIFY(m_manager->GetDocuments().empty());
    }

    void theRecentListKeepsFourFilesMostRecentFirst() {
        CRecentFileList list;
        for (const char* name : {"a.inv", "b.inv", "c.inv", "d.inv", "e.inv", "c.inv"})
            list.Add(PathOf(name));
        QCOMPARE(list.GetFiles(),
                 (QStringList{PathOf("c.inv"), PathOf("e.inv"), PathOf("d.inv"), PathOf("b.inv")}));
        list.SetFiles({PathOf("x.inv"), QString(), PathOf("x.inv"), PathOf("y.inv")});
        QCOMPARE(list.GetFiles(), (QStringList{PathOf("x.inv"), PathOf("y.inv")}));
        list.Remove(PathOf("x.inv"));
        QCOMPARE(list.GetFiles(), QStringList{PathOf("y.inv")});
    }
};

QTEST_GUILESS_MAIN(DocManagerTest)
#include "DocManagerTest.moc"
