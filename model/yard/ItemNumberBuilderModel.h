#pragma once

#include <optional>
#include <span>
#include <string>

#include "model/framework/UserText.h"

// What the item number builder does with its text, without the dialog: the
// on-screen keyboard, the edits its buttons make and the check on OK. Texts are
// the program's 8-bit bytes.
class CItemNumberBuilderModel {
public:
    // One key of the on-screen keyboard: the character it appends and its control id.
    struct Key {
        char character;
        int controlId;
    };

    static constexpr const char* kEmptyMessage =
        GW_TRANSLATE_NOOP("Messages", "Please enter one or more characters!");

    // The keyboard as it is laid out, top to bottom: digits 0 to 4 and 5 to 9, the
    // letters A to G, H to N, O to U and V to Z, and the hyphen alone.
    static std::span<const std::span<const Key>> KeyRows();

    // The dialog's title for the build form's Item Number heading.
    static std::string TitleFor(const std::string& itemNumberHeading);

    const std::string& GetText() const { return m_text; }
    // Takes the text as the user typed it, unchecked.
    void SetText(std::string text) { m_text = std::move(text); }
    void Append(char character) { m_text += character; }
    // Removes the last character; nothing happens on an empty text.
    void UndoLast();
    void Clear() { m_text.clear(); }

    // Whether OK, Clear and Undo Last are enabled.
    bool CanEdit() const { return !m_text.empty(); }

    // The result on OK: the text as it stands, or nothing when it is empty (the
    // dialog then shows kEmptyMessage and stays open).
    std::optional<std::string> Accept() const;

private:
    std::string m_text;
};
