#pragma once

#include <string>
#include <vector>

#include "model/framework/FileResult.h"

class CDocumentView;
class CDocumentWatcher;

// A document of the program: title, file path, modified flag and the views that
// show it. Documents read and write their own file format; this class keeps the
// bookkeeping that every document shares.
class CDocument {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    virtual ~CDocument() = default;

    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }
    // The file the document was opened from or last saved to; empty for a new one.
    const std::string& GetPathName() const { return m_pathName; }
    // Sets the path and, as the title, the path's file name.
    void SetPathName(const std::string& path);

    bool IsModified() const { return m_modified; }
    // Tells the watcher too, also when the flag keeps its value.
    void SetModifiedFlag(bool modified = true);

    // Reads the document from path. On success the path and title are the file's
    // and the modified flag is clear; on failure the caller discards the document.
    FileResult OnOpenDocument(const std::string& path);
    // Writes the document to path. On success the path and title are the file's
    // and the modified flag is clear; on failure nothing about the document changes.
    FileResult OnSaveDocument(const std::string& path);

    // Views register themselves; the document never owns them.
    void AddView(CDocumentView* view);
    void RemoveView(CDocumentView* view);
    const std::vector<CDocumentView*>& GetViews() const { return m_views; }
    int GetViewCount() const { return static_cast<int>(m_views.size()); }

    // The one watcher (null: none); not owned. It is told after the views.
    void SetWatcher(CDocumentWatcher* watcher) { m_watcher = watcher; }

    // Tells every view but the sender, then the watcher, that the document changed.
    void UpdateAllViews(CDocumentView* sender, int hint = 0);

protected:
    // The document's own file format. A zero-byte file is handled by the format.
    virtual FileResult ReadFromFile(const std::string& path) = 0;
    virtual FileResult WriteToFile(const std::string& path) = 0;
    // The document was written to its file, which now holds what it shows.
    virtual void OnSaved() {}

private:
    std::string m_title;
    std::string m_pathName;
    bool m_modified = false;
    std::vector<CDocumentView*> m_views;
    CDocumentWatcher* m_watcher = nullptr;
};
