#include "ui/common/Text.h"

#include <QCoreApplication>

#include "model/core/CodePage1252.h"

namespace text {

QString FromBytes(std::string_view bytes) {
    QString result;
    result.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        result.append(QChar(
            static_cast<char16_t>(codepage1252::ToUnicode(static_cast<unsigned char>(byte)))));
    return result;
}

std::optional<std::string> ToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        // A surrogate half is never a Windows-1252 character.
        const auto byte = codepage1252::FromUnicode(character.unicode());
        if (!byte || character.isSurrogate())
            return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

QString UnrepresentableCharacters(const QString& text) {
    QString found;
    for (qsizetype k = 0; k < text.size(); ++k) {
        QString character(text[k]);
        if (text[k].isHighSurrogate() && k + 1 < text.size())
            character += text[++k];
        if (!ToBytes(character) && !found.contains(character))
            found += character;
    }
    return found;
}

QString RefusedCharactersMessage(const QString& subject, const QString& characters) {
    return QCoreApplication::translate(
               "Text", "The %1 cannot hold these characters: %2\n"
                       "Gaugewright texts hold only Western European (Windows-1252) "
                       "characters.")
        .arg(subject, characters);
}

QString ShowAmpersands(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace text
