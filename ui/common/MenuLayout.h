#pragma once

#include <utility>
#include <vector>

#include <QString>

// One entry of a menu bar layout: a command (by number), a separator, or a popup
// with entries of its own. Frames and document types describe their menus this way
// and the action registry turns them into menus of the shared actions.
struct CMenuItem {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Separator;
    int id = 0;
    QString title;
    std::vector<CMenuItem> items;

    static CMenuItem Command(int id) { return {Kind::Command, id, {}, {}}; }
    static CMenuItem Separator() { return {}; }
    static CMenuItem Popup(QString title, std::vector<CMenuItem> items) {
        return {Kind::Popup, 0, std::move(title), std::move(items)};
    }
};

// A menu bar: its popups from left to right.
using CMenuLayout = std::vector<CMenuItem>;
