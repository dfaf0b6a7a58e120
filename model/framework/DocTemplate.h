#pragma once

#include <functional>
#include <memory>
#include <string>

class CDocument;

// The seven parts of a document string, separated by line breaks.
enum class DocStringPart {
    WindowTitle = 0,
    DocumentName = 1,    // base of new documents' titles ("NewInventory")
    NewListName = 2,     // name in the New list; empty when the type is not offered there
    FilterName = 3,      // file dialog filter ("Inventory (*.inv)")
    FilterExtension = 4, // ".inv"
    FileTypeId = 5,
    FileTypeName = 6,
};

// A registered document type: its resource number, its document string and how to
// make a document of it. The widgets add the frame and view that show it.
class CDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;

    CDocTemplate(int resourceId, std::string documentString, DocumentFactory createDocument);

    int GetResourceId() const { return m_resourceId; }
    // One part of the document string; empty when the string has fewer parts.
    std::string GetDocString(DocStringPart part) const;

    // Whether the path has this type's file extension (compared without regard to case).
    bool MatchesFile(const std::string& path) const;

    // A new empty document of this type (not yet titled).
    std::unique_ptr<CDocument> CreateDocument() const;
    // The title of the next new document: the document name followed by a running
    // number that starts at 1 and counts every new document of this type.
    std::string NextUntitledTitle();
    // A document came back under an untitled title of an earlier run: the running
    // number moves past it, so that no new document takes the same title.
    void NoteUntitledTitle(const std::string& title);

private:
    int m_resourceId;
    std::string m_documentString;
    DocumentFactory m_createDocument;
    int m_untitledCount = 0;
};
