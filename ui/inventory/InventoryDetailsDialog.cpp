#include "ui/inventory/InventoryDetailsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"

CInventoryDetailsDialog::CInventoryDetailsDialog(const Flags& flags, const Headings& headings,
                                                 CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(tr("Inventory Details"));
    help::SetHelpPage(this, QStringLiteral("inventory-tree.html#details"));
    auto* group = new QGroupBox(tr("Show these details"), this);
    auto* grid = new QGridLayout(group);
    // Two columns of seven, in attribute order down the columns.
    constexpr int kRows = (kAttributeCount + 1) / 2;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const auto slot = static_cast<std::size_t>(attribute);
        auto* box = new QCheckBox(text::ShowAmpersands(text::FromBytes(headings[slot])), group);
        box->setObjectName(QStringLiteral("detail%1").arg(attribute));
        box->setChecked(flags[slot]);
        grid->addWidget(box, attribute % kRows, attribute / kRows);
        m_boxes[slot] = box;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CInventoryDetailsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInventoryDetailsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

CInventoryDetailsDialog::Flags CInventoryDetailsDialog::GetFlags() const {
    Flags flags{};
    for (std::size_t k = 0; k < flags.size(); ++k)
        flags[k] = m_boxes[k]->isChecked();
    return flags;
}

void CInventoryDetailsDialog::accept() {
    const Flags flags = GetFlags();
    if (std::none_of(flags.begin(), flags.end(), [](bool shown) { return shown; })) {
        m_messages.Show(this, {tr("No Inventory details selected!"), captions::Error(),
                               MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    QDialog::accept();
}
