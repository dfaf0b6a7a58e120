#include "model/framework/Document.h"

#include <algorithm>
#include <filesystem>

#include "model/framework/DocumentView.h"
#include "model/framework/DocumentWatcher.h"

void CDocument::SetPathName(const std::string& path) {
    m_pathName = path;
    m_title = std::filesystem::path(path).filename().string();
}

void CDocument::SetModifiedFlag(bool modified) {
    m_modified = modified;
    if (m_watcher)
        m_watcher->OnDocumentChanged(*this);
}

FileResult CDocument::OnOpenDocument(const std::string& path) {
    FileResult result = ReadFromFile(path);
    if (result.Succeeded()) {
        SetPathName(path);
        SetModifiedFlag(false);
    }
    return result;
}

FileResult CDocument::OnSaveDocument(const std::string& path) {
    FileResult result = WriteToFile(path);
    if (result.Succeeded()) {
        SetPathName(path);
        OnSaved();
        SetModifiedFlag(false);
    }
    return result;
}

void CDocument::AddView(CDocumentView* view) {
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDocument::RemoveView(CDocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateAllViews(CDocumentView* sender, int hint) {
    // A view may close itself while it is told; walk a copy.
    const std::vector<CDocumentView*> views = m_views;
    for (CDocumentView* view : views) {
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnDocumentUpdate(sender, hint);
    }
    if (m_watcher)
        m_watcher->OnDocumentChanged(*this);
}
