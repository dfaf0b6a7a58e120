#include "ui/inventory/DesktopEntry.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kEntryGroup = QStringLiteral("Desktop Entry");

bool IsBlank(QChar character) {
    return character == QLatin1Char(' ') || character == QLatin1Char('\t') ||
           character == QLatin1Char('\n');
}

// The characters a backslash escapes inside double quotes of an Exec value.
bool IsQuotedEscape(QChar character) {
    return character == QLatin1Char('"') || character == QLatin1Char('`') ||
           character == QLatin1Char('$') || character == QLatin1Char('\\');
}

// Whether an argument is nothing but one field code, such as "%f".
bool IsFieldCodeOnly(const QString& argument) {
    return argument.size() == 2 && argument[0] == QLatin1Char('%') &&
           argument[1] != QLatin1Char('%');
}

} // namespace

CDesktopEntry::CDesktopEntry(QString path, const QByteArray& contents)
    : m_path(std::move(path)), m_values(ReadGroup(contents, kEntryGroup)) {}

CDesktopEntry::KeyValues CDesktopEntry::ReadGroup(const QByteArray& contents,
                                                  const QString& group) {
    KeyValues values;
    bool inGroup = false;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inGroup = line.mid(1, line.size() - 2) == group;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0)
            values.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return values;
}

QString CDesktopEntry::Unescape(const QString& raw) {
    QString value;
    value.reserve(raw.size());
    for (qsizetype k = 0; k < raw.size(); ++k) {
        if (raw[k] != QLatin1Char('\\') || k + 1 == raw.size()) {
            value += raw[k];
            continue;
        }
        switch (raw[k + 1].unicode()) {
        case 's':
            value += QLatin1Char(' ');
            break;
        case 'n':
            value += QLatin1Char('\n');
            break;
        case 't':
            value += QLatin1Char('\t');
            break;
        case 'r':
            value += QLatin1Char('\r');
            break;
        case '\\':
            value += QLatin1Char('\\');
            break;
        default:
            // Left for the Exec quoting rules, which give \" \` \$ their meaning.
            value += raw[k];
            value += raw[k + 1];
            break;
        }
        ++k;
    }
    return value;
}

QString CDesktopEntry::Value(const QString& key) const {
    // A repeated key is a fault of the file; the first one counts.
    for (const auto& [name, raw] : m_values) {
        if (name == key)
            return Unescape(raw);
    }
    return QString();
}

bool CDesktopEntry::IsUsable() const {
    if (Value(QStringLiteral("Type")) != QStringLiteral("Application") ||
        Value(QStringLiteral("Hidden")) == QStringLiteral("true"))
        return false;
    const QString tryExec = Value(QStringLiteral("TryExec"));
    if (tryExec.isEmpty())
        return true;
    if (QFileInfo(tryExec).isAbsolute())
        return QFileInfo(tryExec).isExecutable();
    return !QStandardPaths::findExecutable(tryExec).isEmpty();
}

std::optional<QList<CDesktopEntry::ExecArgument>>
CDesktopEntry::SplitExecArguments(const QString& exec) {
    QList<ExecArgument> arguments;
    ExecArgument current;
    bool inArgument = false;
    for (qsizetype k = 0; k < exec.size(); ++k) {
        const QChar character = exec[k];
        if (IsBlank(character)) {
            if (inArgument)
                arguments << current;
            current = ExecArgument();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (character == QLatin1Char('"')) {
            current.quoted = true;
            for (++k;; ++k) {
                if (k == exec.size())
                    return std::nullopt;
                if (exec[k] == QLatin1Char('"'))
                    break;
                if (exec[k] == QLatin1Char('\\') && k + 1 < exec.size() &&
                    IsQuotedEscape(exec[k + 1]))
                    ++k;
                current.text += exec[k];
            }
        } else if (character == QLatin1Char('\'')) {
            current.quoted = true;
            const qsizetype end = exec.indexOf(QLatin1Char('\''), k + 1);
            if (end < 0)
                return std::nullopt;
            current.text += exec.mid(k + 1, end - k - 1);
            k = end;
        } else if (character == QLatin1Char('\\') && k + 1 < exec.size()) {
            current.quoted = true;
            current.text += exec[++k];
        } else {
            current.text += character;
        }
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

std::optional<QStringList> CDesktopEntry::SplitExec(const QString& exec) {
    const std::optional<QList<ExecArgument>> arguments = SplitExecArguments(exec);
    if (!arguments)
        return std::nullopt;
    QStringList texts;
    for (const ExecArgument& argument : *arguments)
        texts << argument.text;
    return texts;
}

QString CDesktopEntry::QuotedForShell(const QString& text) {
    QString quoted = QStringLiteral("'");
    for (const QChar character : text) {
        if (character == QLatin1Char('\''))
            quoted += QStringLiteral("'\\''");
        else
            quoted += character;
    }
    return quoted + QLatin1Char('\'');
}

std::optional<QString> CDesktopEntry::Expand(const ExecArgument& execArgument, const QString& file,
                                             bool& usedFile) const {
    const QString& argument = execArgument.text;
    // A quoted argument that holds more than a field code is most likely a command
    // line for a shell ("sh -c \"viewer %f\""): what a code puts in it is quoted for
    // the shell, so that a file name holding shell syntax stays one word.
    const bool forShell = execArgument.quoted && !IsFieldCodeOnly(argument);
    const auto insert = [&](const QString& value) {
        return forShell ? QuotedForShell(value) : value;
    };
    QString expanded;
    bool onlyCodes = true;
    // One pass from left to right, so nothing that a code puts in is read again.
    for (qsizetype k = 0; k < argument.size(); ++k) {
        if (argument[k] != QLatin1Char('%') || k + 1 == argument.size()) {
            expanded += argument[k];
            onlyCodes = false;
            continue;
        }
        switch (argument[++k].unicode()) {
        case 'f':
        case 'F':
        case 'u':
        case 'U':
            expanded += insert(file);
            usedFile = true;
            onlyCodes = false;
            break;
        case 'i':
            expanded += insert(Value(QStringLiteral("Icon")));
            break;
        case 'c':
            expanded += insert(Value(QStringLiteral("Name")));
            break;
        case 'k':
            expanded += insert(m_path);
            break;
        case '%':
            expanded += QLatin1Char('%');
            onlyCodes = false;
            break;
        default:
            // Deprecated (%d %D %n %N %v %m) and unknown codes stand for nothing.
            break;
        }
    }
    if (onlyCodes && expanded.isEmpty() && !argument.isEmpty())
        return std::nullopt;
    return expanded;
}

std::optional<QStringList> CDesktopEntry::CommandFor(const QString& file) const {
    const std::optional<QList<ExecArgument>> split =
        SplitExecArguments(Value(QStringLiteral("Exec")));
    if (!split || split->isEmpty())
        return std::nullopt;
    QStringList command;
    bool usedFile = false;
    for (const ExecArgument& argument : *split) {
        if (argument.text == QStringLiteral("%i")) {
            // The icon is the two arguments "--icon" and its name, or nothing.
            const QString icon = Value(QStringLiteral("Icon"));
            if (!icon.isEmpty())
                command << QStringLiteral("--icon") << icon;
            continue;
        }
        if (const std::optional<QString> expanded = Expand(argument, file, usedFile))
            command << *expanded;
    }
    if (command.isEmpty() || command.front().isEmpty())
        return std::nullopt;
    if (!usedFile)
        command << file;
    return command;
}
