#include "ui/inventory/CommentsPictureCommands.h"

#include "model/core/InventoryChange.h"
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
    // The item may have gone while the editor was open (an undo in another window).
    if (!document.ContainsItem(&item))
        return false;
    CInventoryElement values = item;
    values.SetComments(std::move(*edited));
    document.Apply(CInventoryChange::Replace(QT_TRANSLATE_NOOP("Messages", "Change Comments"), item,
                                             std::move(values)),
                   sender);
    return true;
}

bool CCommentsPictureCommands::ChangePicture(QWidget* parent, CSidingWardDoc& document,
                                             CInventoryElement& item, CDocumentView* sender,
                                             bool viewOnly) {
    std::optional<std::string> chosen =
        CPictureDialog::Run(parent, item.GetPicture(), viewOnly, m_viewer, m_files, m_messages);
    if (!chosen || *chosen == item.GetPicture() || !document.ContainsItem(&item))
        return false;
    CInventoryElement values = item;
    values.SetPicture(std::move(*chosen));
    document.Apply(CInventoryChange::Replace(QT_TRANSLATE_NOOP("Messages", "Change Picture"), item,
                                             std::move(values)),
                   sender);
    return true;
}
