#include "model/core/InventoryChange.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"

namespace {

// Counts the items alive, so that a test sees when a change lets one die.
class CCountedItem : public CInventoryElement {
public:
    explicit CCountedItem(std::string name) {
        SetBodyClassification(std::move(name));
        ++alive;
    }
    CCountedItem(const CCountedItem&) = delete;
    ~CCountedItem() override { --alive; }
    static inline int alive = 0;
};

class CRecordingInventoryView : public CInventoryView {
public:
    void OnItemsLeaving(std::span<CInventoryElement* const> items) override {
        leaving.insert(leaving.end(), items.begin(), items.end());
    }
    void OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) override {
        updates.push_back(update);
        origins.push_back(origin);
    }
    std::vector<CInventoryElement*> leaving;
    std::vector<CItemsUpdate> updates;
    std::vector<CDocumentView*> origins;
};

class CKeepingRecorder : public CChangeRecorder {
public:
    void Record(std::unique_ptr<CInventoryChange> change) override {
        changes.push_back(std::move(change));
    }
    void MarkSaved() override {}
    std::vector<std::unique_ptr<CInventoryChange>> changes;
};

// The body classifications in document order: which items, in which order.
std::string Names(const CSidingWardDoc& doc) {
    std::string names;
    for (const auto& item : doc.GetItems())
        names += item->GetBodyClassification() + (item->GetCondition().empty() ? "" : "*") + " ";
    return names;
}

std::unique_ptr<CInventoryElement> Item(std::string name) {
    return std::make_unique<CCountedItem>(std::move(name));
}

struct ChangeCase {
    const char* name;
    std::function<CInventoryChange::Ptr(CSidingWardDoc&)> make;
    std::string after;
    ItemsUpdateKind done;
    ItemsUpdateKind undone;
};

TEST(InventoryChange, DoUndoRedoGiveBackTheSameItemsInTheSameOrder) {
    const auto itemAt = [](CSidingWardDoc& doc, int k) { return doc.GetItemAt(k); };
    const std::vector<ChangeCase> cases = {
        {"paste",
         [](CSidingWardDoc&) {
             CInventoryChange::ItemList items;
             items.push_back(Item("Tank"));
             return CInventoryChange::Insert("Paste", std::move(items));
         },
         "Hopper Boxcar Caboose Tank ", ItemsUpdateKind::Inserted, ItemsUpdateKind::Removed},
        {"import",
         [](CSidingWardDoc&) {
             CInventoryChange::ItemList items;
             items.push_back(Item("Tank"));
             items.push_back(Item("Flat"));
             return CInventoryChange::Insert("Import", std::move(items), true);
         },
         "Hopper Boxcar Caboose Tank Flat ", ItemsUpdateKind::AllReplaced,
         ItemsUpdateKind::AllReplaced},
        {"delete the middle one",
         [&](CSidingWardDoc& doc) { return CInventoryChange::Remove("Delete", {itemAt(doc, 1)}); },
         "Hopper Caboose ", ItemsUpdateKind::Removed, ItemsUpdateKind::Inserted},
        {"delete the first and the last",
         [&](CSidingWardDoc& doc) {
             return CInventoryChange::Remove("Cut", {itemAt(doc, 2), itemAt(doc, 0)});
         },
         "Boxcar ", ItemsUpdateKind::Removed, ItemsUpdateKind::Inserted},
        {"delete all",
         [&](CSidingWardDoc& doc) {
             return CInventoryChange::Remove("Delete ALL",
                                             {itemAt(doc, 0), itemAt(doc, 1), itemAt(doc, 2)});
         },
         "", ItemsUpdateKind::AllReplaced, ItemsUpdateKind::AllReplaced},
        {"change condition",
         [&](CSidingWardDoc& doc) {
             CInventoryElement values = *itemAt(doc, 1);
             values.SetCondition("Mint");
             return CInventoryChange::Replace("Change Condition", *itemAt(doc, 1), values);
         },
         "Hopper Boxcar* Caboose ", ItemsUpdateKind::Changed, ItemsUpdateKind::Changed},
        {"sort", [](CSidingWardDoc&) { return CInventoryChange::Sort("Sort", 0); },
         "Boxcar Caboose Hopper ", ItemsUpdateKind::AllReplaced, ItemsUpdateKind::AllReplaced},
    };
    for (const ChangeCase& test : cases) {
        SCOPED_TRACE(test.name);
        CCountedItem::alive = 0;
        {
            CSidingWardDoc doc;
            CKeepingRecorder recorder;
            CRecordingInventoryView view, other;
            for (const char* name : {"Hopper", "Boxcar", "Caboose"})
                doc.AddItem(Item(name), nullptr);
            doc.SetSortAttribute(3);
            doc.SetModifiedFlag(false);
            doc.SetChangeRecorder(&recorder);
            doc.AddView(&view);
            doc.AddView(&other);
            const std::string before = Names(doc);
            std::vector<CInventoryElement*> addresses;
            for (const auto& item : doc.GetItems())
                addresses.push_back(item.get());

            doc.Apply(test.make(doc), &view);
            ASSERT_EQ(recorder.changes.size(), 1U);
            CInventoryChange& change = *recorder.changes.front();
            EXPECT_EQ(Names(doc), test.after);
            // Modified is the recorder's to say.
            EXPECT_FALSE(doc.IsModified());
            EXPECT_EQ(view.updates.back().kind, test.done);
            EXPECT_EQ(other.origins.back(), &view);

            doc.Undo(change, &other);
            EXPECT_EQ(Names(doc), before);
            EXPECT_EQ(doc.GetSortAttribute(), 3);
            EXPECT_EQ(view.updates.back().kind, test.undone);
            EXPECT_EQ(view.origins.back(), &other);
            for (std::size_t k = 0; k < addresses.size(); ++k)
                EXPECT_EQ(doc.GetItemAt(static_cast<int>(k)), addresses[k]) << "no copies";

            doc.Redo(change, &view);
            EXPECT_EQ(Names(doc), test.after);
            // What left the list was let go of first, by every view.
            EXPECT_EQ(view.leaving, other.leaving);
            doc.RemoveView(&view);
            doc.RemoveView(&other);
            // Items out of the list live exactly as long as the change holding them.
            const int inList = doc.GetItemCount();
            EXPECT_EQ(CCountedItem::alive, std::max(inList, 3));
            recorder.changes.clear();
            EXPECT_EQ(CCountedItem::alive, inList);
        }
        EXPECT_EQ(CCountedItem::alive, 0);
    }
}

} // namespace
