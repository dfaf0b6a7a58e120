#pragma once

#include <string>
#include <utility>
#include <vector>

// Marks a message of the model as a text for translation without Qt: lupdate reads
// it as QT_TRANSLATE_NOOP, the model keeps the English text, and the window layer
// looks the translation up under context ("Messages" for every model message).
#define GW_TRANSLATE_NOOP(context, text) text

// A message for people: an English pattern with %1..%9 markers (marked with
// GW_TRANSLATE_NOOP("Messages", ...)) and the parts that fill them in. A part is
// itself a message, so a message that quotes another is translated whole; parts
// such as file names, numbers and item texts are verbatim and never translated.
struct CUserText {
    std::string pattern;
    std::vector<CUserText> args;
    // The pattern is shown as it is (a file name, a number, an item's text).
    bool verbatim = false;

    // pattern with args filled in, each either a CUserText or a text shown as it is.
    template <typename... Args> static CUserText Make(std::string pattern, Args&&... args) {
        return {std::move(pattern), {Part(std::forward<Args>(args))...}, false};
    }
    static CUserText Verbatim(std::string text) { return {std::move(text), {}, true}; }

    // The English message: each %N replaced by the English of part N, in one pass,
    // so that a marker inside a part stays as it is.
    std::string English() const;
    bool Empty() const { return pattern.empty(); }

private:
    static CUserText Part(CUserText text) { return text; }
    static CUserText Part(std::string text) { return Verbatim(std::move(text)); }
};
