#include "ui/common/ValueEntries.h"

#include <algorithm>

#include <QComboBox>

#include "model/core/InventoryElement.h"
#include "ui/common/Text.h"

namespace valueentries {

bool IsShownInListOrder(int attribute) {
    return attribute >= static_cast<int>(Attribute::DateBuilt) &&
           attribute <= static_cast<int>(Attribute::CurrentValue);
}

int SortedPosition(int count, const std::function<std::string(int)>& entryAt,
                   const std::string& value) {
    int position = 0;
    while (position < count && CompareKeysNoCase(entryAt(position), value) <= 0)
        ++position;
    return position;
}

std::string EntryBytes(const QComboBox* list, int index) {
    const QByteArray bytes = list->itemData(index).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int FindNoCase(const QComboBox* list, const std::string& value) {
    for (int index = 0; index < list->count(); ++index) {
        if (CompareKeysNoCase(EntryBytes(list, index), value) == 0)
            return index;
    }
    return -1;
}

int AddEntry(QComboBox* list, const std::string& value, bool sorted) {
    const int position =
        sorted ? SortedPosition(
                     list->count(), [list](int index) { return EntryBytes(list, index); }, value)
               : list->count();
    list->insertItem(position, text::FromBytes(value),
                     QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    return position;
}

std::vector<const std::string*> ShownOrder(const CValueList& values, bool sorted) {
    std::vector<const std::string*> order;
    order.reserve(values.size());
    for (const std::string& value : values)
        order.push_back(&value);
    if (sorted) {
        std::stable_sort(order.begin(), order.end(),
                         [](const std::string* a, const std::string* b) {
                             return CompareKeysNoCase(*a, *b) < 0;
                         });
    }
    return order;
}

void Fill(QComboBox* list, const CValueList* values, bool sorted) {
    list->clear();
    if (values == nullptr)
        return;
    // Appending in the shown order is what adding one by one would give, without
    // searching for each entry's place.
    for (const std::string* value : ShownOrder(*values, sorted))
        list->addItem(text::FromBytes(*value),
                      QByteArray(value->data(), static_cast<qsizetype>(value->size())));
}

} // namespace valueentries
