#include "ui/yard/DateControlDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"
#include "ui/yard/RangeSpinBoxes.h"

CDateControlDialog::CDateControlDialog(int fromYear, int currentYear, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Classification Yard - Date Control"));
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#date-control"));
    auto* group = new QGroupBox(tr("Date Range"), this);
    // Wide enough for the whole title in the window's title bar.
    group->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 64);
    m_from = new QSpinBox(group);
    m_from->setObjectName(QStringLiteral("fromYear"));
    m_from->setRange(kEarliestYear, std::max(kEarliestYear, currentYear));
    m_from->setValue(fromYear);
    auto* to = new QLabel(QString::number(currentYear), group);
    to->setObjectName(QStringLiteral("toYear"));
    auto* fields = new QFormLayout(group);
    fields->addRow(tr("From Year"), m_from);
    fields->addRow(tr("To Year"), to);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    EnableOkWhileAcceptable(buttons, {m_from});
    connect(buttons, &QDialogButtonBox::accepted, this, &CDateControlDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDateControlDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CDateControlDialog::GetFromYear() const {
    return m_from->value();
}
