#pragma once

class CDocumentView;
class CFileChooser;
class CInventoryElement;
class CMessageSink;
class CPictureViewer;
class CSidingWardDoc;
class QWidget;

// The comments and picture commands of the inventory views on one item of their
// document: the dialogs, then the change of the item with the document marked
// modified and its other views told, as each command asks.
class CCommentsPictureCommands {
public:
    // messages, files and viewer must outlive the commands.
    CCommentsPictureCommands(CMessageSink& messages, CFileChooser& files, CPictureViewer& viewer);

    // "View Item Comments": the comments viewer; nothing changes.
    void ViewComments(QWidget* parent, const CInventoryElement& item);

    // "Change Comments": the comments editor. On "OK" the item takes the edited text
    // and the document is marked modified (also when the text did not change); the
    // views but sender are told. Returns whether the user pressed "OK".
    bool ChangeComments(QWidget* parent, CSidingWardDoc& document, CInventoryElement& item,
                        CDocumentView* sender);

    // "Change Picture" (viewOnly false) and "View Item Picture" (viewOnly true): the
    // picture dialog. When it ends with "OK" on a path that differs from the item's
    // (bytes compared exactly), the item takes it and the document is marked
    // modified; the views but sender are told. Returns whether the path changed.
    bool ChangePicture(QWidget* parent, CSidingWardDoc& document, CInventoryElement& item,
                       CDocumentView* sender, bool viewOnly = false);
    bool ViewPicture(QWidget* parent, CSidingWardDoc& document, CInventoryElement& item,
                     CDocumentView* sender) {
        return ChangePicture(parent, document, item, sender, true);
    }

private:
    CMessageSink& m_messages;
    CFileChooser& m_files;
    CPictureViewer& m_viewer;
};
