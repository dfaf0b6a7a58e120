#pragma once

#include <QCoreApplication>
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
    return QCoreApplication::translate("Captions", "Gaugewright Error");
}
inline QString SystemError() {
    return QCoreApplication::translate("Captions", "Gaugewright System Error");
}
inline QString Warning() {
    return QCoreApplication::translate("Captions", "Gaugewright Warning");
}
inline QString Information() {
    return QCoreApplication::translate("Captions", "Gaugewright Information");
}
inline QString SearchResult() {
    return QCoreApplication::translate("Captions", "Gaugewright Search Result");
}
inline QString YardError() {
    return QCoreApplication::translate("Captions", "Classification Yard Error");
}
inline QString YardWarning() {
    return QCoreApplication::translate("Captions", "Classification Yard Warning");
}

} // namespace captions
