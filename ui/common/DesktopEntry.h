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
    // Whether it runs in a terminal (Terminal=true).
    bool NeedsTerminal() const {
        return Value(QStringLiteral("Terminal")) == QStringLiteral("true");
    }

    // The program followed by its arguments that opens file: Exec split into
    // arguments, then its field codes replaced; %f %F %u %U stand for file (as one
    // argument), which is appended when Exec has none of them. Nothing when Exec is
    // missing, empty or its quotes do not close, and nothing when a code stands
    // inside a quoted argument with more around it (viewer "--file=%f"). Codes in
    // a shell's command text (sh -c 'viewer "%f"') become positional parameters
    // ("$1") whose values follow the text, so the shell never reads a file name
    // as commands.
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

private:
    // One argument of Exec; quoted when any of it was written in quotes or escaped.
    struct ExecArgument {
        QString text;
        bool quoted = false;
    };
    static std::optional<QList<ExecArgument>> SplitExecArguments(const QString& exec);
    // The index of the command text of a shell started with -c (directly or through
    // env) when that text holds field codes; -1 otherwise.
    static qsizetype ShellScriptIndex(const QList<ExecArgument>& arguments);

    // A shell's command text with its codes turned into positional parameters.
    struct ShellScript {
        QString text;
        QStringList values; // of the parameters, from the first one on
        bool usedFile = false;
    };
    ShellScript ParameterizeScript(const QString& script, const QString& file,
                                   qsizetype firstParameter) const;
    // What code stands for; nothing for deprecated and unknown codes.
    std::optional<QString> CodeValue(QChar code, const QString& file) const;

    // One argument with its field codes replaced; nothing when the argument was
    // only codes that stand for nothing. Sets usedFile when it held a file code.
    std::optional<QString> Expand(const ExecArgument& argument, const QString& file,
                                  bool& usedFile) const;

    QString m_path;
    KeyValues m_values;
};
