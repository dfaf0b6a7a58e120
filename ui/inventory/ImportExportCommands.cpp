#include "ui/inventory/ImportExportCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include "model/core/Catalogue.h"
#include "model/core/DelimitedText.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/ExportDialog.h"
#include "ui/inventory/ImportDialog.h"
#include "ui/inventory/ImportPreviewDialog.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/inventory/TextEditor.h"

namespace {

// Paths in the documents are the system's 8-bit names; on Linux they are UTF-8.
std::string PathBytes(const QString& path) {
    return QFileInfo(path).absoluteFilePath().toStdString();
}

CImportDialog::Headings HeadingsOf(const CSidingWardDoc& document) {
    CImportDialog::Headings headings;
    const CCatalogue* yard = document.GetClassificationYard();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] =
            yard ? yard->GetHeading(attribute) : std::string(AttributeName(attribute));
    // The dialogs only show them; the import matches a file's field names itself.
    return shownheadings::ShownBytes(headings);
}

QString ItemsText(std::size_t count) {
    return count == 1 ? QCoreApplication::translate("CImportExportCommands", "1 item")
                      : QCoreApplication::translate("CImportExportCommands", "%1 items").arg(count);
}

// The status bar of the main window that parent is in, when it has one.
void ShowStatus(QWidget* parent, const QString& text) {
    if (auto* frame = parent ? qobject_cast<QMainWindow*>(parent->window()) : nullptr)
        frame->statusBar()->showMessage(text);
}

} // namespace

CImportExportCommands::CImportExportCommands(CMessageSink& messages, CFileChooser& files,
                                             CTextEditor& editor, CInventoryViewSettings* settings)
    : m_messages(messages), m_files(files), m_editor(editor), m_settings(settings),
      m_folder(settings ? settings->ExchangeFolder() : QString()) {}

void CImportExportCommands::SetFolder(const QString& path) {
    m_folder = QFileInfo(path).absolutePath();
    if (m_settings)
        m_settings->SetExchangeFolder(m_folder);
}

void CImportExportCommands::Export(QWidget* parent, const CSidingWardDoc& document) {
    CExportDialog dialog(m_messages, m_files, parent, m_folder);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetFolder(dialog.Path());
    FileResult result;
    {
        const CWaitCursor wait;
        result =
            delimitedtext::Export(document, PathBytes(dialog.Path()), dialog.Delimiter(),
                                  dialog.IncludeFieldNames(), dialog.Quoted(), dialog.Encoding());
    }
    if (!result.Succeeded()) {
        m_messages.Show(parent, {UserMessage(result), captions::ApplicationTitle(),
                                 MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    ShowStatus(parent, QCoreApplication::translate("CImportExportCommands", "Exported %1 to %2.")
                           .arg(ItemsText(document.GetItems().size()),
                                QDir::toNativeSeparators(dialog.Path())));
}

QString CImportExportCommands::RewrittenText(std::size_t added, std::size_t rewritten) {
    return QCoreApplication::translate("CImportExportCommands",
                                       "The import added %1. %2 of their Purchase Price and "
                                       "Current Value texts were plain numbers and are stored "
                                       "as money texts (125 as 125.00).")
        .arg(ItemsText(added))
        .arg(rewritten);
}

bool CImportExportCommands::Import(QWidget* parent, CSidingWardDoc& document, CDocumentView* sender,
                                   CDate today) {
    const CImportDialog::Headings headings = HeadingsOf(document);
    CImportDialog dialog(headings, m_messages, m_files, parent, m_folder);
    dialog.SetPreview([this, &headings](QWidget* over, CImportRequest& request) {
        SetFolder(request.path);
        const std::string path = PathBytes(request.path);
        const auto read = [&request, path](TextEncoding encoding) {
            const CWaitCursor wait;
            return delimitedtext::Preview(path, request.delimiter, request.fieldOrder,
                                          request.firstRecordHoldsNames, request.quoted, 20,
                                          encoding);
        };
        request.encoding = delimitedtext::FileEncoding(path);
        const CImportPreview preview = read(request.encoding);
        // Nothing to show: the import itself tells why and opens the editor, as it
        // always has.
        if (preview.outcome == ImportOutcome::FileError ||
            preview.outcome == ImportOutcome::NoRecord)
            return true;
        QStringList columns;
        for (const int attribute : request.fieldOrder)
            columns << text::FromBytes(headings[static_cast<std::size_t>(attribute)]);
        CImportPreviewDialog shown(preview, columns, over, read, request.encoding);
        if (shown.exec() != QDialog::Accepted)
            return false;
        request.encoding = shown.Encoding();
        return true;
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CImportRequest& request = dialog.Request();
    CDelimitedImportResult result;
    {
        const CWaitCursor wait;
        result = delimitedtext::Import(document, PathBytes(request.path), request.delimiter,
                                       request.fieldOrder, request.firstRecordHoldsNames, today,
                                       sender, request.quoted, request.encoding);
    }
    switch (result.outcome) {
    case ImportOutcome::Imported:
        ShowStatus(parent,
                   QCoreApplication::translate("CImportExportCommands", "Imported %1 from %2.")
                       .arg(ItemsText(result.added), QDir::toNativeSeparators(request.path)));
        if (result.rewritten > 0)
            m_messages.Show(parent,
                            {RewrittenText(result.added, result.rewritten), captions::Information(),
                             MessageIcon::Information, MessageButtons::Ok});
        return true;
    case ImportOutcome::Refused:
        m_messages.Show(parent, {UserMessage(result.text), captions::Error(), MessageIcon::Critical,
                                 MessageButtons::Ok});
        return false;
    case ImportOutcome::FileError:
        m_messages.Show(parent, {UserMessage(result.text), captions::ApplicationTitle(),
                                 MessageIcon::Critical, MessageButtons::Ok});
        return true;
    case ImportOutcome::NoRecord:
        m_messages.Show(parent, {UserMessage(result.text), captions::ApplicationTitle(),
                                 MessageIcon::Critical, MessageButtons::Ok});
        m_editor.Open(parent, request.path);
        return true;
    }
    return true;
}
