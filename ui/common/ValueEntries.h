#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/yard/YardFormat.h"

class QComboBox;

// How the yard's drop-down lists show a catalogue value list: the entries carry
// their bytes, and most lists keep themselves in alphabetical order without
// regard to case while years and amounts keep the catalogue's order.
namespace valueentries {

// Whether the build form and the wizard show the attribute's list in the
// catalogue's order (Date Built, Purchase Date, Purchase Price, Current Value).
bool IsShownInListOrder(int attribute);

// Where a list that keeps itself sorted without regard to case puts value: after
// the entries that compare equal, so equal texts keep their order. entryAt gives
// the bytes of the count entries already there.
int SortedPosition(int count, const std::function<std::string(int)>& entryAt,
                   const std::string& value);

// The entries in the order a list shows them: sorted without regard to case
// (equal texts in catalogue order), or in the catalogue's order.
std::vector<const std::string*> ShownOrder(const CValueList& values, bool sorted);

// The bytes of an entry of a list filled by these functions.
std::string EntryBytes(const QComboBox* list, int index);
// The first entry equal to value without regard to case; -1 when there is none.
int FindNoCase(const QComboBox* list, const std::string& value);
// Adds value sorted or at the end; returns its index.
int AddEntry(QComboBox* list, const std::string& value, bool sorted);
// Empties the list and adds every value (none for a null list).
void Fill(QComboBox* list, const CValueList* values, bool sorted);

} // namespace valueentries
