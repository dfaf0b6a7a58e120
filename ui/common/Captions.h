#pragma once

#include <QString>

#include "model/framework/Captions.h"
#include "ui/common/Text.h"

// The captions of the program's message boxes, each written once: here, or in
// the model's Captions.h when model results carry it too.
namespace captions {

inline QString ApplicationTitle() {
    return text::FromBytes(kApplicationTitle);
}
inline QString Error() {
    return QStringLiteral("Gaugewright Error");
}
inline QString SystemError() {
    return QStringLiteral("Gaugewright System Error");
}
inline QString Warning() {
    return QStringLiteral("Gaugewright Warning");
}
inline QString Information() {
    return QStringLiteral("Gaugewright Information");
}
inline QString SearchResult() {
    return QStringLiteral("Gaugewright Search Result");
}
inline QString YardError() {
    return QStringLiteral("Classification Yard Error");
}
inline QString YardWarning() {
    return QStringLiteral("Classification Yard Warning");
}

} // namespace captions
