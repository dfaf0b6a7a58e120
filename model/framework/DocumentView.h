#pragma once

class CDocument;

// What a document knows of a view that shows it: the view is told when another
// view changed the document. Views are owned by their windows, never by the document.
class CDocumentView {
public:
    virtual ~CDocumentView() = default;

    // The document changed; sender is the view that changed it (never this one)
    // or null, hint a document-specific code (0: everything may have changed).
    virtual void OnDocumentUpdate(CDocumentView* sender, int hint) = 0;
};
