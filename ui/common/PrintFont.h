#pragma once

#include <QFont>

// The font of the printed reports: the system's fixed-pitch font at 12 points.
// The reports line their columns up by padding with characters, which only a
// fixed-pitch font keeps in line.
QFont FixedPrintFont();
