#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

#include "ui/common/DesktopAssociations.h"

class CMessageSink;
class QWidget;

// Shows a picture file by starting the program the desktop associates with its
// type, and tells the user in a message box why it could not. The program is
// started with an argument list (never through a shell) and runs on its own: the
// viewer neither waits for it nor keeps a handle to it.
class CPictureViewer {
public:
    // Starts program with arguments as a process of its own; false when it could not start.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    // messages must outlive the viewer. associations says which program opens which
    // type; pauseMilliseconds is the pause after each of the first nine steps of the
    // "Starting Picture Viewer" progress window (100 in the program).
    CPictureViewer(CMessageSink& messages, CDesktopAssociations associations,
                   int pauseMilliseconds = 100);

    // Replaces how the program is started (default: QProcess::startDetached).
    void SetLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

    // Opens the picture at path (the item's bytes) with its program; messages go over
    // parent. Returns true when the program was started. Every failure has been
    // shown as a "Gaugewright System Error" box by the time it returns false.
    bool View(QWidget* parent, const std::string& path);
    bool View(QWidget* parent, const QString& path);

    // The type looked up for path: its file name's text from the last "." on, ".gif"
    // when the file name has none.
    static QString ExtensionOf(const QString& path);

    static QString CannotFindMessage(const QString& path);
    static QString CannotViewMessage();

private:
    void ShowError(QWidget* parent, const QString& text);
    void ShowStarting(QWidget* parent);

    CMessageSink& m_messages;
    CDesktopAssociations m_associations;
    int m_pauseMilliseconds;
    Launcher m_launcher;
};
