#include "ui/common/TypedText.h"

#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"

namespace typedtext {

std::optional<std::string> BytesOrRefuse(QWidget* parent, const QString& typed,
                                         const QString& subject, CMessageSink& messages) {
    std::optional<std::string> bytes = text::ToBytes(typed);
    if (!bytes) {
        messages.Show(parent, {text::RefusedCharactersMessage(
                                   subject, text::UnrepresentableCharacters(typed)),
                               captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
    }
    return bytes;
}

} // namespace typedtext
