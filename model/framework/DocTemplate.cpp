#include "model/framework/DocTemplate.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "model/framework/Document.h"

CDocTemplate::CDocTemplate(int resourceId, std::string documentString,
                           DocumentFactory createDocument)
    : m_resourceId(resourceId), m_documentString(std::move(documentString)),
      m_createDocument(std::move(createDocument)) {}

std::string CDocTemplate::GetDocString(DocStringPart part) const {
    std::size_t start = 0;
    for (int k = 0; k < static_cast<int>(part); ++k) {
        start = m_documentString.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    const std::size_t end = m_documentString.find('\n', start);
    return m_documentString.substr(start, end == std::string::npos ? end : end - start);
}

bool CDocTemplate::MatchesFile(const std::string& path) const {
    const std::string wanted = GetDocString(DocStringPart::FilterExtension);
    if (wanted.empty())
        return false;
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension.size() == wanted.size() &&
           std::equal(extension.begin(), extension.end(), wanted.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::unique_ptr<CDocument> CDocTemplate::CreateDocument() const {
    return m_createDocument ? m_createDocument() : nullptr;
}

std::string CDocTemplate::NextUntitledTitle() {
    return GetDocString(DocStringPart::DocumentName) + std::to_string(++m_untitledCount);
}

void CDocTemplate::NoteUntitledTitle(const std::string& title) {
    const std::string name = GetDocString(DocStringPart::DocumentName);
    if (title.size() <= name.size() || title.compare(0, name.size(), name) != 0 ||
        title.size() - name.size() > 9)
        return;
    int number = 0;
    for (std::size_t k = name.size(); k < title.size(); ++k) {
        if (title[k] < '0' || title[k] > '9')
            return;
        number = number * 10 + (title[k] - '0');
    }
    m_untitledCount = std::max(m_untitledCount, number);
}
