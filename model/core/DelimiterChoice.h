#pragma once

#include <string>

// The four delimiter check boxes of the export and import dialogs and the text of
// "Other". Both dialogs open with only Tab checked.
struct CDelimiterChoice {
    bool tab = true;
    bool semicolon = false;
    bool comma = false;
    bool other = false;
    std::string otherText;

    // The delimiter the boxes stand for: a tab, ";", "," and the Other text, each
    // when checked, in that fixed order. Empty when nothing is checked (or Other
    // alone is checked with an empty text).
    std::string Text() const {
        std::string text;
        if (tab)
            text += '\t';
        if (semicolon)
            text += ';';
        if (comma)
            text += ',';
        if (other)
            text += otherText;
        return text;
    }
};
