#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

// The one place where the program's 8-bit texts meet QString: bytes are read as
// Windows-1252, the five bytes it leaves unassigned as the C1 controls of the
// same value, so every byte string round-trips.
namespace text {

QString FromBytes(std::string_view bytes);

// The bytes of a text; nothing when it holds a character Windows-1252 cannot hold.
std::optional<std::string> ToBytes(const QString& text);

// The characters of text that Windows-1252 cannot hold, each once, in order of
// appearance (for the message that refuses them).
QString UnrepresentableCharacters(const QString& text);

// The message that refuses typed characters the files cannot hold, for example
// subject "item number": "The item number cannot hold these characters: ...".
QString RefusedCharactersMessage(const QString& subject, const QString& characters);

// text for a menu entry, button or label, with every "&" shown as itself instead of
// marking the shortcut letter.
QString ShowAmpersands(QString text);

} // namespace text
