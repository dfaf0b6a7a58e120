#include "ui/yard/AttributeRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"

CAttributeRadioGroup::CAttributeRadioGroup(QWidget* parent)
    : QGroupBox(tr("Classification Yard Attributes"), parent) {
    m_group = new QButtonGroup(this);
    auto* layout = new QGridLayout(this);
    // Two columns, the attributes in their index order down the first, then the second.
    constexpr int kRows = (kAttributeCount + 1) / 2;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        auto* button =
            new QRadioButton(shownheadings::Shown(attribute, AttributeName(attribute)), this);
        button->setObjectName(QStringLiteral("attribute%1").arg(attribute));
        m_group->addButton(button, attribute);
        m_buttons[static_cast<std::size_t>(attribute)] = button;
        layout->addWidget(button, attribute % kRows, attribute / kRows);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &CAttributeRadioGroup::AttributeClicked);
}

void CAttributeRadioGroup::Relabel(const CClassificationDoc& yard) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        Relabel(yard, attribute);
}

void CAttributeRadioGroup::Relabel(const CClassificationDoc& yard, int attribute) {
    if (QRadioButton* button = Button(attribute)) {
        // Headings are shown as they are: an ampersand in one is no mnemonic.
        QString label = shownheadings::Shown(attribute, yard.GetHeading(attribute));
        button->setText(text::ShowAmpersands(label));
    }
}

void CAttributeRadioGroup::Check(int attribute) {
    if (QRadioButton* button = Button(attribute))
        button->setChecked(true);
}

int CAttributeRadioGroup::Checked() const {
    return m_group->checkedId();
}

QRadioButton* CAttributeRadioGroup::Button(int attribute) const {
    return attribute >= 0 && attribute < kAttributeCount
               ? m_buttons[static_cast<std::size_t>(attribute)]
               : nullptr;
}
