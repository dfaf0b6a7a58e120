#pragma once

#include <cstddef>

#include <QString>

#include "model/framework/Clock.h"

class CDocumentView;
class CFileChooser;
class CInventoryViewSettings;
class CMessageSink;
class CSidingWardDoc;
class CTextEditor;
class QWidget;

// The Export Inventory and Import Inventory commands of the inventory views: the
// dialogs (and the import's preview), then the document operation under the wait
// cursor, its messages, and the text editor on a file without records. Both file
// questions start in the folder of the file last exported or imported; what was
// written or read is said in the status bar of parent's main window.
class CImportExportCommands {
public:
    // messages, files, editor and settings must outlive the commands; settings, when
    // given, keeps the folder last used between runs.
    CImportExportCommands(CMessageSink& messages, CFileChooser& files, CTextEditor& editor,
                          CInventoryViewSettings* settings = nullptr);

    // The export dialog, then the export; a file error is shown. The document does
    // not change.
    void Export(QWidget* parent, const CSidingWardDoc& document);

    // The import dialog and its preview, then the import, which marks the document
    // modified and tells the views but sender (also when nothing was added). Returns
    // whether it ran, so that the caller rebuilds its display; false after Cancel
    // or a refused request. The new items are entered on today.
    bool Import(QWidget* parent, CSidingWardDoc& document, CDocumentView* sender, CDate today);

    // The message after an import that stored plain numbers as money texts.
    static QString RewrittenText(std::size_t added, std::size_t rewritten);

private:
    void SetFolder(const QString& path);

    CMessageSink& m_messages;
    CFileChooser& m_files;
    CTextEditor& m_editor;
    CInventoryViewSettings* m_settings;
    QString m_folder;
};
