#include "model/core/SidingWardDoc.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <unordered_set>

#include "model/core/Catalogue.h"
#include "model/core/InventoryChange.h"
#include "model/core/InventoryFormat.h"
#include "model/framework/SafeFile.h"

CInventoryElement* CSidingWardDoc::GetItemAt(int position) const {
    if (position < 0 || position >= GetItemCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(position)].get();
}

void CSidingWardDoc::Apply(std::unique_ptr<CInventoryChange> change, CDocumentView* origin) {
    CInventoryChange::Target target{m_items, m_sortAttribute};
    LetGo(change->Leaving(target, false));
    Notify(change->Do(target), origin);
    if (m_recorder != nullptr)
        m_recorder->Record(std::move(change));
    else
        SetModifiedFlag(true);
}

void CSidingWardDoc::Undo(CInventoryChange& change, CDocumentView* origin) {
    Replay(change, origin, true);
}

void CSidingWardDoc::Redo(CInventoryChange& change, CDocumentView* origin) {
    Replay(change, origin, false);
}

void CSidingWardDoc::Replay(CInventoryChange& change, CDocumentView* origin, bool undo) {
    CInventoryChange::Target target{m_items, m_sortAttribute};
    LetGo(change.Leaving(target, undo));
    CItemsUpdate update = undo ? change.Undo(target) : change.Do(target);
    update.replay = true;
    Notify(update, origin);
}

void CSidingWardDoc::LetGo(const std::vector<CInventoryElement*>& items) {
    if (items.empty())
        return;
    // A view may close itself while it is told; walk a copy.
    const std::vector<CDocumentView*> views = GetViews();
    for (CDocumentView* view : views) {
        if (auto* inventoryView = dynamic_cast<CInventoryView*>(view))
            inventoryView->OnItemsLeaving(items);
    }
}

void CSidingWardDoc::Notify(const CItemsUpdate& update, CDocumentView* origin) {
    const std::vector<CDocumentView*> views = GetViews();
    for (CDocumentView* view : views) {
        if (std::find(GetViews().begin(), GetViews().end(), view) == GetViews().end())
            continue;
        if (auto* inventoryView = dynamic_cast<CInventoryView*>(view))
            inventoryView->OnItemsUpdate(update, origin);
        else
            view->OnDocumentUpdate(origin, 0);
    }
}

void CSidingWardDoc::OnSaved() {
    if (m_recorder != nullptr)
        m_recorder->MarkSaved();
}

void CSidingWardDoc::AddItem(std::unique_ptr<CInventoryElement> item, CDocumentView* origin) {
    if (!item)
        return;
    ItemList items;
    items.push_back(std::move(item));
    Apply(CInventoryChange::Insert(GW_TRANSLATE_NOOP("Messages", "Add"), std::move(items)), origin);
}

void CSidingWardDoc::AppendItems(ItemList items, CDocumentView* origin) {
    Apply(CInventoryChange::Insert(GW_TRANSLATE_NOOP("Messages", "Add"), std::move(items), true),
          origin);
}

int CSidingWardDoc::IndexOfItem(const CInventoryElement* item) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [item](const auto& owned) { return owned.get() == item; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

bool CSidingWardDoc::RemoveItem(const CInventoryElement* item, CDocumentView* origin) {
    if (!ContainsItem(item))
        return false;
    Apply(CInventoryChange::Remove(GW_TRANSLATE_NOOP("Messages", "Delete"),
                                   {const_cast<CInventoryElement*>(item)}),
          origin);
    return true;
}

int CSidingWardDoc::RemoveItems(std::span<CInventoryElement* const> items, CDocumentView* origin,
                                const char* what) {
    const std::unordered_set<const CInventoryElement*> doomed(items.begin(), items.end());
    const auto held = static_cast<std::size_t>(
        std::count_if(m_items.begin(), m_items.end(),
                      [&doomed](const auto& owned) { return doomed.contains(owned.get()); }));
    if (held > 0)
        Apply(CInventoryChange::Remove(what, {items.begin(), items.end()}), origin);
    return static_cast<int>(doomed.size() - held);
}

bool CSidingWardDoc::ContainsItem(const CInventoryElement* item) const {
    return IndexOfItem(item) >= 0;
}

namespace {

// A case-folded sort key inside one shared buffer, with its first eight bytes as a
// big-endian number so that most comparisons need no memory access.
struct SortEntry {
    std::uint64_t prefix;
    std::size_t offset;
    std::uint32_t length;
    std::uint32_t index;
};

inline void PrefetchForReading(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

bool KeyLess(const SortEntry& a, const SortEntry& b, const char* keys) {
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix;
    if (a.length <= 8 || b.length <= 8)
        return a.length < b.length;
    const int order =
        std::memcmp(keys + a.offset + 8, keys + b.offset + 8, std::min(a.length, b.length) - 8);
    return order != 0 ? order < 0 : a.length < b.length;
}

// Fills keys and entries with the folded sort keys of the items, money keys padded to
// dollarsWidth. Returns the length of the longest dollars met (0 for other attributes).
std::size_t BuildSortKeys(const CSidingWardDoc::ItemList& items, int attribute,
                          std::size_t dollarsWidth, std::string& keys,
                          std::vector<SortEntry>& entries) {
    const bool money = IsMoneyAttribute(attribute);
    std::size_t longestDollars = 0;
    keys.clear();
    keys.reserve(items.size() * 24);
    entries.clear();
    entries.reserve(items.size());
    for (std::size_t k = 0; k < items.size(); ++k) {
        // The items lie scattered over the heap: fetch the next ones' texts early.
        if (k + 16 < items.size())
            PrefetchForReading(&items[k + 16]->GetAttributeText(attribute));
        if (k + 8 < items.size())
            PrefetchForReading(items[k + 8]->GetAttributeText(attribute).data());
        const std::string& text = items[k]->GetAttributeText(attribute);
        if (money)
            longestDollars = std::max(longestDollars, DollarsLength(text));
        const std::size_t offset = keys.size();
        AppendSortKey(attribute, text, keys, dollarsWidth);
        std::uint64_t prefix = 0;
        for (std::size_t c = offset; c < keys.size(); ++c) {
            if (keys[c] >= 'A' && keys[c] <= 'Z')
                keys[c] = static_cast<char>(keys[c] + ('a' - 'A'));
            if (c < offset + 8)
                prefix |= std::uint64_t{static_cast<unsigned char>(keys[c])}
                          << (56 - 8 * (c - offset));
        }
        entries.push_back({prefix, offset, static_cast<std::uint32_t>(keys.size() - offset),
                           static_cast<std::uint32_t>(k)});
    }
    return longestDollars;
}

} // namespace

void CSidingWardDoc::Sort() {
    SortItems(m_items, m_sortAttribute);
}

std::vector<std::uint32_t> CSidingWardDoc::SortItems(ItemList& items, int attribute) {
    // The same order as repeated exchanges of neighbours whose keys are out of
    // order (stable, ascending, case-insensitive), computed with a merge sort.
    std::string keys;
    std::vector<SortEntry> entries;
    const std::size_t longestDollars =
        BuildSortKeys(items, attribute, kShortestDollarsKey, keys, entries);
    // Money keys must all have one width. Dollars longer than the usual width are
    // rare, so only then are the keys built a second time, at the width they need.
    if (longestDollars > kShortestDollarsKey)
        BuildSortKeys(items, attribute, longestDollars, keys, entries);
    const char* base = keys.data();
    std::stable_sort(
        entries.begin(), entries.end(),
        [base](const SortEntry& a, const SortEntry& b) { return KeyLess(a, b, base); });
    ItemList sorted;
    sorted.reserve(items.size());
    std::vector<std::uint32_t> previous;
    previous.reserve(items.size());
    for (const SortEntry& entry : entries) {
        sorted.push_back(std::move(items[entry.index]));
        previous.push_back(entry.index);
    }
    items = std::move(sorted);
    return previous;
}

int CSidingWardDoc::GetLongestValue(int attribute) const {
    if (m_items.empty())
        return 1;
    int longest = 0;
    for (const auto& item : m_items)
        longest = std::max(longest, item->GetAttributeTextLength(attribute));
    return longest;
}

bool CSidingWardDoc::CheckItemAgainstYard(const CInventoryElement& item) const {
    if (!m_yard)
        return false;
    static constexpr int kCheckedAttributes[] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (const int attribute : kCheckedAttributes) {
        const auto* list = m_yard->GetValueList(attribute);
        if (!list || !IsCatalogueMember(item.GetAttributeText(attribute), *list))
            return false;
    }
    return true;
}

FileResult CSidingWardDoc::ReadFromFile(const std::string& path) {
    std::string bytes;
    FileResult result = safefile::ReadAll(path, bytes);
    if (!result.Succeeded())
        return result;
    CInventoryFileContents contents;
    result = inventoryformat::Read(bytes, contents);
    if (!result.Succeeded())
        return result;
    m_items = std::move(contents.items);
    m_searchHistory = std::move(contents.searchHistory);
    return result;
}

FileResult CSidingWardDoc::WriteToFile(const std::string& path) {
    if (m_items.size() > inventoryformat::kMaxItems) {
        const std::string name = std::filesystem::path(path).filename().string();
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "%1 cannot be saved: an inventory holds at most 65535 "
                                          "items, this one holds %2."),
            name, std::to_string(m_items.size())));
    }
    return safefile::WriteAll(path, inventoryformat::Write(m_items, m_searchHistory));
}
