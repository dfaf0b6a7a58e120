#pragma once

#include <optional>
#include <utility>

#include <QList>
#include <QString>
#include <QStringList>

class QByteArray;

// An application's desktop entry: the [Desktop Entry] group of its .desktop file,
// and the command that opens a file with it. The command is an argument list,
// never a line for a shell, so a file name is passed on exactly as it is.
class CDesktopEntry {
public:
    using KeyValues = QList<std::pair<QString, QString>>;

    // The entry in contents (the file's UTF-8 text); path is where it was read from.
    CDesktopEntry(QString path, const QByteArray& contents);

    const QString& Path() const { return m_path; }
    // The value of key with the string escapes (\s \n \t \r \\) undone; empty when missing.
    QString Value(const QString& key) const;

    // Whether the desktop would start it: of type Application, not Hidden, and with
    // its TryExec program (when it names one) present.
    bool IsUsable() const;

    // The program followed by its arguments that opens file: Exec split into
    // arguments, then its field codes replaced; %f %F %u %U stand for file (as one
    // argument), which is appended when Exec has none of them. Nothing when Exec is
    // missing, empty or its quotes do not close. A code inside a quoted argument that
    // holds more than the code, as in sh -c "viewer %f", is replaced by its value
    // quoted for a shell, so whatever a file name holds stays one word there too.
    std::optional<QStringList> CommandFor(const QString& file) const;

    // Exec split into arguments by the quoting rules of desktop entries: double
    // quotes with \" \` \$ \\ escaped inside, single quotes, and a backslash that
    // escapes the next character outside quotes. Nothing when a quote does not close.
    static std::optional<QStringList> SplitExec(const QString& exec);

    // The keys and raw values of one [group] of a desktop-style key file, in file
    // order; later repeats of the group are appended. Comments and blanks are skipped.
    static KeyValues ReadGroup(const QByteArray& contents, const QString& group);
    // A string value with its escapes undone; unknown escapes stay as written.
    static QString Unescape(const QString& raw);

    // text between single quotes for a POSIX shell, a single quote written as '\''.
    static QString QuotedForShell(const QString& text);

private:
    // One argument of Exec; quoted when any of it was written in quotes or escaped.
    struct ExecArgument {
        QString text;
        bool quoted = false;
    };
    static std::optional<QList<ExecArgument>> SplitExecArguments(const QString& exec);

    // One argument with its field codes replaced; nothing when the argument was
    // only codes that stand for nothing. Sets usedFile when it held a file code.
    std::optional<QString> Expand(const ExecArgument& argument, const QString& file,
                                  bool& usedFile) const;

    QString m_path;
    KeyValues m_values;
};
