#include "yard/TypedText.h"

#include "framework/MessageSink.h"
#include "framework/Text.h"

namespace typedtext {

std::optional<std::string> BytesOrRefuse(QWidget* parent, const QString& typed,
                                         const QString& subject, CMessageSink& messages) {
    std::optional<std::string> bytes = text::ToBytes(typed);
    if (!bytes) {
        messages.Show(parent, {text::RefusedCharactersMessage(
                                   subject, text::UnrepresentableCharacters(typed)),
                               QStringLiteral("Gaugewright Error"), MessageIcon::Critical,
                               MessageButtons::Ok});
    }
    return bytes;
}

} // namespace typedtext
