#include "ui/app/OpenRequestQueue.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>

#include "ui/common/Captions.h"

namespace {

// How many files could not be opened, the first of their names, and how many
// requests were dropped.
CMessage CombinedMessage(const QStringList& failedFiles, qsizetype dropped) {
    QStringList parts;
    if (!failedFiles.isEmpty()) {
        QString text =
            failedFiles.size() == 1
                ? QCoreApplication::translate("COpenRequestQueue", "1 file could not be opened:")
                : QCoreApplication::translate("COpenRequestQueue", "%1 files could not be opened:")
                      .arg(failedFiles.size());
        text += u'\n';
        for (const QString& path :
             failedFiles.first(std::min(failedFiles.size(), COpenRequestQueue::kMostNamed)))
            text += u'\n' + path;
        if (failedFiles.size() > COpenRequestQueue::kMostNamed)
            text += QCoreApplication::translate("COpenRequestQueue", "\n... and %1 more.")
                        .arg(failedFiles.size() - COpenRequestQueue::kMostNamed);
        parts.append(text);
    }
    if (dropped > 0) {
        parts.append(dropped == 1
                         ? QCoreApplication::translate(
                               "COpenRequestQueue", "1 more file was not opened: too many requests "
                                                    "arrived at once.")
                         : QCoreApplication::translate("COpenRequestQueue",
                                                       "%1 more files were not opened: too many "
                                                       "requests arrived at once.")
                               .arg(dropped));
    }
    return {parts.join(QStringLiteral("\n\n")), captions::ApplicationTitle(), MessageIcon::Warning,
            MessageButtons::Ok};
}

} // namespace

void COpenRequestQueue::SetOpener(Opener open, ParentFinder parent) {
    m_open = std::move(open);
    m_parent = std::move(parent);
}

void COpenRequestQueue::Request(const QString& path) {
    if (m_waiting.size() >= kMostWaiting)
        ++m_dropped;
    else
        m_waiting.append(path);
    // Requests that arrive in the loop below, or in the box it shows, are taken
    // by this same loop: it never runs inside itself.
    if (m_busy || !m_open)
        return;
    m_busy = true;
    while (!m_waiting.isEmpty() || !m_failures.empty() || m_dropped > 0) {
        while (!m_waiting.isEmpty()) {
            m_opening = m_waiting.takeFirst();
            m_inOpen = true;
            m_open(m_opening);
            m_inOpen = false;
        }
        if (m_failures.empty() && m_dropped == 0)
            break;
        const CMessage summary = Summary();
        m_failures.clear();
        m_dropped = 0;
        m_messages.Show(m_parent ? m_parent() : nullptr, summary);
    }
    m_busy = false;
}

MessageAnswer COpenRequestQueue::Show(QWidget* parent, const CMessage& message) {
    if (!m_inOpen || message.buttons != MessageButtons::Ok)
        return m_messages.Show(parent, message);
    // One entry per file: a file that gives two messages is still one failure.
    if (m_failures.empty() || m_failures.back().path != m_opening)
        m_failures.push_back({m_opening, message});
    return MessageAnswer::Ok;
}

CMessage COpenRequestQueue::Summary() const {
    // A single problem reads as it would have without the queue.
    if (m_failures.size() == 1 && m_dropped == 0)
        return m_failures.front().message;
    QStringList files;
    for (const Failure& failure : m_failures)
        files.append(failure.path);
    return CombinedMessage(files, m_dropped);
}
