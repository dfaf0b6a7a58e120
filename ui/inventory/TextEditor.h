#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "ui/common/DesktopAssociations.h"

class CMessageSink;
class QWidget;

// Opens a text file in the program the desktop uses for plain text, started with
// an argument list (never through a shell), in the desktop's terminal when the
// editor runs in one, and left to run on its own.
class CTextEditor {
public:
    // Starts program with arguments as a process of its own; false when it could not start.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    // messages must outlive the editor.
    CTextEditor(CMessageSink& messages, CDesktopAssociations associations);

    // Replaces how the program is started (default: QProcess::startDetached).
    void SetLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    // Opens path; when no editor is set for plain text, or it does not start, says
    // so over parent and returns false.
    bool Open(QWidget* parent, const QString& path);

private:
    CMessageSink& m_messages;
    CDesktopAssociations m_associations;
    Launcher m_launcher;
};
