#include "ui/yard/CustomizeValues.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/InventoryElement.h"
#include "model/framework/Clock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/ValueEntries.h"
#include "ui/yard/AddChangeDialog.h"
#include "ui/yard/AttributeRadioGroup.h"
#include "ui/yard/DateControlDialog.h"
#include "ui/yard/DollarControlDialog.h"

namespace {

constexpr int kBytesRole = Qt::UserRole;

QListWidgetItem* BoxItem(const std::string& value) {
    auto* item = new QListWidgetItem(text::FromBytes(value));
    item->setData(kBytesRole, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    return item;
}

std::string ItemBytes(const QListWidgetItem* item) {
    const QByteArray bytes = item->data(kBytesRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The whole-dollar amount an entry of a dollar list starts with ("12.00" gives 12);
// a text without a "." gives 0.
int DollarsOf(const std::string& entry) {
    const std::size_t dot = entry.find('.');
    if (dot == std::string::npos)
        return 0;
    return static_cast<int>(std::clamp<long long>(AmountValue(entry.substr(0, dot)), 0,
                                                  CDollarControlDialog::kHighestAmount));
}

} // namespace

CCustomizeValues::CCustomizeValues(CClassificationDoc& yard, CMessageSink& messages,
                                   const CClock& clock, int startAttribute, QWidget* parent)
    : CCustomizePage(yard, messages, parent), m_clock(clock) {
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#values"));
    m_attributes = new CAttributeRadioGroup(this);
    m_attributes->Relabel(m_yard);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("values"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Dollar lists run to tens of thousands of entries.
    m_list->setUniformItemSizes(true);
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
    const auto button = [this](const char* name, const QString& caption) {
        auto* pushButton = new QPushButton(caption, this);
        pushButton->setObjectName(QLatin1String(name));
        return pushButton;
    };
    m_add = button("Add", tr("Add"));
    m_change = button("Change", tr("Change"));
    m_delete = button("Delete", tr("Delete"));
    m_setRange = button("SetRange", tr("Set Range"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* pushButton : {m_add, m_change, m_delete, m_setRange})
        buttons->addWidget(pushButton);
    buttons->addStretch(1);
    auto* valuesLabel = new QLabel(tr("Values"), this);
    valuesLabel->setBuddy(m_list);
    auto* values = new QVBoxLayout;
    values->addWidget(valuesLabel);
    values->addWidget(m_list, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_attributes, 0, 0);
    layout->addLayout(values, 0, 1);
    layout->addLayout(buttons, 0, 2);
    layout->setColumnStretch(1, 1);

    connect(m_attributes, &CAttributeRadioGroup::AttributeClicked, this,
            &CCustomizeValues::ShowList);
    connect(m_add, &QPushButton::clicked, this, &CCustomizeValues::Add);
    connect(m_change, &QPushButton::clicked, this, &CCustomizeValues::Change);
    connect(m_delete, &QPushButton::clicked, this, &CCustomizeValues::Delete);
    connect(m_setRange, &QPushButton::clicked, this, &CCustomizeValues::SetRange);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CCustomizeValues::OnDoubleClicked);

    const int start = startAttribute >= 0 && startAttribute < kAttributeCount ? startAttribute : 0;
    m_attributes->Check(start);
    ShowList(start);
}

void CCustomizeValues::OnSetActive() {
    m_attributes->Relabel(m_yard);
}

void CCustomizeValues::AfterSave() {
    m_yard.SnapshotValues();
}

bool CCustomizeValues::IsRangeAttribute() const {
    return valueentries::IsShownInListOrder(m_attribute);
}

void CCustomizeValues::ShowList(int attribute) {
    m_attribute = attribute;
    m_current = m_yard.GetValueList(attribute);
    m_list->clear();
    if (m_current == nullptr) {
        // One text, so that a language may break its lines where its words fall.
        m_list->addItems(tr("Due to many variations,\nitem number values\nare not contained "
                            "in the\nClassification Yard.")
                             .split(QLatin1Char('\n')));
        m_list->setEnabled(false);
        for (QPushButton* pushButton : {m_add, m_change, m_delete, m_setRange})
            pushButton->setEnabled(false);
        return;
    }
    m_list->setEnabled(true);
    for (const std::string* value : valueentries::ShownOrder(*m_current, !IsMoneyAttribute()))
        m_list->addItem(BoxItem(*value));
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    UpdateButtons();
}

bool CCustomizeValues::IsMoneyAttribute() const {
    return ::IsMoneyAttribute(m_attribute);
}

void CCustomizeValues::AddToBox(const std::string& value) {
    const int row = IsMoneyAttribute()
                        ? m_list->count()
                        : valueentries::SortedPosition(
                              m_list->count(),
                              [this](int index) { return ItemBytes(m_list->item(index)); }, value);
    m_list->insertItem(row, BoxItem(value));
    m_list->setCurrentRow(row);
}

std::string CCustomizeValues::SelectedValue() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr && item->isSelected() ? ItemBytes(item) : std::string();
}

void CCustomizeValues::UpdateButtons() {
    const bool range = IsRangeAttribute();
    const bool entries = m_list->count() > 0;
    m_add->setEnabled(!range);
    m_change->setEnabled(!range && entries);
    m_delete->setEnabled(!range && entries);
    m_setRange->setEnabled(range);
}

void CCustomizeValues::ShowSystemError(const QString& text) {
    m_messages.Show(this,
                    {text, captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok});
}

bool CCustomizeValues::Fits(std::size_t entries) {
    if (m_yard.CanHoldValues(*m_current, entries))
        return true;
    const std::size_t total = m_yard.GetValueEntryCount() - m_current->size() + entries;
    m_messages.Show(this,
                    {tr("The Classification Yard file can hold at most %1 values in all; this "
                        "change would give it %2.\nNothing was changed. Choose a smaller range "
                        "or remove values from other lists first.")
                         .arg(yardformat::kMaxValueEntries)
                         .arg(total),
                     captions::YardError(), MessageIcon::Critical, MessageButtons::Ok});
    return false;
}

void CCustomizeValues::Add() {
    if (m_current == nullptr || IsRangeAttribute())
        return;
    CAddChangeDialog dialog(std::string(), m_messages, this);
    if (dialog.exec() != QDialog::Accepted || !Fits(m_current->size() + 1))
        return;
    SetModified();
    if (!m_yard.AddValue(*m_current, dialog.GetText())) {
        ShowSystemError(tr("The add function failed!"));
        return;
    }
    AddToBox(dialog.GetText());
    UpdateButtons();
}

bool CCustomizeValues::CanEditSelection() {
    if (m_current == nullptr || IsRangeAttribute())
        return false;
    if (m_list->selectedItems().isEmpty()) {
        m_messages.Show(this, {tr("No rolling stock attribute selected!"), captions::Error(),
                               MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    return true;
}

void CCustomizeValues::Change() {
    if (!CanEditSelection())
        return;
    const std::string old = SelectedValue();
    CAddChangeDialog dialog(old, m_messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetModified();
    if (!m_yard.DeleteValue(*m_current, old)) {
        ShowSystemError(tr("The delete operation of the change function failed!"));
        return;
    }
    delete m_list->takeItem(m_list->currentRow());
    if (!m_yard.AddValue(*m_current, dialog.GetText())) {
        ShowSystemError(tr("The add operation of the change function failed!"));
        UpdateButtons();
        return;
    }
    AddToBox(dialog.GetText());
    UpdateButtons();
}

void CCustomizeValues::Delete() {
    if (!CanEditSelection())
        return;
    const std::string value = SelectedValue();
    const MessageAnswer answer = m_messages.Show(
        this, {tr("Are you sure you want to delete '%1'?").arg(text::FromBytes(value)),
               captions::Warning(), MessageIcon::Question, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    SetModified();
    if (!m_yard.DeleteValue(*m_current, value)) {
        ShowSystemError(tr("The delete function failed!"));
        return;
    }
    const int row = m_list->currentRow();
    delete m_list->takeItem(row);
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::max(0, row - 1));
    UpdateButtons();
}

void CCustomizeValues::SetRange() {
    if (m_current == nullptr || !IsRangeAttribute())
        return;
    const bool years = m_attribute == static_cast<int>(Attribute::DateBuilt) ||
                       m_attribute == static_cast<int>(Attribute::PurchaseDate);
    if (years) {
        const int currentYear = m_clock.Today().year;
        // An empty list has no lowest year: the range starts at the current year.
        int from = currentYear;
        if (!m_current->empty()) {
            const std::string& last = m_current->back();
            from = static_cast<int>(std::clamp<long long>(
                AmountValue(last.size() > 4 ? last.substr(last.size() - 4) : last),
                CDateControlDialog::kEarliestYear, currentYear));
        }
        CDateControlDialog dialog(from, currentYear, this);
        if (dialog.exec() != QDialog::Accepted || !Fits(m_yard.YearRangeSize(dialog.GetFromYear())))
            return;
        SetModified();
        m_yard.SetYearRange(*m_current, dialog.GetFromYear());
    } else {
        const int from = m_current->empty() ? 0 : DollarsOf(m_current->front());
        const int to = m_current->empty() ? 0 : DollarsOf(m_current->back());
        CDollarControlDialog dialog(from, to, this);
        if (dialog.exec() != QDialog::Accepted ||
            !Fits(
                CClassificationDoc::DollarRangeSize(dialog.GetFromDollar(), dialog.GetToDollar())))
            return;
        SetModified();
        m_yard.SetDollarRange(*m_current, dialog.GetFromDollar(), dialog.GetToDollar());
    }
    ShowList(m_attribute);
}

void CCustomizeValues::OnDoubleClicked() {
    if (IsRangeAttribute())
        SetRange();
    else
        Change();
}
