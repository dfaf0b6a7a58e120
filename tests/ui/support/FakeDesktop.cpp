#include "ui/support/FakeDesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CFakeDesktop::CFakeDesktop() {
    for (const char* folder : {"config", "etc", "data", "usr", "usr2"})
        QDir(m_root.path()).mkpath(QString::fromLatin1(folder));
}

CXdgDirectories CFakeDesktop::Directories() const {
    CXdgDirectories directories;
    directories.configHome = Path(QStringLiteral("config"));
    directories.configDirs = {Path(QStringLiteral("etc"))};
    directories.dataHome = Path(QStringLiteral("data"));
    directories.dataDirs = {Path(QStringLiteral("usr")), Path(QStringLiteral("usr2"))};
    return directories;
}

QString CFakeDesktop::Path(const QString& relative) const {
    return QDir(m_root.path()).filePath(relative);
}

QString CFakeDesktop::Write(const QString& relative, const QByteArray& contents) {
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size())
        qFatal("cannot write the fake desktop's files");
    return path;
}

QString CFakeDesktop::AddRecorder(const QString& name) {
    // Written to a temporary name first, so a reader never sees half the arguments.
    const QString script = Write(name, "#!/bin/sh\n"
                                       "out=\"$0.args\"\n"
                                       "printf '%s\\0' \"$@\" > \"$out.part\"\n"
                                       "mv \"$out.part\" \"$out\"\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner | QFile::ExeUser);
    return script;
}

bool CFakeDesktop::HasRecorded(const QString& name) const {
    return QFileInfo::exists(Path(name + QStringLiteral(".args")));
}

QStringList CFakeDesktop::RecordedArguments(const QString& name) const {
    QFile file(Path(name + QStringLiteral(".args")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    QByteArray all = file.readAll();
    if (all.endsWith('\0'))
        all.chop(1);
    else if (all.isEmpty())
        return {};
    for (const QByteArray& argument : all.split('\0'))
        arguments << QString::fromUtf8(argument);
    return arguments;
}

QString CFakeDesktop::ExecOf(const QString& name) const {
    QString quoted = Path(name);
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\\\""))
        .replace(QLatin1Char('`'), QStringLiteral("\\\\`"))
        .replace(QLatin1Char('$'), QStringLiteral("\\\\$"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
