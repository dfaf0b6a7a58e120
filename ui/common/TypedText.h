#pragma once

#include <optional>
#include <string>

#include <QString>

class CMessageSink;
class QWidget;

namespace typedtext {

// The bytes of what the user typed into a field of a dialog; when it holds
// characters no file could hold, says so over parent (naming the field as
// subject, for example "value") and gives nothing.
std::optional<std::string> BytesOrRefuse(QWidget* parent, const QString& typed,
                                         const QString& subject, CMessageSink& messages);

} // namespace typedtext
