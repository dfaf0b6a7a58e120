#include "ui/common/DocManager.h"

#include <algorithm>

#include <QFileInfo>

#include "model/framework/DocTemplate.h"
#include "model/framework/Document.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"

namespace {

// Paths in the documents are the system's 8-bit names; on Linux they are UTF-8.
std::string PathBytes(const QString& path) {
    return QFileInfo(path).absoluteFilePath().toStdString();
}

QString PathText(const std::string& path) {
    return QString::fromStdString(path);
}

// The template's filter is fixed text in the program; its description is shown in the
// reader's language (the application marks it for translation under this class).
QString FilterText(const CDocTemplate& docTemplate) {
    const std::string filter = docTemplate.GetDocString(DocStringPart::FilterName);
    return CDocManager::tr(filter.c_str());
}

} // namespace

CDocManager::CDocManager(CMessageSink& messages, CFileChooser& files, QObject* parent)
    : QObject(parent), m_messages(messages), m_files(files) {
    // Queued connections and signal spies need the pointer types registered.
    qRegisterMetaType<CDocument*>();
    qRegisterMetaType<CDocTemplate*>();
}

CDocManager::~CDocManager() = default;

CDocTemplate& CDocManager::AddTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
    m_templates.push_back(std::move(docTemplate));
    return *m_templates.back();
}

CDocTemplate* CDocManager::FindTemplate(int resourceId) const {
    for (const auto& docTemplate : m_templates) {
        if (docTemplate->GetResourceId() == resourceId)
            return docTemplate.get();
    }
    return nullptr;
}

CDocument* CDocManager::Adopt(std::unique_ptr<CDocument> document, CDocTemplate& docTemplate) {
    CDocument* adopted = document.get();
    m_documents.push_back({std::move(document), &docTemplate});
    emit DocumentOpened(adopted, &docTemplate);
    return adopted;
}

CDocument* CDocManager::NewDocument(CDocTemplate& docTemplate) {
    std::unique_ptr<CDocument> document = docTemplate.CreateDocument();
    if (!document)
        return nullptr;
    document->SetTitle(docTemplate.NextUntitledTitle());
    return Adopt(std::move(document), docTemplate);
}

CDocument* CDocManager::OpenWithDialog(QWidget* parent) {
    if (m_templates.empty())
        return nullptr;
    QString filter = FilterText(*m_templates.front());
    if (m_unpack)
        filter += QStringLiteral(";;") + m_unpackFilter;
    const auto path = m_files.ChooseFileToOpen(parent, filter);
    return path ? OpenDocumentFile(*path, nullptr, parent) : nullptr;
}

void CDocManager::SetUnpacker(QString filter, QString suffix, Unpacker unpack) {
    m_unpackFilter = std::move(filter);
    m_unpackSuffix = std::move(suffix);
    m_unpack = std::move(unpack);
}

CDocument* CDocManager::OpenDocumentFile(const QString& requested, CDocTemplate* docTemplate,
                                         QWidget* parent) {
    QString path = requested;
    if (m_unpack && !docTemplate && path.endsWith(m_unpackSuffix, Qt::CaseInsensitive)) {
        const auto unpacked = m_unpack(path, parent);
        if (!unpacked)
            return nullptr;
        path = *unpacked;
    }
    const std::string bytes = PathBytes(path);
    for (const OpenDocument& open : m_documents) {
        if (open.document->GetPathName() == bytes) {
            m_recentFiles.Add(path);
            emit DocumentReopened(open.document.get());
            return open.document.get();
        }
    }
    if (!docTemplate)
        docTemplate = TemplateFor(bytes);
    if (!docTemplate)
        return nullptr;

    std::unique_ptr<CDocument> document = docTemplate->CreateDocument();
    if (!document)
        return nullptr;
    const FileResult result = document->OnOpenDocument(bytes);
    if (result.outcome == FileOutcome::Failed) {
        ReportFailure(result, parent);
        return nullptr;
    }
    const bool notOurs = result.outcome == FileOutcome::WrongSignature;
    if (notOurs) {
        m_messages.Show(parent,
                        {UserMessage(result, MessageBytes::Windows1252),
                         captions::ApplicationTitle(), MessageIcon::Critical, MessageButtons::Ok});
    }
    m_recentFiles.Add(path);
    CDocument* adopted = Adopt(std::move(document), *docTemplate);
    Find(*adopted)->fileNotOurs = notOurs;
    return adopted;
}

CDocTemplate* CDocManager::TemplateFor(const std::string& path) const {
    for (const auto& candidate : m_templates) {
        if (candidate->MatchesFile(path))
            return candidate.get();
    }
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

CDocument* CDocManager::OpenRecovered(const QString& copyPath, const QString& originalPath,
                                      const QString& title, QWidget* parent) {
    const std::string original = originalPath.isEmpty() ? std::string() : PathBytes(originalPath);
    CDocTemplate* docTemplate = TemplateFor(original.empty() ? PathBytes(copyPath) : original);
    if (!docTemplate)
        return nullptr;
    std::unique_ptr<CDocument> document = docTemplate->CreateDocument();
    if (!document)
        return nullptr;
    const FileResult result = document->OnOpenDocument(PathBytes(copyPath));
    if (!result.Succeeded()) {
        ReportFailure(result, parent);
        return nullptr;
    }
    document->SetPathName(original);
    if (original.empty()) {
        document->SetTitle(title.toStdString());
        docTemplate->NoteUntitledTitle(document->GetTitle());
    }
    document->SetModifiedFlag(true);
    const QFileInfo target(originalPath);
    const bool unwritable =
        !original.empty() && target.exists() && (!target.isFile() || !target.isWritable());
    CDocument* adopted = Adopt(std::move(document), *docTemplate);
    if (OpenDocument* open = Find(*adopted))
        open->fileNotOurs = unwritable;
    return adopted;
}

CDocManager::OpenDocument* CDocManager::Find(const CDocument& document) {
    const auto found =
        std::find_if(m_documents.begin(), m_documents.end(),
                     [&](const OpenDocument& open) { return open.document.get() == &document; });
    return found == m_documents.end() ? nullptr : &*found;
}

void CDocManager::ReportFailure(const FileResult& result, QWidget* parent) {
    m_messages.Show(parent, {UserMessage(result), captions::ApplicationTitle(),
                             MessageIcon::Warning, MessageButtons::Ok});
}

bool CDocManager::SaveDocument(CDocument& document, QWidget* parent) {
    // A file that did not open as an inventory may be someone's other work.
    const OpenDocument* open = Find(document);
    if (document.GetPathName().empty() || (open != nullptr && open->fileNotOurs))
        return SaveDocumentAs(document, parent);
    const FileResult result = document.OnSaveDocument(document.GetPathName());
    if (!result.Succeeded()) {
        ReportFailure(result, parent);
        return false;
    }
    return true;
}

bool CDocManager::SaveDocumentAs(CDocument& document, QWidget* parent) {
    const CDocTemplate* docTemplate = GetTemplateOf(document);
    const QString filter = docTemplate ? FilterText(*docTemplate) : QString();
    QString suffix =
        docTemplate ? text::FromBytes(docTemplate->GetDocString(DocStringPart::FilterExtension))
                    : QString();
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    const QString suggested = document.GetPathName().empty() ? text::FromBytes(document.GetTitle())
                                                             : PathText(document.GetPathName());
    const auto path = m_files.ChooseFileToSave(parent, suggested, filter, suffix);
    if (!path)
        return false;
    // Two windows on one file would each write over what the other saved.
    const std::string bytes = PathBytes(*path);
    for (const OpenDocument& open : m_documents) {
        if (open.document.get() != &document && open.document->GetPathName() == bytes) {
            m_messages.Show(parent, {tr("%1 is open in another window.\nClose it there first, "
                                        "or save under another name.")
                                         .arg(*path),
                                     captions::ApplicationTitle(), MessageIcon::Warning,
                                     MessageButtons::Ok});
            return false;
        }
    }
    const FileResult result = document.OnSaveDocument(bytes);
    if (!result.Succeeded()) {
        ReportFailure(result, parent);
        return false;
    }
    if (OpenDocument* open = Find(document))
        open->fileNotOurs = false;
    m_recentFiles.Add(*path);
    emit DocumentRenamed(&document);
    return true;
}

bool CDocManager::SaveModified(CDocument& document, QWidget* parent) {
    if (!document.IsModified())
        return true;
    const QString name = document.GetPathName().empty()
                             ? text::FromBytes(document.GetTitle())
                             : QFileInfo(PathText(document.GetPathName())).fileName();
    const MessageAnswer answer =
        m_messages.Show(parent, {tr("Save changes to %1?").arg(name), captions::ApplicationTitle(),
                                 MessageIcon::Question, MessageButtons::YesNoCancel});
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No)
        return true;
    return SaveDocument(document, parent);
}

bool CDocManager::CloseDocument(CDocument& document, QWidget* parent) {
    if (!SaveModified(document, parent))
        return false;
    const auto found =
        std::find_if(m_documents.begin(), m_documents.end(),
                     [&](const OpenDocument& open) { return open.document.get() == &document; });
    if (found == m_documents.end())
        return true;
    emit DocumentClosing(&document);
    // The signal's receivers may have closed other documents: find it again.
    const auto again =
        std::find_if(m_documents.begin(), m_documents.end(),
                     [&](const OpenDocument& open) { return open.document.get() == &document; });
    if (again != m_documents.end())
        m_documents.erase(again);
    return true;
}

bool CDocManager::SaveAllModified(QWidget* parent) {
    for (CDocument* document : GetDocuments()) {
        if (!SaveModified(*document, parent))
            return false;
    }
    return true;
}

const std::vector<CDocument*> CDocManager::GetDocuments() const {
    std::vector<CDocument*> documents;
    for (const OpenDocument& open : m_documents)
        documents.push_back(open.document.get());
    return documents;
}

CDocTemplate* CDocManager::GetTemplateOf(const CDocument& document) const {
    for (const OpenDocument& open : m_documents) {
        if (open.document.get() == &document)
            return open.docTemplate;
    }
    return nullptr;
}
