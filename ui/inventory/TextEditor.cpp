#include "ui/inventory/TextEditor.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/WaitCursor.h"

CTextEditor::CTextEditor(CMessageSink& messages, CDesktopAssociations associations)
    : m_messages(messages), m_associations(std::move(associations)),
      m_launcher([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }) {}

bool CTextEditor::Open(QWidget* parent, const QString& path) {
    // The whole path: a relative one beginning with "-" would reach the program
    // as one of its options.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const CDesktopAssociations::ApplicationLookup editor =
        m_associations.DefaultApplication(QStringLiteral("text/plain"));
    const std::optional<QStringList> command =
        editor.application ? m_associations.CommandFor(*editor.application, absolute)
                           : std::nullopt;
    QString problem;
    if (!command && editor.application && editor.application->NeedsTerminal()) {
        problem =
            QCoreApplication::translate(
                "CTextEditor", "The text editor %1 runs in a terminal, and no terminal program "
                               "was found (x-terminal-emulator, or the one TERMINAL names).")
                .arg(editor.application->Value(QStringLiteral("Name")));
    } else if (!command) {
        problem = QCoreApplication::translate(
            "CTextEditor", "No text editor is set for plain text files on this desktop.");
    } else {
        bool started = false;
        {
            const CWaitCursor wait;
            started = m_launcher(command->front(), command->mid(1));
        }
        if (!started)
            problem = QCoreApplication::translate("CTextEditor",
                                                  "The text editor %1 could not be started.")
                          .arg(command->front());
    }
    if (problem.isEmpty())
        return true;
    m_messages.Show(
        parent, {problem + QCoreApplication::translate("CTextEditor",
                                                       "\n\nOpen %1 in a text editor to check it.")
                               .arg(absolute),
                 captions::ApplicationTitle(), MessageIcon::Warning, MessageButtons::Ok});
    return false;
}
