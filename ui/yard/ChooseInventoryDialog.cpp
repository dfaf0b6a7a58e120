#include "ui/yard/ChooseInventoryDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"

CChooseInventoryDialog::CChooseInventoryDialog(const std::vector<CSidingWardDoc*>& inventories,
                                               CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_sorted(inventories), m_messages(messages) {
    setWindowTitle(tr("Choose an Inventory for the item"));
    help::SetHelpPage(this, QStringLiteral("yard.html#choose-inventory"));
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [](const CSidingWardDoc* a, const CSidingWardDoc* b) {
                         return CompareKeysNoCase(a->GetTitle(), b->GetTitle()) < 0;
                     });
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("inventories"));
    for (const CSidingWardDoc* inventory : m_sorted)
        m_list->addItem(text::FromBytes(inventory->GetTitle()));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChooseInventoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChooseInventoryDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CChooseInventoryDialog::accept);
}

void CChooseInventoryDialog::accept() {
    const int row = m_list->currentRow();
    if (row < 0 || m_list->selectedItems().isEmpty()) {
        m_messages.Show(this, {tr("Please select an Inventory!"), captions::Error(),
                               MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    m_chosen = m_sorted[static_cast<std::size_t>(row)];
    QDialog::accept();
}
