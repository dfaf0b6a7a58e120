#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "ui/common/RecentFileList.h"

class CDocTemplate;
class CDocument;
// Documents and templates travel through signals as plain pointers.
Q_DECLARE_OPAQUE_POINTER(CDocTemplate*)
Q_DECLARE_OPAQUE_POINTER(CDocument*)
class CFileChooser;
class CMessageSink;
class QWidget;
struct FileResult;

// The open documents and the commands that make, open, save and close them: New,
// Open, Save, Save As, Close, the save prompt and the recent file list. The
// manager owns the templates and the documents; frames and views follow its signals.
class CDocManager : public QObject {
    Q_OBJECT

public:
    CDocManager(CMessageSink& messages, CFileChooser& files, QObject* parent = nullptr);
    ~CDocManager() override;

    // Templates are registered once, in order; the first whose extension matches opens a file.
    CDocTemplate& AddTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& GetTemplates() const { return m_templates; }
    CDocTemplate* FindTemplate(int resourceId) const;

    // A new untitled document ("NewInventory1", ...) of the template.
    CDocument* NewDocument(CDocTemplate& docTemplate);
    // The File Open dialog with the first template's filter, then OpenDocumentFile.
    CDocument* OpenWithDialog(QWidget* parent);
    // Opens path with the template given, or with the first whose extension matches
    // (the first template when none does). A file already open is not read again:
    // its document is returned. Problems are shown through the message sink; a file
    // that is not one of ours opens as an empty document after the message.
    CDocument* OpenDocumentFile(const QString& path, CDocTemplate* docTemplate = nullptr,
                                QWidget* parent = nullptr);

    // Files opened by unpacking them first (archives): the File Open dialog offers
    // filter beside the inventory's, and OpenDocumentFile hands a path ending in
    // suffix to unpack, which returns the file to open in its place (nothing: the
    // open ends, unpack having told the user why, or the user cancelled).
    using Unpacker = std::function<std::optional<QString>(const QString& path, QWidget* parent)>;
    void SetUnpacker(QString filter, QString suffix, Unpacker unpack);

    // Opens a copy kept for recovery as a modified document of the first template
    // that matches originalPath: under originalPath, or, when that is empty, untitled
    // under title. Save asks for a new name when originalPath is now a folder or a
    // file the user may not write. Problems are shown as for OpenDocumentFile.
    CDocument* OpenRecovered(const QString& copyPath, const QString& originalPath,
                             const QString& title, QWidget* parent = nullptr);

    // Save: to the document's file, or through Save As when it has none. True when saved.
    bool SaveDocument(CDocument& document, QWidget* parent);
    bool SaveDocumentAs(CDocument& document, QWidget* parent);
    // Before a modified document goes away: "Save changes to %1?" with Yes, No and
    // Cancel. False when the user cancelled or the save failed.
    bool SaveModified(CDocument& document, QWidget* parent);
    // SaveModified, then the document is closed and destroyed. False when it stays open.
    bool CloseDocument(CDocument& document, QWidget* parent);
    // The save prompt for every modified document; false as soon as one is cancelled.
    bool SaveAllModified(QWidget* parent);

    const std::vector<CDocument*> GetDocuments() const;
    CDocTemplate* GetTemplateOf(const CDocument& document) const;
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }

signals:
    // A document was made or opened and wants its frame and view.
    void DocumentOpened(CDocument* document, CDocTemplate* docTemplate);
    // The document is about to be destroyed; frames and views let go of it.
    void DocumentClosing(CDocument* document);
    // The document was saved under another name; its windows' titles change.
    void DocumentRenamed(CDocument* document);
    // A file that is open already was opened again: its window comes forward.
    void DocumentReopened(CDocument* document);

private:
    struct OpenDocument {
        std::unique_ptr<CDocument> document;
        CDocTemplate* docTemplate;
        // Its file was not one of ours, or is one Save cannot write any more: Save
        // asks for a name rather than write over it.
        bool fileNotOurs = false;
    };

    CDocument* Adopt(std::unique_ptr<CDocument> document, CDocTemplate& docTemplate);
    CDocTemplate* TemplateFor(const std::string& path) const;
    OpenDocument* Find(const CDocument& document);
    void ReportFailure(const FileResult& result, QWidget* parent);

    CMessageSink& m_messages;
    CFileChooser& m_files;
    QString m_unpackFilter;
    QString m_unpackSuffix;
    Unpacker m_unpack;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<OpenDocument> m_documents;
    CRecentFileList m_recentFiles;
};
