#include "ui/inventory/InventoryEditCommands.h"

#include <algorithm>
#include <optional>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "model/core/Catalogue.h"
#include "model/core/DelimitedText.h"
#include "model/core/InventoryChange.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
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
#include "ui/common/ShownHeadings.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/inventory/InventoryViewServices.h"
#include "ui/inventory/InventoryYardLink.h"
#include "ui/quickfacts/ReportDisplay.h"

namespace {

const QString kDeleteSound = QStringLiteral("GAUGEDEL.WAV");
const QString kIntegrityOkSound = QStringLiteral("GAUGEIOK.WAV");
const QString kIntegrityFailedSound = QStringLiteral("GAUGEINT.WAV");

} // namespace

CMessageSink& CInventoryEditCommands::Messages() const {
    return m_view.ViewServices().messages;
}

CSoundPlayer& CInventoryEditCommands::Sounds() const {
    return m_view.ViewServices().sounds;
}

void CInventoryEditCommands::Show(const QString& text, const QString& caption, MessageIcon icon) {
    Messages().Show(m_view.Window(), {text, caption, icon, MessageButtons::Ok});
}

std::string CInventoryEditCommands::Heading(const CSidingWardDoc& document, int attribute) {
    if (const CCatalogue* yard = document.GetClassificationYard())
        return shownheadings::ShownBytes(attribute, yard->GetHeading(attribute));
    return shownheadings::ShownBytes(attribute, AttributeName(attribute));
}

void CInventoryEditCommands::Delete() {
    const EditSelection selection = m_view.Selection();
    const CInventoryElement* item = m_view.CurrentItem();
    const bool all = selection == EditSelection::Whole && m_view.Traits().deleteAll;
    if (!all && item == nullptr) {
        Show(QCoreApplication::translate("CInventoryEditCommands",
                                         "Unable to determine inventory item to delete."),
             captions::SystemError(), MessageIcon::Critical);
        return;
    }
    QString question;
    if (all)
        question = QCoreApplication::translate(
            "CInventoryEditCommands", "Are you sure you want to delete ALL inventory items?");
    else if (selection == EditSelection::Detail)
        question = QCoreApplication::translate(
                       "CInventoryEditCommands",
                       "Are you sure you want to delete the entire inventory item %1?")
                       .arg(m_view.ItemLabel(*item));
    else
        question = QCoreApplication::translate("CInventoryEditCommands",
                                               "Are you sure you want to delete inventory item %1?")
                       .arg(m_view.ItemLabel(*item));
    const MessageAnswer answer =
        Messages().Show(m_view.Window(), {question, captions::Warning(), MessageIcon::Question,
                                          MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    if (all)
        DeleteAll();
    else
        RemoveItem(m_view.CurrentItem(), QT_TRANSLATE_NOOP("Messages", "Delete"));
    if (m_view.Traits().editSounds)
        Sounds().Play(kDeleteSound);
}

void CInventoryEditCommands::DeleteAll() {
    int failures = 0;
    {
        CWaitCursor wait;
        // One change for all of them, which one Undo gives back.
        failures = m_view.GetDocument().RemoveItems(m_view.ItemsInViewOrder(), m_view.Sender(),
                                                    QT_TRANSLATE_NOOP("Messages", "Delete ALL"));
    }
    // The boxes wait for the user: the wait cursor must not stand over them.
    for (int failure = 0; failure < failures; ++failure)
        Show(QCoreApplication::translate("CInventoryEditCommands",
                                         "Delete ALL inventory element failed"),
             captions::ApplicationTitle(), MessageIcon::Warning);
}

void CInventoryEditCommands::RemoveItem(CInventoryElement* item, const char* what) {
    CSidingWardDoc& document = m_view.GetDocument();
    if (!document.ContainsItem(item)) {
        Show(QCoreApplication::translate("CInventoryEditCommands",
                                         "Delete inventory element failed"),
             captions::ApplicationTitle(), MessageIcon::Warning);
        return;
    }
    document.Apply(CInventoryChange::Remove(what, {item}), m_view.Sender());
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
    RemoveItem(item, QT_TRANSLATE_NOOP("Messages", "Cut"));
    return true;
}

void CInventoryEditCommands::Paste() {
    CCatalogue* yard = m_view.GetDocument().GetClassificationYard();
    std::unique_ptr<CInventoryElement> item = yard ? yard->TakeClipboardItem() : nullptr;
    if (!item)
        return;
    CInventoryChange::ItemList items;
    items.push_back(std::move(item));
    m_view.GetDocument().Apply(
        CInventoryChange::Insert(QT_TRANSLATE_NOOP("Messages", "Paste"), std::move(items)),
        m_view.Sender());
}

void CInventoryEditCommands::Find() {
    CFindDialog dialog(m_view.GetDocument().GetSearchHistory(), Messages(), m_view.Window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.FindText(dialog.GetSearchText(), dialog.GetMatchCase(), dialog.IsFindNext());
}

void CInventoryEditCommands::ChangeAttribute(int attribute) {
    CInventoryElement* item = m_view.CurrentItem();
    if (item == nullptr)
        return;
    const CCatalogue* yard = m_view.GetDocument().GetClassificationYard();
    const std::vector<std::string>* values = yard ? yard->GetValueList(attribute) : nullptr;
    const bool keepOrder = attribute == static_cast<int>(Attribute::CurrentValue);
    CInventoryModificationDialog dialog(
        QCoreApplication::translate("CInventoryEditCommands", "Maintain %1")
            .arg(text::FromBytes(Heading(m_view.GetDocument(), attribute))),
        item->GetAttributeText(attribute), values ? *values : std::vector<std::string>{}, keepOrder,
        m_view.Window());
    // The item may have gone while the dialog was open (an undo in another window).
    if (dialog.exec() != QDialog::Accepted || !dialog.GetChosenValue() ||
        !m_view.GetDocument().ContainsItem(item))
        return;
    CWaitCursor wait;
    CInventoryElement changed = *item;
    changed.SetAttributeText(attribute, *dialog.GetChosenValue());
    if (keepOrder)
        valuehistory::Record(changed, *item, Today(m_view.ViewServices()));
    m_view.GetDocument().Apply(
        CInventoryChange::Replace(keepOrder ? QT_TRANSLATE_NOOP("Messages", "Change Current Value")
                                            : QT_TRANSLATE_NOOP("Messages", "Change Condition"),
                                  *item, std::move(changed)),
        m_view.Sender());
}

void CInventoryEditCommands::IntegrityCheck() {
    const bool whole = m_view.Selection() == EditSelection::Whole;
    const CSidingWardDoc& document = m_view.GetDocument();
    const auto failure = [](const CInventoryElement& item) {
        return text::FromBytes(quickfacts::ItemHeadline(item)) +
               QCoreApplication::translate(
                   "CInventoryEditCommands",
                   "Item integrity corrupted.\nOne or more attributes for this item "
                   "are missing from the Classification Yard.");
    };
    QString message;
    QString sound = kIntegrityOkSound;
    {
        CWaitCursor wait;
        if (whole) {
            message = QCoreApplication::translate("CInventoryEditCommands",
                                                  "Entire Inventory\n\nIntegrity OK");
            for (CInventoryElement* item : m_view.ItemsInViewOrder()) {
                if (!document.CheckItemAgainstYard(*item)) {
                    m_view.SelectItem(item);
                    message = failure(*item);
                    sound = kIntegrityFailedSound;
                    break;
                }
            }
        } else if (const CInventoryElement* item = m_view.CurrentItem()) {
            if (document.CheckItemAgainstYard(*item)) {
                message =
                    text::FromBytes(quickfacts::ItemHeadline(*item)) +
                    QCoreApplication::translate("CInventoryEditCommands", "Item integrity OK");
            } else {
                message = failure(*item);
                sound = kIntegrityFailedSound;
            }
        } else {
            return;
        }
    }
    if (m_view.Traits().editSounds)
        Sounds().Play(sound);
    Show(message, QCoreApplication::translate("CInventoryEditCommands", "Integrity Check"),
         MessageIcon::Warning);
}

YardItemAnswer CInventoryEditCommands::TakeFromYard(const CYardItem& item) {
    return m_view.YardLink().Take(item, m_view.Sender(), m_view.Window());
}

void CInventoryEditCommands::TakeFromInventory(CFerroTreeCtrl& sourceTree) {
    auto* source = dynamic_cast<CInventoryEditTarget*>(CFerroTreeCtrl::ViewOf(&sourceTree));
    if (source == nullptr || source == &m_view)
        return;
    // Only what the source really gave up is pasted here.
    if (CInventoryEditCommands(*source).Cut())
        Paste();
}

template <typename Reporter> void CInventoryEditCommands::ReportGain() {
    std::optional<CWaitCursor> wait(std::in_place);
    const bool whole = m_view.Selection() == EditSelection::Whole;
    const Reporter reporter;
    const auto report = whole ? reporter.ReportInventory(&m_view.GetDocument())
                              : reporter.ReportItem(m_view.CurrentItem());
    wait.reset();
    if (report)
        quickfacts::ShowReport(*report, Messages(), Sounds(), m_view.Window());
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
    quickfacts::ShowReport(answer->report, Messages(), Sounds(), m_view.Window());
    if (answer->item != nullptr)
        m_view.SelectItem(answer->item);
}

template <typename Reporter> void CInventoryEditCommands::ReportTotal() {
    std::optional<CWaitCursor> wait(std::in_place);
    const auto report = Reporter().ReportInventory(&m_view.GetDocument());
    wait.reset();
    if (report)
        quickfacts::ShowReport(*report, Messages(), Sounds(), m_view.Window());
}

void CInventoryEditCommands::ReportTotalExpenditures() {
    ReportTotal<CTotalExpenditures>();
}

void CInventoryEditCommands::ReportTotalAssetValue() {
    ReportTotal<CTotalAssetValue>();
}

void CInventoryEditCommands::ReportItemCount() {
    if (const auto report = CItemCount().ReportInventory(&m_view.GetDocument()))
        quickfacts::ShowReport(*report, Messages(), Sounds(), m_view.Window());
}
