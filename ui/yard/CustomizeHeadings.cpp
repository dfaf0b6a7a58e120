#include "ui/yard/CustomizeHeadings.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/InventoryElement.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/HelpPage.h"
#include "ui/yard/AttributeRadioGroup.h"
#include "ui/yard/ChangeAttributeNameDialog.h"

CCustomizeHeadings::CCustomizeHeadings(CClassificationDoc& yard, CMessageSink& messages,
                                       QWidget* parent)
    : CCustomizePage(yard, messages, parent) {
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#headings"));
    m_attributes = new CAttributeRadioGroup(this);
    m_attributes->Relabel(m_yard);
    m_attributes->Check(static_cast<int>(Attribute::BodyClassification));
    auto* change = new QPushButton(tr("Change Attribute Name"), this);
    change->setObjectName(QStringLiteral("changeAttributeName"));
    connect(change, &QPushButton::clicked, this, &CCustomizeHeadings::ChangeAttributeName);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(change);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_attributes, 1);
    layout->addLayout(buttons);
}

void CCustomizeHeadings::OnSetActive() {
    m_attributes->Relabel(m_yard);
}

void CCustomizeHeadings::AfterSave() {
    m_yard.SnapshotHeadings();
}

void CCustomizeHeadings::ChangeAttributeName() {
    const int attribute = m_attributes->Checked();
    if (attribute < 0)
        return;
    CChangeAttributeNameDialog dialog(m_yard.GetHeading(attribute), m_messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetModified();
    m_yard.SetHeading(attribute, dialog.GetTo());
    m_attributes->Relabel(m_yard, attribute);
}
