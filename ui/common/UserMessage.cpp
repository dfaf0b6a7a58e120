#include "ui/common/UserMessage.h"

#include <QCoreApplication>

#include "model/framework/FileResult.h"
#include "model/framework/UserText.h"
#include "ui/common/Text.h"

namespace {

// Not a literal on purpose: the texts reach lupdate through their marks in the model.
constexpr const char* kContext = "Messages";

QString Converted(const std::string& bytes, MessageBytes encoding) {
    return encoding == MessageBytes::Utf8 ? QString::fromStdString(bytes) : text::FromBytes(bytes);
}

} // namespace

QString UserMessage(const CUserText& text, MessageBytes bytes) {
    if (text.verbatim)
        return Converted(text.pattern, bytes);
    QString pattern = QCoreApplication::translate(kContext, text.pattern.c_str());
    // Untranslated, the text is shown as its bytes are held, like its parts.
    if (pattern == QString::fromStdString(text.pattern))
        pattern = Converted(text.pattern, bytes);
    if (text.args.empty())
        return pattern;
    QString shown;
    shown.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const auto index = static_cast<std::size_t>(next.unicode() - u'1');
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' && index < text.args.size()) {
            shown += UserMessage(text.args[index], bytes);
            ++i;
        } else {
            shown += pattern[i];
        }
    }
    return shown;
}

QString UserMessage(const FileResult& result, MessageBytes bytes) {
    return UserMessage(result.Text(), bytes);
}
