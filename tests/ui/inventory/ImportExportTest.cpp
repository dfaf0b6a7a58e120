#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "model/core/DelimitedText.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/inventory/DelimiterGroup.h"
#include "ui/inventory/ExportDialog.h"
#include "ui/inventory/ImportDialog.h"
#include "ui/inventory/ImportExportCommands.h"
#include "ui/inventory/ImportPreviewDialog.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/inventory/TextEditor.h"
#include "ui/support/FakeDesktop.h"
#include "ui/support/InventoryBench.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/Screenshot.h"

using namespace Qt::StringLiterals;

namespace {

// Answers the file questions with queued paths (none left: cancelled) and notes
// each question's title, default suffix and file types.
class ScriptedChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override {
        qFatal("the import asks with its title");
        return std::nullopt;
    }
    std::optional<QString> ChooseFileToOpenTitled(QWidget*, const QString& title,
                                                  const QStringList& filters, const QString& suffix,
                                                  const QString& folder) override {
        folders << folder;
        return Answer(QStringList{title, suffix} + filters);
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        qFatal("the export asks with its title");
        return std::nullopt;
    }
    std::optional<QString> ChooseFileToSaveTitled(QWidget*, const QString& title,
                                                  const QStringList& filters, const QString& suffix,
                                                  const QString& folder) override {
        folders << folder;
        return Answer(QStringList{title, suffix} + filters);
    }

    QStringList answers;
    QStringList folders;
    QList<QStringList> questions;

private:
    std::optional<QString> Answer(const QStringList& question) {
        questions << question;
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    }
};

const QStringList kFileTypes = {u"Text and CSV files (*.txt *.csv *.tsv)"_s,
                                u"All Files(*.*) (*)"_s};

CImportDialog::Headings DefaultHeadings() {
    CImportDialog::Headings headings;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] = AttributeName(attribute);
    return headings;
}

QList<int> Fields(const QListWidget* list) {
    QList<int> fields;
    for (int row = 0; row < list->count(); ++row)
        fields << list->item(row)->data(Qt::UserRole).toInt();
    return fields;
}

// The enabling of Add, Add All, Remove, Remove All, Move Up, Move Down and OK as
// a string of 0 and 1.
QString Enabling(const CImportDialog& dialog) {
    QString flags;
    for (const QPushButton* button :
         {dialog.AddButton(), dialog.AddAllButton(), dialog.RemoveButton(),
          dialog.RemoveAllButton(), dialog.MoveUpButton(), dialog.MoveDownButton(),
          dialog.OkButton()})
        flags += button->isEnabled() ? u'1' : u'0';
    return flags;
}

QList<int> Range(int first, int end) {
    QList<int> range;
    for (int k = first; k < end; ++k)
        range << k;
    return range;
}

// A desktop whose plain text editor is a recorder named "editor".
struct EditorDesktop {
    EditorDesktop() {
        desktop.AddRecorder(u"editor"_s);
        desktop.Write(u"usr/applications/editor.desktop"_s,
                      "[Desktop Entry]\nType=Application\nName=Editor\nExec=" +
                          desktop.ExecOf(u"editor"_s).toUtf8() + " %f\n");
        desktop.Write(u"config/mimeapps.list"_s,
                      "[Default Applications]\ntext/plain=editor.desktop\n");
    }
    CFakeDesktop desktop;
};

} // namespace

class ImportExportTest : public QObject {
    Q_OBJECT

private slots:
    void importDialogButtonsFollowTheLists_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("available");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("enabling");
        QTest::newRow("opening") << QStringList{} << Range(0, 14) << QList<int>{} << u"1100000"_s;
        QTest::newRow("one added")
            << QStringList{u"add"_s} << Range(1, 14) << QList<int>{0} << u"1110001"_s;
        QTest::newRow("two added")
            << QStringList{u"add"_s, u"add"_s} << Range(2, 14) << QList<int>{0, 1} << u"1111011"_s;
        QTest::newRow("last one chosen") << QStringList{u"add"_s, u"add"_s, u"select 1"_s}
                                         << Range(2, 14) << QList<int>{0, 1} << u"1111101"_s;
        QTest::newRow("moved up") << QStringList{u"add"_s, u"add"_s, u"select 1"_s, u"up"_s}
                                  << Range(2, 14) << QList<int>{1, 0} << u"1111011"_s;
        QTest::newRow("moved down") << QStringList{u"add"_s, u"add"_s, u"down"_s} << Range(2, 14)
                                    << QList<int>{1, 0} << u"1111101"_s;
        QTest::newRow("all added")
            << QStringList{u"all"_s} << QList<int>{} << Range(0, 14) << u"0011011"_s;
        QTest::newRow("removed to the end") << QStringList{u"add"_s, u"add"_s, u"remove"_s}
                                            << (Range(2, 14) << 0) << QList<int>{1} << u"1110001"_s;
        QTest::newRow("one left to add") << QStringList{u"all"_s, u"select 13"_s, u"remove"_s}
                                         << QList<int>{13} << Range(0, 13) << u"1011011"_s;
        QTest::newRow("all removed in order")
            << QStringList{u"all"_s, u"select 5"_s, u"up"_s, u"none"_s}
            << QList<int>{0, 1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13} << QList<int>{}
            << u"1100000"_s;
    }

    void importDialogButtonsFollowTheLists() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, available);
        QFETCH(QList<int>, selected);
        QFETCH(QString, enabling);
        CMessageRecorder messages;
        ScriptedChooser files;
        CImportDialog dialog(DefaultHeadings(), messages, files);
        dialog.show();
        for (const QString& step : steps) {
            if (step == u"add")
                QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
            else if (step == u"all")
                QTest::mouseClick(dialog.AddAllButton(), Qt::LeftButton);
            else if (step == u"remove")
                QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
            else if (step == u"none")
                QTest::mouseClick(dialog.RemoveAllButton(), Qt::LeftButton);
            else if (step == u"up")
                QTest::mouseClick(dialog.MoveUpButton(), Qt::LeftButton);
            else if (step == u"down")
                QTest::mouseClick(dialog.MoveDownButton(), Qt::LeftButton);
            else if (step.startsWith(u"select "))
                QTest::mouseClick(dialog.Selected()->viewport(), Qt::LeftButton, {},
                                  dialog.Selected()
                                      ->visualItemRect(dialog.Selected()->item(step.mid(7).toInt()))
                                      .center());
        }
        QCOMPARE(Fields(dialog.Available()), available);
        QCOMPARE(Fields(dialog.Selected()), selected);
        QCOMPARE(Enabling(dialog), enabling);
    }

    // OK without a delimiter says so, puts the focus on Tab and asks for no file.
    void importRefusesAnEmptyDelimiter() {
        CMessageRecorder messages;
        ScriptedChooser files;
        CImportDialog dialog(DefaultHeadings(), messages, files);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
        dialog.Delimiters()->Tab()->setChecked(false);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(messages.Last(),
                 (CMessage{u"The import file must have at least 1 field delimiter specified!"_s,
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(QApplication::focusWidget(), dialog.Delimiters()->Tab());
        QVERIFY(files.questions.isEmpty());
        QVERIFY(dialog.isVisible());
    }

    // Cancelling a file question, or going back from the preview, leaves the dialog
    // open with every choice kept.
    void cancelledQuestionsKeepTheDialogsOpen() {
        CMessageRecorder messages;
        ScriptedChooser files;
        CExportDialog exporting(messages, files);
        exporting.show();
        exporting.accept();
        QVERIFY(exporting.isVisible());
        QCOMPARE(files.questions.value(0),
                 QStringList({u"Save As Gaugewright Inventory Export File"_s, u"txt"_s}) +
                     kFileTypes);

        CImportDialog importing(DefaultHeadings(), messages, files);
        int previews = 0;
        importing.SetPreview([&previews](QWidget*, CImportRequest&) {
            ++previews;
            return false;
        });
        importing.show();
        QTest::mouseClick(importing.AddAllButton(), Qt::LeftButton);
        importing.QuotedBox()->setChecked(true);
        importing.accept();
        QVERIFY(importing.isVisible());
        QCOMPARE(previews, 0);
        QCOMPARE(files.questions.value(1),
                 QStringList({u"Please choose a Gaugewright Inventory Import File"_s, u"txt"_s}) +
                     kFileTypes);
        files.answers << u"/tmp/in.txt"_s;
        importing.accept();
        QCOMPARE(previews, 1);
        QVERIFY(importing.isVisible());
        QCOMPARE(Fields(importing.Selected()), Range(0, 14));
        QVERIFY(importing.QuotedBox()->isChecked());
        QVERIFY(messages.Count() == 0);
    }

    void exportTakesTheDelimiterOfTheBoxes_data() {
        QTest::addColumn<QString>("boxes"); // t s c o
        QTest::addColumn<QString>("other");
        QTest::addColumn<QByteArray>("delimiter");
        QTest::newRow("tab") << u"t"_s << QString() << QByteArray("\t");
        QTest::newRow("semicolon, comma") << u"sc"_s << QString() << QByteArray(";,");
        QTest::newRow("tab and other") << u"to"_s << u"|"_s << QByteArray("\t|");
        QTest::newRow("other unchecked") << u"c"_s << u"|"_s << QByteArray(",");
        QTest::newRow("euro") << u"o"_s << u"\u20ac"_s << QByteArray("\x80");
        QTest::newRow("nothing") << QString() << QString() << QByteArray();
    }

    void exportTakesTheDelimiterOfTheBoxes() {
        QFETCH(QString, boxes);
        QFETCH(QString, other);
        QFETCH(QByteArray, delimiter);
        CMessageRecorder messages;
        ScriptedChooser files;
        files.answers << u"/tmp/out.txt"_s;
        CExportDialog dialog(messages, files);
        CDelimiterGroup* group = dialog.Delimiters();
        group->Tab()->setChecked(boxes.contains(u't'));
        group->Semicolon()->setChecked(boxes.contains(u's'));
        group->Comma()->setChecked(boxes.contains(u'c'));
        group->Other()->setChecked(boxes.contains(u'o'));
        group->OtherText()->setText(other);
        dialog.show();
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QByteArray::fromStdString(dialog.Delimiter()), delimiter);
        QCOMPARE(dialog.Path(), u"/tmp/out.txt"_s);
    }

    void previewCountsAndMarksCutShortRecords() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"in.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("names\r\na;b;c\r\na;;c\r\n");
        for (int n = 0; n < 30; ++n)
            file.write("x;y;z\r\n");
        file.close();
        const CImportPreview preview =
            delimitedtext::Preview(path.toStdString(), ";", {0, 1, 2}, true, false);
        CImportPreviewDialog dialog(preview, {u"Body"_s, u"Maker"_s, u"Number"_s});
        dialog.show();
        QCOMPARE(dialog.Summary()->text(),
                 u"The import will add 32 items. The first 20 records, read as shown:"_s);
        QTableWidget* table = dialog.Table();
        QCOMPARE(table->rowCount(), 20);
        QCOMPARE(table->item(0, 2)->text(), u"c"_s);
        QVERIFY(table->verticalHeaderItem(0)->icon().isNull());
        QVERIFY(!table->verticalHeaderItem(1)->icon().isNull());
        QCOMPARE(table->item(1, 0)->text(), u"a"_s);
        QCOMPARE(table->item(1, 1)->text(), CImportPreviewDialog::NotReadText());
        QVERIFY(dialog.findChild<QLabel*>(u"legend"_s)->isVisible());
        QVERIFY(SaveScreenshot(dialog, u"ImportPreview.png"_s));

        // A file that cannot be imported shows why, and cannot be imported from here.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a;b\r\n\"c;d\r\ne;f\r\n");
        file.close();
        const CImportPreview open =
            delimitedtext::Preview(path.toStdString(), ";", {0, 1}, false, true);
        CImportPreviewDialog refused(open, {u"Body"_s, u"Maker"_s});
        QCOMPARE(refused.Summary()->text(),
                 u"The quoted value that starts on line 2 is never closed."_s);
        QVERIFY(!refused.ImportButton()->isEnabled());
    }

    // The editor gets the file as one argument, whatever its name holds; without an
    // editor the user is told where the file is.
    void theTextEditorGetsThePathAsOneArgument() {
        EditorDesktop fake;
        CFakeDesktop& desktop = fake.desktop;
        const QString path = desktop.Write(u"my list; $(rm -rf x) 'a'.txt"_s, "names\r\n");
        CMessageRecorder messages;
        CTextEditor editor(messages, CDesktopAssociations(desktop.Directories()));
        QVERIFY(editor.Open(nullptr, path));
        QTRY_VERIFY(desktop.HasRecorded(u"editor"_s));
        QCOMPARE(desktop.RecordedArguments(u"editor"_s), QStringList{path});
        QCOMPARE(messages.Count(), 0);

        QFile::remove(desktop.Path(u"config/mimeapps.list"_s));
        QVERIFY(!editor.Open(nullptr, path));
        QCOMPARE(messages.Last().text,
                 u"No text editor is set for plain text files on this desktop.\n\nOpen "_s + path +
                     u" in a text editor to check it."_s);
    }

    // What a collector does: the sample exported with quoting, imported into a new
    // empty inventory through the preview, gives the same items.
    void anExportImportsBackThroughThePreview() {
        CInventoryBench bench;
        ScriptedChooser files;
        CTextEditor editor(bench.messages, CDesktopAssociations(CFakeDesktop().Directories()));
        CImportExportCommands commands(bench.messages, files, editor, bench.settings.get());
        bench.importExport = &commands;
        CSidingWardDoc sample;
        QVERIFY(sample.OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        sample.GetItemAt(0)->SetAttributeText(3, "Santa Fe, \"Super Chief\"");
        sample.GetItemAt(1)->SetAttributeText(4, "two\r\nlines");
        sample.GetItemAt(2)->SetAttributeText(5, "");
        sample.GetItemAt(3)->SetAttributeText(1, "M\xE4rklin");
        sample.GetItemAt(3)->SetAttributeText(10, "125"); // as a spreadsheet leaves it
        QMainWindow frame;
        auto sampleView = bench.MakeView(sample);
        sampleView->setParent(&frame);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"sample.txt"_s);

        CModalAnswerer modals;
        modals.QueueFor<CExportDialog>([](CExportDialog* dialog) {
            dialog->Delimiters()->Tab()->setChecked(false);
            dialog->Delimiters()->Comma()->setChecked(true);
            dialog->QuotedBox()->setChecked(true);
            dialog->EncodingBox()->setCurrentText(u"UTF-8"_s);
            QVERIFY(SaveScreenshot(*dialog, u"ExportDialog.png"_s));
            dialog->accept();
        });
        files.answers << path;
        QVERIFY(bench.Enabled(CommandId::ExportInventory));
        QVERIFY(!bench.Enabled(CommandId::ImportInventory));
        QVERIFY(bench.Run(CommandId::ExportInventory));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(frame.statusBar()->currentMessage(),
                 u"Exported 10 items to "_s + QDir::toNativeSeparators(path) + u"."_s);

        // As after a restart: the import question starts where the export went.
        CImportExportCommands restarted(bench.messages, files, editor, bench.settings.get());
        bench.importExport = &restarted;
        CSidingWardDoc target;
        auto targetView = bench.MakeView(target);
        targetView->setParent(&frame);
        QString summary;
        QString encoding;
        modals.QueueFor<CImportDialog>([](CImportDialog* dialog) {
            QTest::mouseClick(dialog->AddAllButton(), Qt::LeftButton);
            dialog->Delimiters()->Tab()->setChecked(false);
            dialog->Delimiters()->Comma()->setChecked(true);
            dialog->QuotedBox()->setChecked(true);
            QVERIFY(SaveScreenshot(*dialog, u"ImportDialog.png"_s));
            // Clicked once this handler is done, so that the preview is the next window.
            QMetaObject::invokeMethod(dialog->OkButton(), "click", Qt::QueuedConnection);
        });
        modals.QueueFor<CImportPreviewDialog>([&summary, &encoding](CImportPreviewDialog* preview) {
            summary = preview->Summary()->text();
            encoding = preview->EncodingBox()->currentText();
            QTest::mouseClick(preview->findChild<QPushButton*>(u"import"_s), Qt::LeftButton);
        });
        files.answers << path;
        QVERIFY(bench.Enabled(CommandId::ImportInventory));
        QVERIFY(bench.Run(CommandId::ImportInventory));
        QCOMPARE(modals.Unexpected(), QStringList{});
        QCOMPARE(summary, u"The import will add 10 items, read as shown:"_s);
        QCOMPARE(encoding, u"UTF-8"_s);
        QCOMPARE(files.folders.value(1), dir.path());
        sample.GetItemAt(3)->SetAttributeText(10, "125.00");
        QCOMPARE(target.GetItemCount(), sample.GetItemCount());
        for (int k = 0; k < sample.GetItemCount(); ++k) {
            for (int attribute = 0; attribute < kAttributeCount; ++attribute)
                QCOMPARE(target.GetItemAt(k)->GetAttributeText(attribute),
                         sample.GetItemAt(k)->GetAttributeText(attribute));
        }
        QCOMPARE(bench.messages.Last(),
                 (CMessage{CImportExportCommands::RewrittenText(10, 1), captions::Information(),
                           MessageIcon::Information, MessageButtons::Ok}));
        QCOMPARE(frame.statusBar()->currentMessage(),
                 u"Imported 10 items from "_s + QDir::toNativeSeparators(path) + u"."_s);
        QVERIFY(target.IsModified());
        QCOMPARE(targetView->CountText(), u"10"_s);
    }

    // A file without records: the message first, then the editor on it; the
    // inventory counts as modified all the same.
    void aFileWithoutRecordsOpensTheEditorAfterTheMessage() {
        CInventoryBench bench;
        ScriptedChooser files;
        EditorDesktop fake;
        CTextEditor editor(bench.messages, CDesktopAssociations(fake.desktop.Directories()));
        editor.SetLauncher([&bench](const QString&, const QStringList& arguments) {
            bench.log.Append(u"editor "_s + arguments.join(u' '));
            return true;
        });
        CImportExportCommands commands(bench.messages, files, editor);
        bench.importExport = &commands;
        CSidingWardDoc target;
        auto view = bench.MakeView(target);
        target.SetModifiedFlag(false);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"names.txt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Manufacturer\r\n");
        file.close();
        CModalAnswerer modals;
        modals.QueueFor<CImportDialog>([](CImportDialog* dialog) {
            QTest::mouseClick(dialog->AddButton(), Qt::LeftButton);
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        });
        files.answers << path;
        bench.log.Clear();
        QVERIFY(bench.Run(CommandId::ImportInventory));
        QCOMPARE(
            bench.messages.Last(),
            (CMessage{QString::fromLatin1(delimitedtext::kNoEndOfRecord),
                      captions::ApplicationTitle(), MessageIcon::Critical, MessageButtons::Ok}));
        QCOMPARE(bench.log.Entries().size(), 2);
        QVERIFY(bench.log.Entries().at(0).startsWith(u"message "_s));
        QCOMPARE(bench.log.Entries().at(1), u"editor "_s + path);
        QVERIFY(target.IsModified());
    }

    // The manual's pictures of an import as a collector sees it: the sample
    // exported for a spreadsheet, read back under the attributes' own names.
    void sampleScreenshots() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        CSidingWardDoc sample;
        QVERIFY(sample.OnOpenDocument(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv").Succeeded());
        QTemporaryDir dir;
        const std::string path = dir.filePath(u"sample.csv"_s).toStdString();
        QVERIFY(delimitedtext::Export(sample, path, ",", true, true).Succeeded());
        CImportDialog::Headings headings;
        QStringList columns;
        std::vector<int> order;
        for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
            headings[static_cast<std::size_t>(attribute)] = AttributeName(attribute);
            columns << QString::fromLatin1(AttributeName(attribute));
            order.push_back(attribute);
        }
        CMessageRecorder messages;
        ScriptedChooser files;
        CImportDialog dialog(headings, messages, files);
        dialog.show();
        QTest::mouseClick(dialog.AddAllButton(), Qt::LeftButton);
        dialog.Delimiters()->Tab()->setChecked(false);
        dialog.Delimiters()->Comma()->setChecked(true);
        dialog.QuotedBox()->setChecked(true);
        QVERIFY(SaveScreenshot(dialog, u"ImportDialog-sample.png"_s));
        const auto read = [&](TextEncoding encoding) {
            return delimitedtext::Preview(path, ",", order, true, true, 20, encoding);
        };
        CImportPreviewDialog preview(read(TextEncoding::Windows1252), columns, nullptr, read,
                                     TextEncoding::Windows1252);
        preview.show();
        QVERIFY(SaveScreenshot(preview, u"ImportPreview-sample.png"_s));
    }
};

QTEST_MAIN(ImportExportTest)
#include "ImportExportTest.moc"
