#include "model/app/TipsFile.h"

#include "model/framework/SafeFile.h"

FileResult CTipsFile::Open(const std::string& path) {
    *this = CTipsFile();
    std::string bytes;
    FileResult result = safefile::ReadAll(path, bytes, kMaxFileSize);
    if (!result.Succeeded())
        return result;
    Assign(std::move(bytes));
    std::tm created{};
    if (filetimes::CreationTime(path, created, m_timeStampKind)) {
        m_timeStamp = filetimes::FormatTimeStamp(created);
        while (!m_timeStamp.empty() && (m_timeStamp.back() == ' ' || m_timeStamp.back() == '\t' ||
                                        m_timeStamp.back() == '\n'))
            m_timeStamp.pop_back();
    }
    return result;
}

void CTipsFile::Assign(std::string bytes) {
    m_bytes = std::move(bytes);
    m_open = true;
    m_position = 0;
    m_timeStamp.clear();
}

bool CTipsFile::Resume(const std::string& storedTimeStamp, std::int64_t storedPosition) {
    return Seek(storedTimeStamp == m_timeStamp ? storedPosition : 0);
}

bool CTipsFile::Seek(std::int64_t position) {
    if (!m_open || position < 0)
        return false;
    m_position = position;
    return true;
}

std::string CTipsFile::ReadLine() {
    std::string line;
    const auto size = static_cast<std::int64_t>(m_bytes.size());
    while (line.size() < kReadLimit && m_position < size) {
        char c = m_bytes[static_cast<std::size_t>(m_position++)];
        // Text mode: CR LF is one line feed.
        if (c == '\r' && m_position < size &&
            m_bytes[static_cast<std::size_t>(m_position)] == '\n') {
            c = '\n';
            ++m_position;
        }
        line += c;
        if (c == '\n')
            break;
    }
    return line;
}

std::optional<std::string> CTipsFile::ReadNextTip() {
    if (!m_open)
        return std::nullopt;
    // Every read takes at least one byte, so two ends of the file within one call
    // mean that the whole file was read without a tip.
    for (int ends = 0; ends < 2;) {
        std::string line = ReadLine();
        if (line.empty()) {
            ++ends;
            m_position = 0;
            continue;
        }
        const char first = line.front();
        if (first != ' ' && first != '\t' && first != '\n' && first != ';')
            return line;
    }
    return std::nullopt;
}
