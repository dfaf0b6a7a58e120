#include "model/yard/ManufacturerLoader.h"

#include <exception>
#include <new>

#include "model/framework/FileMessages.h"
#include "model/yard/ThreadPriority.h"

CManufacturerLoader::CManufacturerLoader(std::string path, MessageSink onMessage)
    : m_path(std::move(path)), m_onMessage(std::move(onMessage)),
      m_thread(&CManufacturerLoader::Run, this) {}

CManufacturerLoader::~CManufacturerLoader() {
    Wait();
}

bool CManufacturerLoader::RaisePriority() {
    // Until it is joined the thread's handle stays valid, even when the thread has
    // just ended.
    return IsRunning() && threadpriority::RaiseToHighest(m_thread);
}

void CManufacturerLoader::Wait() {
    if (m_thread.joinable())
        m_thread.join();
}

const CManufacturerFileContents& CManufacturerLoader::Contents() const {
    return IsRunning() ? m_noContents : m_contents;
}

const CManufacturerList& CManufacturerLoader::GetManufacturers() const {
    return Contents().manufacturers;
}

const std::vector<std::string>& CManufacturerLoader::GetIncompleteRecords() const {
    return Contents().incompleteRecords;
}

const std::vector<std::string>& CManufacturerLoader::GetMessages() const {
    return IsRunning() ? m_noMessages : m_messages;
}

void CManufacturerLoader::Run() noexcept {
    const auto tell = [this](const CUserText& message) {
        if (m_onMessage) {
            try {
                m_onMessage(message);
            } catch (...) {
                // The sink's trouble must not end the loading, nor the program.
            }
        }
        m_messages.push_back(message.English());
    };
    try {
        try {
            std::size_t incomplete = 0;
            const FileResult result =
                manufacturerfile::Load(m_path, m_contents, [&](std::string_view record) {
                    if (++incomplete <= manufacturerfile::kIncompleteRecordsShown)
                        tell(manufacturerfile::IncompleteRecordMessage(record));
                });
            if (!result.Succeeded())
                tell(manufacturerfile::LoadFailure(result.Text()));
            else if (incomplete > manufacturerfile::kIncompleteRecordsShown)
                tell(manufacturerfile::SkippedRecordsMessage(
                    incomplete - manufacturerfile::kIncompleteRecordsShown));
        } catch (const std::bad_alloc&) {
            // Nothing of a half-read file is kept.
            m_contents = {};
            m_messages.clear();
            tell(manufacturerfile::LoadFailure(CUserText::Make(
                GW_TRANSLATE_NOOP("Messages", "There is not enough memory to load %1."), m_path)));
        } catch (...) {
            m_contents = {};
            m_messages.clear();
            tell(manufacturerfile::LoadFailure(filemessages::FileError(0, m_path)));
        }
    } catch (...) {
        // Not even the message could be made; the list stays empty.
        m_contents = {};
    }
    m_running.store(false, std::memory_order_release);
}
