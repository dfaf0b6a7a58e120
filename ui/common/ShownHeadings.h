#pragma once

#include <array>
#include <string>

#include <QString>

#include "model/core/InventoryElement.h"

// How the attribute headings read on screen and on paper. The headings are the
// collector's own texts, kept in the catalogue as typed; one that still is the
// program's English default for its attribute reads in the program's language,
// one the collector renamed reads as stored. Files, settings and the matching of
// imported field names keep using the stored text.
namespace shownheadings {

// The heading of attribute as shown; without a translator, the stored text.
QString Shown(int attribute, const std::string& heading);

// The same in the 8-bit text of the reports; the stored text when the shown one
// has a character the reports cannot hold.
std::string ShownBytes(int attribute, const std::string& heading);

// Every heading of a set as shown.
std::array<std::string, kAttributeCount>
ShownBytes(const std::array<std::string, kAttributeCount>& headings);

} // namespace shownheadings
