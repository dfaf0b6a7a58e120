#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CInventoryElement;

// The rules of the inventory as a list: one row per item, one column per shown
// attribute. Rows are sorted by a column, filtered by a text and searched cell by
// cell; none of it changes the document's order.
namespace itemlist {

// The key a row sorts by on an attribute, for the rows given: the text, or for the
// money attributes (10 and 11) the dollars (what stands before the first "."; none
// without one) with zeros put in front up to the width of the longest of them, at
// least 5. So 25.00 gives 00025, and 100000.00 sorts above 99999.00.
std::vector<std::string> SortKeys(const std::vector<CInventoryElement*>& rows, int attribute);

// Sorts rows by attribute, comparing the keys without regard to case (letters as
// lower case, other bytes by their code); descending reverses the comparison.
// Rows that compare equal keep their order.
void Sort(std::vector<CInventoryElement*>& rows, int attribute, bool descending);

// A row's shown cells as one upper-case text, for Contains: the cells of the
// attributes given, each followed by a byte no typed text holds.
std::string FilterText(const CInventoryElement& item, const std::vector<int>& attributes);
// Whether a row's FilterText holds the typed text (already upper case, see
// collation::UpperOf); the empty text is everywhere.
bool Contains(const std::string& filterText, const std::string& upperText);

// Find: the first row from start on (and within a row the first column) whose
// cell holds text anywhere; without matchCase both are compared in upper case.
// No wrap to the top: nullopt when no row from start on matches.
std::optional<std::size_t> Find(const std::vector<CInventoryElement*>& rows,
                                const std::vector<int>& attributes, std::size_t start,
                                const std::string& text, bool matchCase);

} // namespace itemlist
