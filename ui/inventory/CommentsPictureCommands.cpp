#include "ui/inventory/CommentsPictureCommands.h"

#include "model/core/SidingWardDoc.h"
#include "ui/inventory/CommentsEditor.h"
#include "ui/inventory/CommentsViewer.h"
#include "ui/inventory/PictureDialog.h"

CCommentsPictureCommands::CCommentsPictureCommands(CMessageSink& messages, CFileChooser& files,
                                                   CPictureViewer& viewer)
    : m_messages(messages), m_files(files), m_viewer(viewer) {}

void CCommentsPictureCommands::ViewComments(QWidget* parent, const CInventoryElement& item) {
    CCommentsViewer::Run(parent, item);
}

bool CCommentsPictureCommands::ChangeComments(QWidget* parent, CSidingWardDoc& document,
                                              CInventoryElement& item, CDocumentView* sender) {
    std::optional<std::string> edited =
        CCommentsEditor::Run(parent, item.GetComments(), m_messages);
    if (!edited)
        return false;
    // The item changes before the views hear of it, so they show the new text.
    item.SetComments(std::move(*edited));
    document.MarkModified(sender);
    return true;
}

bool CCommentsPictureCommands::ChangePicture(QWidget* parent, CSidingWardDoc& document,
                                             CInventoryElement& item, CDocumentView* sender,
                                             bool viewOnly) {
    std::optional<std::string> chosen =
        CPictureDialog::Run(parent, item.GetPicture(), viewOnly, m_viewer, m_files, m_messages);
    if (!chosen || *chosen == item.GetPicture())
        return false;
    item.SetPicture(std::move(*chosen));
    document.MarkModified(sender);
    return true;
}
