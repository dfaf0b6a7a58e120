#include "ui/yard/DollarControlDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"
#include "ui/yard/RangeSpinBoxes.h"

CDollarControlDialog::CDollarControlDialog(int fromDollar, int toDollar, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Classification Yard - Dollar Control"));
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#dollar-control"));
    auto* group = new QGroupBox(tr("Dollar Range"), this);
    // Wide enough for the whole title in the window's title bar.
    group->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 64);
    const auto spin = [group](const char* name, int value) {
        auto* box = new QSpinBox(group);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, kHighestAmount);
        box->setValue(value);
        return box;
    };
    m_from = spin("fromDollar", fromDollar);
    m_to = spin("toDollar", toDollar);
    auto* fields = new QFormLayout(group);
    fields->addRow(tr("From Dollar"), m_from);
    fields->addRow(tr("To Dollar"), m_to);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    EnableOkWhileAcceptable(buttons, {m_from, m_to});
    connect(buttons, &QDialogButtonBox::accepted, this, &CDollarControlDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDollarControlDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CDollarControlDialog::GetFromDollar() const {
    return m_from->value();
}

int CDollarControlDialog::GetToDollar() const {
    return m_to->value();
}
