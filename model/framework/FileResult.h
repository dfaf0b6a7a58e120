#pragma once

#include <string>

// How reading or writing a document's file ended.
enum class FileOutcome {
    Ok,
    // The file is not one of ours: the open completes with an empty document and
    // the message is shown.
    WrongSignature,
    // Nothing was opened or saved; the message says why.
    Failed,
};

// The outcome of a file operation with the program's message for the user.
struct FileResult {
    FileOutcome outcome = FileOutcome::Ok;
    std::string message;

    bool Succeeded() const { return outcome != FileOutcome::Failed; }

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string text) { return {FileOutcome::Failed, std::move(text)}; }
};
