#include "ui/quickfacts/CustomReportDialog.h"

#include <optional>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/HelpPage.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"

CCustomReportDialog::CCustomReportDialog(const CSidingWardDoc& document, ReportRunner runner,
                                         QWidget* parent)
    : QDialog(parent), m_document(document), m_runner(std::move(runner)),
      m_expenditures(new QRadioButton(tr("Expenditures"), this)),
      m_assetValue(new QRadioButton(tr("Asset Value"), this)),
      m_itemCount(new QRadioButton(tr("Item Count"), this)), m_available(new QListWidget(this)),
      m_chosen(new QLineEdit(this)), m_add(new QPushButton(tr("Add -->"), this)),
      m_remove(new QPushButton(tr("<-- Remove"), this)),
      m_produce(new QPushButton(tr("Produce Report"), this)) {
    setWindowTitle(tr("Quick Facts Custom Report"));
    help::SetHelpPage(this, QStringLiteral("quick-facts.html#custom-report"));
    m_expenditures->setChecked(true);
    m_available->setObjectName(QStringLiteral("available"));
    m_available->setSortingEnabled(false);
    m_chosen->setObjectName(QStringLiteral("chosen"));
    m_chosen->setReadOnly(true);
    const inventoryreport::Headings headings =
        shownheadings::ShownBytes(inventoryreport::HeadingsOf(document));
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        auto* entry = new QListWidgetItem(
            text::FromBytes(headings[static_cast<std::size_t>(attribute)]), m_available);
        entry->setData(Qt::UserRole, attribute);
    }
    m_available->setCurrentRow(0);
    // Tall enough for every attribute, so that none hides below the list's edge.
    m_available->setMinimumHeight(m_available->sizeHintForRow(0) * kAttributeCount +
                                  2 * m_available->frameWidth());
    for (QPushButton* button : {m_add, m_remove, m_produce})
        button->setAutoDefault(false);

    auto* measures = new QVBoxLayout;
    for (QRadioButton* radio : {m_expenditures, m_assetValue, m_itemCount})
        measures->addWidget(radio);
    auto* fields = new QGroupBox(tr("Available Inventory Fields"), this);
    (new QVBoxLayout(fields))->addWidget(m_available);
    auto* chosen = new QGroupBox(tr("By This Inventory Field"), this);
    (new QVBoxLayout(chosen))->addWidget(m_chosen);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(m_add);
    moves->addWidget(m_remove);
    moves->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(chosen);
    right->addWidget(m_produce);
    right->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(fields);
    middle->addLayout(moves);
    middle->addLayout(right);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Close), &QPushButton::clicked, this,
            &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(measures);
    layout->addLayout(middle);
    layout->addWidget(buttons);

    connect(m_add, &QPushButton::clicked, this, &CCustomReportDialog::Add);
    connect(m_remove, &QPushButton::clicked, this, &CCustomReportDialog::Remove);
    connect(m_produce, &QPushButton::clicked, this, &CCustomReportDialog::Produce);
    connect(m_available, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_add->isEnabled())
            Add();
    });
    connect(m_available, &QListWidget::currentRowChanged, this,
            &CCustomReportDialog::UpdateButtons);
    UpdateButtons();
}

void CCustomReportDialog::UpdateButtons() {
    const bool chosen = !m_chosen->text().isEmpty() || m_attribute >= 0;
    m_add->setEnabled(m_available->count() > 0 && !chosen);
    m_remove->setEnabled(chosen);
    m_produce->setEnabled(chosen);
}

void CCustomReportDialog::Add() {
    QListWidgetItem* entry = m_available->currentItem();
    if (entry == nullptr || m_attribute >= 0)
        return;
    m_chosen->setText(entry->text());
    m_attribute = entry->data(Qt::UserRole).toInt();
    delete m_available->takeItem(m_available->row(entry));
    m_available->setCurrentRow(m_available->count() > 0 ? 0 : -1);
    UpdateButtons();
}

void CCustomReportDialog::Remove() {
    if (m_attribute < 0)
        return;
    auto* entry = new QListWidgetItem(m_chosen->text(), m_available);
    entry->setData(Qt::UserRole, m_attribute);
    m_chosen->clear();
    m_attribute = -1;
    m_available->setCurrentRow(0);
    // Tall enough for every attribute, so that none hides below the list's edge.
    m_available->setMinimumHeight(m_available->sizeHintForRow(0) * kAttributeCount +
                                  2 * m_available->frameWidth());
    UpdateButtons();
}

void CCustomReportDialog::Produce() {
    if (m_attribute < 0)
        return;
    const BreakdownMeasure measure = m_expenditures->isChecked() ? BreakdownMeasure::Expenditures
                                     : m_assetValue->isChecked() ? BreakdownMeasure::AssetValue
                                                                 : BreakdownMeasure::ItemCount;
    std::optional<CBreakdownTable> table;
    {
        const CWaitCursor wait;
        table = CBreakdownTable::ByAttribute(m_document, measure, m_attribute,
                                             m_document.GetClassificationYard());
    }
    if (m_runner)
        m_runner(this, std::move(*table));
    // The attribute goes back, to the end of the list, ready for the next report.
    Remove();
}
