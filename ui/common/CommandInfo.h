#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// How a command shows itself, as the feature that owns it describes it once: the
// menu text ("&" mnemonic, "\t" key text), the prompt ("status bar text\ntool
// tip"), the icon resource (or the theme's icon) and the keys. A context menu shows the same action
// with its popup text: popupText when given, else the menu text without its key
// text.
struct CCommandInfo {
    int id = 0;
    QString text{};
    QString prompt{};
    QString icon{}; // resource path; empty when the command has no picture
    QList<QKeySequence> shortcuts{};
    bool checkable = false;
    bool visible = true; // shown while nobody handles the command
    QString popupText{};
    // The desktop theme's icon of that name, where the theme has one, else icon.
    QString themeIcon{};
};

// The resource path of a toolbar picture.
inline QString ToolbarIcon(const QString& name) {
    return QStringLiteral(":/icons/toolbar/") + name + QStringLiteral(".svg");
}
