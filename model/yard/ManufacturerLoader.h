#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "model/yard/ManufacturerFile.h"

// Loads the manufacturer file on a thread of its own, so that the program's start
// is not held up.
//
// The thread writes nothing but this object's results, and the results are handed
// out only once the thread has ended: while it runs the getters give empty
// results. The end is published through an atomic flag (written last by the
// thread, read with acquire), so a caller that sees IsRunning() false may read the
// results without any lock. All members are meant for one thread (the GUI thread).
class CManufacturerLoader {
public:
    // Receives a message for the user on the loader thread, as it arises; it must
    // pass the message on safely (for example post it to the GUI thread). The same
    // messages are kept in English for GetMessages(): a caller shows one or the other.
    using MessageSink = std::function<void(const CUserText& message)>;

    // Starts reading the file at path at once, with normal priority.
    explicit CManufacturerLoader(std::string path, MessageSink onMessage = {});
    // Waits for the thread to end.
    ~CManufacturerLoader();
    CManufacturerLoader(const CManufacturerLoader&) = delete;
    CManufacturerLoader& operator=(const CManufacturerLoader&) = delete;

    // Whether the thread still runs; stays right after it has ended.
    bool IsRunning() const { return m_running.load(std::memory_order_acquire); }
    // Raises the thread to the highest normal priority where the platform allows;
    // false when it could not (or the thread has ended).
    bool RaisePriority();
    // Blocks until the thread has ended.
    void Wait();

    // The loaded manufacturers; empty while the thread runs and when the file
    // could not be loaded.
    const CManufacturerList& GetManufacturers() const;
    // The texts of the skipped incomplete records; empty while the thread runs.
    const std::vector<std::string>& GetIncompleteRecords() const;
    // The messages for the user in the order they arose: the file error message,
    // or one message for each of the first incomplete records and, when there
    // were more, one that counts the rest. Empty while the thread runs.
    const std::vector<std::string>& GetMessages() const;

private:
    void Run() noexcept;
    const CManufacturerFileContents& Contents() const;

    const std::string m_path;
    const MessageSink m_onMessage;
    CManufacturerFileContents m_contents;
    std::vector<std::string> m_messages;
    const CManufacturerFileContents m_noContents;
    const std::vector<std::string> m_noMessages;
    std::atomic<bool> m_running{true};
    // Last, so that it starts once everything the thread uses exists.
    std::thread m_thread;
};
