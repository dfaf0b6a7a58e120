#include "ui/yard/ClassificationWizardPage.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/ValueEntries.h"

CClassificationWizardPage::CClassificationWizardPage(CClassificationDoc& yard, int attribute,
                                                     int wizardButtons,
                                                     CClassificationWizardPage* linked,
                                                     Customizer customize, QWidget* parent)
    : QWizardPage(parent), m_yard(yard), m_attribute(attribute), m_wizardButtons(wizardButtons),
      m_linked(linked), m_customize(std::move(customize)), m_heading(yard.GetHeading(attribute)) {
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app/gaugewright.svg")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    m_label = new QLabel(tr("List of Choices"), this);
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("choices"));
    m_list->setMinimumContentsLength(30);
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_label->setBuddy(m_list);
    auto* customizeButton = new QPushButton(tr("Customize"), this);
    customizeButton->setObjectName(QStringLiteral("customize"));
    connect(customizeButton, &QPushButton::clicked, this, &CClassificationWizardPage::Customize);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(m_label, 0, 1);
    layout->addWidget(m_list, 1, 1);
    layout->addWidget(customizeButton, 2, 1, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    layout->setHorizontalSpacing(16);
}

void CClassificationWizardPage::Fill() {
    valueentries::Fill(m_list, m_yard.GetValueList(m_attribute),
                       !valueentries::IsShownInListOrder(m_attribute));
    m_list->setCurrentIndex(m_list->count() > 0 ? 0 : -1);
}

void CClassificationWizardPage::OnCreate() {
    if (m_created)
        return;
    m_created = true;
    Fill();
    m_label->setText(text::ShowAmpersands(shownheadings::Shown(m_attribute, m_heading)));
}

void CClassificationWizardPage::OnSetActive() {
    if (m_linked == nullptr || !m_chosen.empty())
        return;
    const int proposed = valueentries::FindNoCase(m_list, m_linked->GetChosenValue());
    if (proposed >= 0)
        m_list->setCurrentIndex(proposed);
}

void CClassificationWizardPage::OnKillActive() {
    if (m_list->currentIndex() >= 0)
        m_chosen = valueentries::EntryBytes(m_list, m_list->currentIndex());
}

void CClassificationWizardPage::Customize() {
    if (m_customize)
        m_customize(window(), m_attribute);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Fill();
    QApplication::restoreOverrideCursor();
}
