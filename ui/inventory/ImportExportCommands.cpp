#include "ui/inventory/ImportExportCommands.h"

#include <QFileInfo>

#include "model/core/Catalogue.h"
#include "model/core/DelimitedText.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/ExportDialog.h"
#include "ui/inventory/ImportDialog.h"
#include "ui/inventory/ImportPreviewDialog.h"
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
    return headings;
}

} // namespace

CImportExportCommands::CImportExportCommands(CMessageSink& messages, CFileChooser& files,
                                             CTextEditor& editor)
    : m_messages(messages), m_files(files), m_editor(editor) {}

void CImportExportCommands::Export(QWidget* parent, const CSidingWardDoc& document) {
    CExportDialog dialog(m_messages, m_files, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FileResult result;
    {
        const CWaitCursor wait;
        result = delimitedtext::Export(document, PathBytes(dialog.Path()), dialog.Delimiter(),
                                       dialog.IncludeFieldNames(), dialog.Quoted());
    }
    if (!result.Succeeded())
        m_messages.Show(parent,
                        {QString::fromStdString(result.message), captions::ApplicationTitle(),
                         MessageIcon::Warning, MessageButtons::Ok});
}

bool CImportExportCommands::Import(QWidget* parent, CSidingWardDoc& document,
                                   CDocumentView* sender) {
    const CImportDialog::Headings headings = HeadingsOf(document);
    CImportDialog dialog(headings, m_messages, m_files, parent);
    dialog.SetPreview([&headings](QWidget* over, const CImportRequest& request) {
        CImportPreview preview;
        {
            const CWaitCursor wait;
            preview = delimitedtext::Preview(PathBytes(request.path), request.delimiter,
                                             request.fieldOrder, request.firstRecordHoldsNames,
                                             request.quoted);
        }
        // Nothing to show: the import itself tells why, as it always has.
        if (preview.outcome != ImportOutcome::Imported)
            return true;
        QStringList columns;
        for (const int attribute : request.fieldOrder)
            columns << text::FromBytes(headings[static_cast<std::size_t>(attribute)]);
        return CImportPreviewDialog(preview, columns, over).exec() == QDialog::Accepted;
    });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CImportRequest& request = dialog.Request();
    CDelimitedImportResult result;
    {
        const CWaitCursor wait;
        result = delimitedtext::Import(document, PathBytes(request.path), request.delimiter,
                                       request.fieldOrder, request.firstRecordHoldsNames, sender,
                                       request.quoted);
    }
    switch (result.outcome) {
    case ImportOutcome::Imported:
        return true;
    case ImportOutcome::Refused:
        m_messages.Show(parent, {QString::fromStdString(result.message), captions::Error(),
                                 MessageIcon::Critical, MessageButtons::Ok});
        return false;
    case ImportOutcome::FileError:
        m_messages.Show(parent,
                        {QString::fromStdString(result.message), captions::ApplicationTitle(),
                         MessageIcon::Critical, MessageButtons::Ok});
        return true;
    case ImportOutcome::NoRecord:
        m_messages.Show(parent,
                        {QString::fromLatin1(delimitedtext::kNoEndOfRecord),
                         captions::ApplicationTitle(), MessageIcon::Critical, MessageButtons::Ok});
        m_editor.Open(parent, request.path);
        return true;
    }
    return true;
}
