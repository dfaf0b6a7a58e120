#include "ui/inventory/PictureViewer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"

namespace {

// Waits while the windows keep painting; the user's input waits too.
void Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CPictureViewer::CPictureViewer(CMessageSink& messages, CDesktopAssociations associations,
                               int pauseMilliseconds)
    : m_messages(messages), m_associations(std::move(associations)),
      m_pauseMilliseconds(pauseMilliseconds),
      m_launcher([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }) {}

QString CPictureViewer::ExtensionOf(const QString& path) {
    // Only the file name counts: a dot in a folder's name is no extension.
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < nameStart ? QStringLiteral(".gif") : path.mid(dot);
}

QString CPictureViewer::CannotFindMessage(const QString& path) {
    return QCoreApplication::translate(
               "CPictureViewer", "The Gaugewright cannot find the picture file specified.\n\n%1\n\n"
                                 "Please make sure the file name is correct.")
        .arg(path);
}

QString CPictureViewer::CannotViewMessage() {
    return QCoreApplication::translate(
        "CPictureViewer",
        "The Gaugewright cannot view this picture.\n\nOpen this file with Windows Explorer "
        "first, then retry.");
}

void CPictureViewer::ShowError(QWidget* parent, const QString& text) {
    m_messages.Show(parent,
                    {text, captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok});
}

bool CPictureViewer::View(QWidget* parent, const std::string& path) {
    return View(parent, text::FromBytes(path));
}

bool CPictureViewer::View(QWidget* parent, const QString& path) {
    // Only a regular file is opened: opening a named pipe for reading would wait
    // for a writer, and the program with it.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowError(parent, CannotFindMessage(path));
        return false;
    }
    file.close();

    const CDesktopAssociations::TypeLookup type =
        m_associations.MimeTypeOfExtension(ExtensionOf(path));
    if (type.outcome == CDesktopAssociations::Outcome::AccessDenied) {
        ShowError(parent,
                  QCoreApplication::translate(
                      "CPictureViewer", "The operating system has denied access to the "
                                        "registry.\n\nThe Gaugewright cannot view this picture."));
        return false;
    }
    if (type.outcome != CDesktopAssociations::Outcome::Found) {
        ShowError(parent, CannotViewMessage());
        return false;
    }

    const CDesktopAssociations::ApplicationLookup application =
        m_associations.DefaultApplication(type.mimeType);
    if (application.outcome == CDesktopAssociations::Outcome::AccessDenied) {
        ShowError(parent,
                  QCoreApplication::translate(
                      "CPictureViewer", "The operating system has denied access to the registry "
                                        "(shell).\n\nThe picture cannot be viewed."));
        return false;
    }
    // The whole path: a relative one beginning with "-" would reach the program
    // as one of its options.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::optional<QStringList> command =
        application.application ? m_associations.CommandFor(*application.application, absolute)
                                : std::nullopt;
    if (!command) {
        ShowError(parent, CannotViewMessage());
        return false;
    }

    bool started = false;
    {
        const CWaitCursor wait;
        started = m_launcher(command->front(), command->mid(1));
    }
    if (!started) {
        ShowError(parent, CannotViewMessage());
        return false;
    }
    ShowStarting(parent);
    return true;
}

void CPictureViewer::ShowStarting(QWidget* parent) {
    CProgressWindow progress(
        QCoreApplication::translate("CPictureViewer", "Starting Picture Viewer.  Please wait..."),
        10, parent);
    progress.show();
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
        progress.StepIt();
        if (step < kSteps)
            Pause(m_pauseMilliseconds);
    }
    progress.close();
}
