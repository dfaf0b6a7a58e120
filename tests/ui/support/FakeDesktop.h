#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "ui/common/XdgDirectories.h"

// A desktop of its own in a temporary folder: the XDG folders (user and system
// config, user and system data), MIME globs, mimeapps lists and desktop entries,
// and programs that record the arguments they were started with.
class CFakeDesktop {
public:
    CFakeDesktop();

    bool IsValid() const { return m_root.isValid(); }
    QString Root() const { return m_root.path(); }
    // The fake's folders: configHome "config", configDirs "etc", dataHome "data",
    // dataDirs "usr" and "usr2" (relative to Root()).
    CXdgDirectories Directories() const;
    // Root()/relative.
    QString Path(const QString& relative) const;

    // Writes contents to Root()/relative, making the folders; returns the full path.
    QString Write(const QString& relative, const QByteArray& contents);

    // An executable script Root()/name that records its arguments (NUL-separated)
    // in Root()/name.args once per start, and nothing else. Returns its path.
    QString AddRecorder(const QString& name);
    // The arguments the recorder name was last started with, once it wrote them.
    QStringList RecordedArguments(const QString& name) const;
    bool HasRecorded(const QString& name) const;

    // An Exec value that runs the recorder name, quoted as desktop entries quote.
    QString ExecOf(const QString& name) const;

private:
    QTemporaryDir m_root;
};
