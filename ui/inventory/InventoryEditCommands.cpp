#include "ui/inventory/InventoryEditCommands.h"

#include <algorithm>
#include <optional>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "model/core/Catalogue.h"
#include "model/core/DelimitedText.h"
#include "model/core/LabelCollation.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/BestPerformer.h"
#include "model/quickfacts/DollarGainLoss.h"
#include "model/quickfacts/ItemCount.h"
#include "model/quickfacts/PercentGainLoss.h"
#include "model/quickfacts/TotalAssetValue.h"
#include "model/quickfacts/TotalExpenditures.h"
#include "model/quickfacts/WorstPerformer.h"
#include "ui/common/Captions.h"
#include "ui/common/FindDialog.h"
#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/InventoryYardLink.h"
#include "ui/quickfacts/ReportDisplay.h"

namespace {

const QString kIntegrityCaption = QStringLiteral("Integrity Check");
const QString kDeleteSound = QStringLiteral("GAUGEDEL.WAV");
const QString kIntegrityOkSound = QStringLiteral("GAUGEIOK.WAV");
const QString kIntegrityFailedSound = QStringLiteral("GAUGEINT.WAV");
// Only the start of a long label is searched.
constexpr std::size_t kSearchedLength = 499;

bool Matches(const std::string& label, const std::string& wanted, bool matchCase) {
    const std::string searched = label.substr(0, kSearchedLength);
    if (matchCase)
        return searched.find(wanted) != std::string::npos;
    return collation::UpperOf(searched).find(collation::UpperOf(wanted)) != std::string::npos;
}

} // namespace

void CInventoryEditCommands::Show(const QString& text, const QString& caption, MessageIcon icon) {
    m_view.Messages().Show(m_view.Window(), {text, caption, icon, MessageButtons::Ok});
}

void CInventoryEditCommands::Delete() {
    CInventoryTreeModel& model = *m_view.Model();
    const QModelIndex node = m_view.SelectedNode();
    const TreeLevel level = CInventoryTreeModel::LevelOf(node);
    if (level == TreeLevel::None) {
        Show(QStringLiteral("Unable to determine inventory item to delete."),
             captions::SystemError(), MessageIcon::Critical);
        return;
    }
    QString question;
    if (level == TreeLevel::Root)
        question = QStringLiteral("Are you sure you want to delete ALL inventory items?");
    else if (level == TreeLevel::Item)
        question = QStringLiteral("Are you sure you want to delete inventory item ") +
                   model.Label(node) + QLatin1Char('?');
    else
        question = QStringLiteral("Are you sure you want to delete the entire inventory item ") +
                   model.Label(node.parent()) + QLatin1Char('?');
    const MessageAnswer answer =
        m_view.Messages().Show(m_view.Window(), {question, captions::Warning(),
                                                 MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    if (level == TreeLevel::Root) {
        int failures = 0;
        {
            CWaitCursor wait;
            const std::vector<CInventoryElement*> items = model.ItemsInTreeOrder();
            m_view.ReleaseFromYard(items);
            // The nodes and the items go in one step each: one by one would renumber
            // the rest and have the other windows rebuild every time.
            model.RemoveAllItemNodes();
            failures = m_view.GetDocument().RemoveItems(items, m_view.Sender());
        }
        // The boxes wait for the user: the wait cursor must not stand over them.
        for (int failure = 0; failure < failures; ++failure)
            Show(QStringLiteral("Delete ALL inventory element failed"),
                 captions::ApplicationTitle(), MessageIcon::Warning);
    } else {
        DeleteItem(model.ItemOf(node));
    }
    m_view.UpdateCount();
    m_view.Sounds().Play(kDeleteSound);
}

void CInventoryEditCommands::DeleteItem(CInventoryElement* item) {
    m_view.ReleaseFromYard({&item, 1});
    // The node goes first: the tree must not show an item that is gone.
    const bool nodeRemoved = RemoveItemNode(item);
    if (!m_view.GetDocument().RemoveItem(item, m_view.Sender()))
        Show(QStringLiteral("Delete inventory element failed"), captions::ApplicationTitle(),
             MessageIcon::Warning);
    if (!nodeRemoved)
        Show(QStringLiteral("Delete inventory tree item failed"), captions::ApplicationTitle(),
             MessageIcon::Warning);
}

bool CInventoryEditCommands::RemoveItemNode(const CInventoryElement* item) {
    CInventoryTreeModel& model = *m_view.Model();
    const int row = model.ItemIndex(item).row();
    if (!model.RemoveItemNode(item))
        return false;
    if (!m_view.SelectedNode().isValid()) {
        const int count = model.ItemNodeCount();
        m_view.SelectNode(count == 0 ? model.RootIndex()
                                     : model.index(std::min(row, count - 1), 0, model.RootIndex()));
    }
    return true;
}

bool CInventoryEditCommands::Copy() {
    const CInventoryElement* item = m_view.CurrentItem();
    return item != nullptr && CopyItem(m_view.GetDocument(), *item);
}

bool CInventoryEditCommands::CopyItem(const CSidingWardDoc& document,
                                      const CInventoryElement& item) {
    CCatalogue* yard = document.GetClassificationYard();
    if (yard == nullptr)
        return false;
    yard->SetClipboardItem(item);
    // The desktop gets the item as text, headings first, so that it can be pasted
    // into a spreadsheet or a mail; lines end as text on the desktop does.
    QGuiApplication::clipboard()->setText(
        text::FromBytes(delimitedtext::ItemWithHeadings(document, item, "\t", "\n")));
    return true;
}

bool CInventoryEditCommands::Cut() {
    CInventoryElement* item = m_view.CurrentItem();
    // Without a clipboard a cut would only destroy the item.
    if (item == nullptr || !Copy())
        return false;
    m_view.ReleaseFromYard({&item, 1});
    RemoveItemNode(item);
    m_view.GetDocument().RemoveItem(item, m_view.Sender());
    m_view.UpdateCount();
    return true;
}

void CInventoryEditCommands::Paste() {
    CCatalogue* yard = m_view.GetDocument().GetClassificationYard();
    std::unique_ptr<CInventoryElement> item = yard ? yard->TakeClipboardItem() : nullptr;
    if (!item)
        return;
    const CInventoryElement* pasted = item.get();
    m_view.GetDocument().AddItem(std::move(item), m_view.Sender());
    m_view.InsertItemNode(pasted);
}

void CInventoryEditCommands::Find() {
    CFindDialog dialog(m_view.GetDocument().GetSearchHistory(), m_view.Messages(), m_view.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    Search(dialog.GetSearchText(), dialog.GetMatchCase(), dialog.IsFindNext());
}

QModelIndex CInventoryEditCommands::Search(const std::string& text, bool matchCase, bool findNext) {
    // Up while the tree is searched, gone before a box waits for the user.
    std::optional<CWaitCursor> wait(std::in_place);
    const CInventoryTreeModel& model = *m_view.Model();
    CFerroTreeCtrl& tree = *m_view.Tree();
    const QModelIndex root = model.RootIndex();
    const int items = model.ItemNodeCount();
    const int lines = static_cast<int>(model.DetailAttributes().size());
    const auto matches = [&](const QModelIndex& node) {
        return Matches(model.LabelBytes(node), text, matchCase);
    };
    // An item node and its detail lines, in order.
    const auto searchItem = [&](int row) -> QModelIndex {
        const QModelIndex item = model.index(row, 0, root);
        if (matches(item))
            return item;
        for (int line = 0; line < lines; ++line) {
            const QModelIndex detail = model.index(line, 0, item);
            if (matches(detail))
                return detail;
        }
        return {};
    };
    const auto searchItemsFrom = [&](int row) -> QModelIndex {
        for (; row < items; ++row) {
            if (const QModelIndex found = searchItem(row); found.isValid())
                return found;
        }
        return {};
    };

    // Where the walk starts: after the selected node for Find Next, else at the root.
    QModelIndex start = root;
    const QModelIndex selected = m_view.SelectedNode();
    if (findNext && selected.isValid()) {
        switch (CInventoryTreeModel::LevelOf(selected)) {
        case TreeLevel::Root:
            start = tree.isExpanded(root) && items > 0 ? model.index(0, 0, root) : root;
            break;
        case TreeLevel::Item:
            if (tree.isExpanded(selected) && lines > 0)
                start = model.index(0, 0, selected);
            else if (selected.row() + 1 < items)
                start = model.index(selected.row() + 1, 0, root);
            break;
        default:
            if (selected.row() + 1 < lines)
                start = model.index(selected.row() + 1, 0, selected.parent());
            break;
        }
    }

    // The start node with its subtree, then its following siblings with theirs.
    QModelIndex found;
    switch (CInventoryTreeModel::LevelOf(start)) {
    case TreeLevel::Root:
        found = matches(root) ? root : searchItemsFrom(0);
        break;
    case TreeLevel::Item:
        found = searchItemsFrom(start.row());
        break;
    default: {
        const QModelIndex item = start.parent();
        for (int line = start.row(); line < lines && !found.isValid(); ++line) {
            const QModelIndex detail = model.index(line, 0, item);
            if (matches(detail))
                found = detail;
        }
        // Then on with the item nodes after the start's own.
        if (!found.isValid())
            found = searchItemsFrom(item.row() + 1);
        break;
    }
    }
    wait.reset();
    if (!found.isValid()) {
        Show(QStringLiteral("Search to end of inventory list.\nThe specified text was not found!"),
             captions::SearchResult(), MessageIcon::Warning);
        return {};
    }
    tree.expand(found);
    m_view.SelectNode(found);
    return found;
}

void CInventoryEditCommands::ChangeAttribute(int attribute) {
    CInventoryElement* item = m_view.CurrentItem();
    if (item == nullptr)
        return;
    const CCatalogue* yard = m_view.GetDocument().GetClassificationYard();
    const std::vector<std::string>* values = yard ? yard->GetValueList(attribute) : nullptr;
    const bool keepOrder = attribute == static_cast<int>(Attribute::CurrentValue);
    CInventoryModificationDialog dialog(
        QStringLiteral("Maintain ") + text::FromBytes(m_view.Model()->Heading(attribute)),
        item->GetAttributeText(attribute), values ? *values : std::vector<std::string>{}, keepOrder,
        m_view.Window());
    if (dialog.exec() != QDialog::Accepted || !dialog.GetChosenValue())
        return;
    CWaitCursor wait;
    item->SetAttributeText(attribute, *dialog.GetChosenValue());
    m_view.GetDocument().MarkModified(m_view.Sender());
    m_view.InsertItemNode(item);
}

void CInventoryEditCommands::IntegrityCheck() {
    const QModelIndex node = m_view.SelectedNode();
    const CSidingWardDoc& document = m_view.GetDocument();
    const auto failure = [](const CInventoryElement& item) {
        return text::FromBytes(quickfacts::ItemHeadline(item)) +
               QStringLiteral("Item integrity corrupted.\nOne or more attributes for this item "
                              "are missing from the Classification Yard.");
    };
    QString message;
    QString sound = kIntegrityOkSound;
    {
        CWaitCursor wait;
        if (CInventoryTreeModel::LevelOf(node) == TreeLevel::Root) {
            message = QStringLiteral("Entire Inventory\n\nIntegrity OK");
            for (CInventoryElement* item : m_view.Model()->ItemsInTreeOrder()) {
                if (!document.CheckItemAgainstYard(*item)) {
                    m_view.SelectItem(item);
                    message = failure(*item);
                    sound = kIntegrityFailedSound;
                    break;
                }
            }
        } else if (const CInventoryElement* item = m_view.CurrentItem()) {
            if (document.CheckItemAgainstYard(*item)) {
                message = text::FromBytes(quickfacts::ItemHeadline(*item)) +
                          QStringLiteral("Item integrity OK");
            } else {
                message = failure(*item);
                sound = kIntegrityFailedSound;
            }
        } else {
            return;
        }
    }
    m_view.Sounds().Play(sound);
    Show(message, kIntegrityCaption, MessageIcon::Warning);
}

YardItemAnswer CInventoryEditCommands::TakeFromYard(const CYardItem& item) {
    const CInventoryElement* taken = &item.item;
    return m_view.YardLink().Take(item, m_view.Sender(), m_view.Window(),
                                  [this, taken] { m_view.InsertItemNode(taken); });
}

void CInventoryEditCommands::TakeFromInventory(CFerroTreeCtrl& sourceTree) {
    auto* source = dynamic_cast<CInventoryEditTarget*>(CFerroTreeCtrl::ViewOf(&sourceTree));
    if (source == nullptr || source == &m_view)
        return;
    // Only what the source really gave up is pasted here.
    if (source->CutSelectedItem())
        Paste();
}

template <typename Reporter> void CInventoryEditCommands::ReportGain() {
    std::optional<CWaitCursor> wait(std::in_place);
    const bool whole = CInventoryTreeModel::LevelOf(m_view.SelectedNode()) == TreeLevel::Root;
    const Reporter reporter;
    const auto report = whole ? reporter.ReportInventory(&m_view.GetDocument())
                              : reporter.ReportItem(m_view.CurrentItem());
    wait.reset();
    if (report)
        quickfacts::ShowReport(*report, m_view.Messages(), m_view.Sounds(), m_view.Window());
}

void CInventoryEditCommands::ReportDollarGainLoss() {
    ReportGain<CDollarGainLoss>();
}

void CInventoryEditCommands::ReportPercentGainLoss() {
    ReportGain<CPercentGainLoss>();
}

void CInventoryEditCommands::ReportPerformer(bool best) {
    std::optional<CWaitCursor> wait(std::in_place);
    const auto answer = best ? CBestPerformer().ReportInventory(&m_view.GetDocument())
                             : CWorstPerformer().ReportInventory(&m_view.GetDocument());
    wait.reset();
    if (!answer)
        return;
    quickfacts::ShowReport(answer->report, m_view.Messages(), m_view.Sounds(), m_view.Window());
    if (answer->item != nullptr)
        m_view.SelectItem(answer->item);
}

template <typename Reporter> void CInventoryEditCommands::ReportTotal() {
    std::optional<CWaitCursor> wait(std::in_place);
    const auto report = Reporter().ReportInventory(&m_view.GetDocument());
    wait.reset();
    if (report)
        quickfacts::ShowReport(*report, m_view.Messages(), m_view.Sounds(), m_view.Window());
}

void CInventoryEditCommands::ReportTotalExpenditures() {
    ReportTotal<CTotalExpenditures>();
}

void CInventoryEditCommands::ReportTotalAssetValue() {
    ReportTotal<CTotalAssetValue>();
}

void CInventoryEditCommands::ReportItemCount() {
    if (const auto report = CItemCount().ReportInventory(&m_view.GetDocument()))
        quickfacts::ShowReport(*report, m_view.Messages(), m_view.Sounds(), m_view.Window());
}
