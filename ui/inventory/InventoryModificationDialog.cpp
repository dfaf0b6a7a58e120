#include "ui/inventory/InventoryModificationDialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "model/core/InventoryElement.h"
#include "ui/common/HelpPage.h"
#include "ui/common/Text.h"

CInventoryModificationDialog::CInventoryModificationDialog(const QString& title,
                                                           const std::string& from,
                                                           const std::vector<std::string>& values,
                                                           bool keepOrder, QWidget* parent)
    : QDialog(parent), m_from(new QLineEdit(text::FromBytes(from), this)),
      m_to(new QComboBox(this)), m_values(values) {
    setWindowTitle(title);
    help::SetHelpPage(this, QStringLiteral("inventory-editing.html#change"));
    setMinimumWidth(320);
    m_from->setReadOnly(true);
    m_from->setObjectName(QStringLiteral("from"));
    m_to->setObjectName(QStringLiteral("to"));
    if (!keepOrder) {
        std::stable_sort(
            m_values.begin(), m_values.end(),
            [](const std::string& a, const std::string& b) { return CompareKeysNoCase(a, b) < 0; });
    }
    for (const std::string& value : m_values)
        m_to->addItem(text::FromBytes(value));
    // The current value when the list has it, else the first entry.
    const auto current =
        std::find_if(m_values.begin(), m_values.end(), [&from](const std::string& value) {
            return CompareKeysNoCase(value, from) == 0;
        });
    if (!m_values.empty())
        m_to->setCurrentIndex(
            current == m_values.end() ? 0 : static_cast<int>(current - m_values.begin()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(!m_values.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &CInventoryModificationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInventoryModificationDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("From:"), m_from);
    layout->addRow(tr("To:"), m_to);
    layout->addRow(buttons);
}

void CInventoryModificationDialog::accept() {
    const int index = m_to->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_values.size()))
        return;
    m_chosen = m_values[static_cast<std::size_t>(index)];
    QDialog::accept();
}
