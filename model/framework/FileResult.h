#pragma once

#include <string>

#include "model/framework/UserText.h"

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
    // The message in English (what the command line prints).
    std::string message;
    // The same message for the window layer to translate; empty when message was
    // given as a plain text.
    CUserText text{};

    bool Succeeded() const { return outcome != FileOutcome::Failed; }
    // The message to show: text, or message as it is when there is no text.
    CUserText Text() const { return text.Empty() ? CUserText::Verbatim(message) : text; }

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string text) { return {FileOutcome::Failed, std::move(text)}; }
    static FileResult Failure(CUserText text) { return With(FileOutcome::Failed, std::move(text)); }
    static FileResult With(FileOutcome outcome, CUserText text) {
        std::string english = text.English();
        return {outcome, std::move(english), std::move(text)};
    }
};
