#include "ui/common/DesktopEntry.h"

#include <map>

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

bool IsFileCode(QChar code) {
    return code == QLatin1Char('f') || code == QLatin1Char('F') || code == QLatin1Char('u') ||
           code == QLatin1Char('U');
}

// Whether text holds a field code other than "%%".
bool HasCode(const QString& text) {
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
        if (text[k] == QLatin1Char('%')) {
            if (text[k + 1] != QLatin1Char('%'))
                return true;
            ++k;
        }
    }
    return false;
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

std::optional<QString> CDesktopEntry::CodeValue(QChar code, const QString& file) const {
    switch (code.unicode()) {
    case 'f':
    case 'F':
    case 'u':
    case 'U':
        return file;
    case 'i':
        return Value(QStringLiteral("Icon"));
    case 'c':
        return Value(QStringLiteral("Name"));
    case 'k':
        return m_path;
    default:
        // Deprecated (%d %D %n %N %v %m) and unknown codes stand for nothing.
        return std::nullopt;
    }
}

std::optional<QString> CDesktopEntry::Expand(const ExecArgument& execArgument, const QString& file,
                                             bool& usedFile) const {
    const QString& argument = execArgument.text;
    QString expanded;
    bool onlyCodes = true;
    // One pass from left to right, so nothing that a code puts in is read again.
    for (qsizetype k = 0; k < argument.size(); ++k) {
        if (argument[k] != QLatin1Char('%') || k + 1 == argument.size()) {
            expanded += argument[k];
            onlyCodes = false;
            continue;
        }
        const QChar code = argument[++k];
        if (code == QLatin1Char('%')) {
            expanded += QLatin1Char('%');
            onlyCodes = false;
        } else if (IsFileCode(code)) {
            expanded += file;
            usedFile = true;
            onlyCodes = false;
        } else {
            expanded += CodeValue(code, file).value_or(QString());
        }
    }
    if (onlyCodes && expanded.isEmpty() && !argument.isEmpty())
        return std::nullopt;
    return expanded;
}

CDesktopEntry::ShellScript CDesktopEntry::ParameterizeScript(const QString& script,
                                                             const QString& file,
                                                             qsizetype firstParameter) const {
    ShellScript result;
    enum class Quote { None, Single, Double };
    Quote quote = Quote::None;
    // Each code becomes a reference to a positional parameter that holds its value;
    // how the reference is written depends on the quotes around it in the script,
    // so that the shell always reads it as the value alone.
    const auto reference = [&](qsizetype number) -> QString {
        const QString parameter = QStringLiteral("${%1}").arg(number);
        switch (quote) {
        case Quote::None:
            return QStringLiteral("\"") + parameter + QStringLiteral("\"");
        case Quote::Double:
            return parameter;
        case Quote::Single:
            return QStringLiteral("'\"") + parameter + QStringLiteral("\"'");
        }
        return parameter;
    };
    std::map<QChar, qsizetype> numbers;
    for (qsizetype k = 0; k < script.size(); ++k) {
        const QChar character = script[k];
        if (character == QLatin1Char('%') && k + 1 < script.size()) {
            const QChar code = script[++k];
            if (code == QLatin1Char('%')) {
                result.text += code;
                continue;
            }
            const std::optional<QString> value = CodeValue(code, file);
            if (!value)
                continue;
            // The file codes are one file.
            const QChar key = IsFileCode(code) ? QLatin1Char('f') : code;
            auto found = numbers.find(key);
            if (found == numbers.end()) {
                found = numbers.emplace(key, firstParameter + result.values.size()).first;
                result.values << *value;
            }
            result.usedFile = result.usedFile || IsFileCode(code);
            result.text += reference(found->second);
            continue;
        }
        result.text += character;
        if (quote == Quote::Single) {
            if (character == QLatin1Char('\''))
                quote = Quote::None;
        } else if (character == QLatin1Char('\\') && k + 1 < script.size()) {
            result.text += script[++k];
        } else if (character == QLatin1Char('"')) {
            quote = quote == Quote::Double ? Quote::None : Quote::Double;
        } else if (character == QLatin1Char('\'') && quote == Quote::None) {
            quote = Quote::Single;
        }
    }
    return result;
}

qsizetype CDesktopEntry::ShellScriptIndex(const QList<ExecArgument>& arguments) {
    static const QStringList kShells = {
        QStringLiteral("sh"),  QStringLiteral("bash"), QStringLiteral("dash"),
        QStringLiteral("zsh"), QStringLiteral("ksh"),  QStringLiteral("mksh"),
        QStringLiteral("ash"), QStringLiteral("yash"), QStringLiteral("posh")};
    const auto name = [&](qsizetype index) { return QFileInfo(arguments[index].text).fileName(); };
    qsizetype index = 0;
    // env [-options] [NAME=VALUE...] PROGRAM
    if (name(0) == QStringLiteral("env")) {
        for (++index; index < arguments.size(); ++index) {
            const QString& text = arguments[index].text;
            if (!text.startsWith(u'-') && !text.contains(u'='))
                break;
        }
        if (index == arguments.size())
            return -1;
    }
    if (!kShells.contains(name(index)))
        return -1;
    bool command = false;
    for (++index; index < arguments.size(); ++index) {
        const QString& text = arguments[index].text;
        if (text == QStringLiteral("--")) {
            ++index;
            break;
        }
        if (text.size() < 2 || (!text.startsWith(u'-') && !text.startsWith(u'+')))
            break;
        if (text == QStringLiteral("-o") || text == QStringLiteral("+o") ||
            text == QStringLiteral("-O") || text == QStringLiteral("+O"))
            ++index; // the option's name
        else if (text.startsWith(u'-') && !text.startsWith(QStringLiteral("--")) &&
                 text.contains(u'c'))
            command = true;
    }
    return command && index < arguments.size() && HasCode(arguments[index].text) ? index : -1;
}

std::optional<QStringList> CDesktopEntry::CommandFor(const QString& file) const {
    const std::optional<QList<ExecArgument>> split =
        SplitExecArguments(Value(QStringLiteral("Exec")));
    if (!split || split->isEmpty())
        return std::nullopt;
    // A shell's command text that holds codes gets their values as positional
    // parameters: a file name spliced into the text would be read as commands.
    const qsizetype script = ShellScriptIndex(*split);
    QStringList command;  // up to the shell's command text
    QStringList trailing; // after it: the shell's $0 and parameters
    bool usedFile = false;
    for (qsizetype index = 0; index < split->size(); ++index) {
        const ExecArgument& argument = (*split)[index];
        QStringList& into = script >= 0 && index > script ? trailing : command;
        if (index == script)
            continue;
        if (argument.text == QStringLiteral("%i")) {
            // The icon is the two arguments "--icon" and its name, or nothing.
            const QString icon = Value(QStringLiteral("Icon"));
            if (!icon.isEmpty())
                into << QStringLiteral("--icon") << icon;
            continue;
        }
        // A code inside quotes with more around it, as in viewer "--file=%f", is
        // undefined for desktop entries, and is how a file name would reach a
        // shell that reads it as commands: such an entry is not started.
        if (argument.quoted && !IsFieldCodeOnly(argument.text) && HasCode(argument.text))
            return std::nullopt;
        if (const std::optional<QString> expanded = Expand(argument, file, usedFile))
            into << *expanded;
    }
    if (command.isEmpty() || command.front().isEmpty())
        return std::nullopt;
    if (script >= 0) {
        if (trailing.isEmpty())
            trailing << command.front();
        const ShellScript parameters =
            ParameterizeScript((*split)[script].text, file, trailing.size());
        command << parameters.text << trailing << parameters.values;
        usedFile = usedFile || parameters.usedFile;
    }
    if (!usedFile)
        command << file;
    return command;
}
