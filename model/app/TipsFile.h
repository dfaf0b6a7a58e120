#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/app/FileTimes.h"
#include "model/framework/FileResult.h"

// The tips file gaugetip.mst, read as text: every line is a tip except those that
// start with a space, a tab or ";" and the empty ones; after the last line reading
// starts again at the beginning. Lines are read at most kReadLimit characters at a
// time, and a CR LF reads as one line feed. Positions are byte offsets into the
// file, so that they can be stored between runs.
class CTipsFile {
public:
    static constexpr const char* kFileName = "gaugetip.mst";
    static constexpr std::size_t kReadLimit = 1000;
    // A larger file is not read (it is held in memory while open).
    static constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{16} << 20;

    // Reads the file at path and its creation time stamp; the position is the
    // start. On failure (missing, unreadable, too large) the result says why and
    // the object has no file.
    FileResult Open(const std::string& path);
    // Takes bytes as the file's contents, without a time stamp.
    void Assign(std::string bytes);
    bool IsOpen() const { return m_open; }

    // The file's creation time in the 24-character date form, trailing white space
    // removed; empty when there is no file or its time could not be read.
    const std::string& GetTimeStamp() const { return m_timeStamp; }
    // Whether the stamp is the file's birth time or, where the file system keeps
    // none, its modification time.
    FileTimeKind GetTimeStampKind() const { return m_timeStampKind; }

    // Moves to where an earlier run stopped: storedPosition when storedTimeStamp is
    // this file's stamp, else (the file was replaced) the start. False when the
    // move fails.
    bool Resume(const std::string& storedTimeStamp, std::int64_t storedPosition);
    // Moves to a byte offset. A position past the end is allowed (the next read
    // wraps to the first tip); a negative one fails and leaves the position.
    bool Seek(std::int64_t position);
    std::int64_t GetPosition() const { return m_position; }

    // The next tip, line break included when the line had one. None when there is
    // no file or the file holds no tip at all.
    std::optional<std::string> ReadNextTip();

private:
    // One read of at most kReadLimit characters up to and including a line feed;
    // empty at the end of the file.
    std::string ReadLine();

    bool m_open = false;
    std::string m_bytes;
    std::int64_t m_position = 0;
    std::string m_timeStamp;
    FileTimeKind m_timeStampKind = FileTimeKind::Modification;
};
