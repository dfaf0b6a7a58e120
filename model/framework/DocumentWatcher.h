#pragma once

class CDocument;

// Something that follows a document without showing it (the recovery writer):
// told whenever the modified flag is set or cleared and whenever the views are
// told of a change. Unlike a view it is not counted among the document's views.
class CDocumentWatcher {
public:
    virtual ~CDocumentWatcher() = default;

    virtual void OnDocumentChanged(CDocument& document) = 0;
};
