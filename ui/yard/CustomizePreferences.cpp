#include "ui/yard/CustomizePreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "model/core/InventoryElement.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/HelpPage.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"

CCustomizePreferences::CCustomizePreferences(CClassificationDoc& yard, CMessageSink& messages,
                                             QWidget* parent)
    : CCustomizePage(yard, messages, parent) {
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#preferences"));
    auto* group = new QGroupBox(tr("Build Preferences"), this);
    m_manufacturerFile = new QCheckBox(tr("Always use the Manufacturer file"), group);
    m_manufacturerFile->setObjectName(QStringLiteral("useManufacturerFile"));
    m_wizard = new QCheckBox(tr("Always use Classification Yard Wizard"), group);
    m_wizard->setObjectName(QStringLiteral("useWizard"));
    m_manufacturerFile->setChecked(m_yard.GetUseManufacturerFile());
    m_wizard->setChecked(m_yard.GetUseWizard());
    auto* boxes = new QVBoxLayout(group);
    boxes->addWidget(m_manufacturerFile);
    boxes->addWidget(m_wizard);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
    connect(m_manufacturerFile, &QCheckBox::clicked, this, [this] { SetModified(); });
    connect(m_wizard, &QCheckBox::clicked, this, [this] { SetModified(); });
}

void CCustomizePreferences::OnSetActive() {
    constexpr int kManufacturer = static_cast<int>(Attribute::Manufacturer);
    QString heading = shownheadings::Shown(kManufacturer, m_yard.GetHeading(kManufacturer));
    m_manufacturerFile->setText(tr("Always use the %1 File").arg(text::ShowAmpersands(heading)));
}

bool CCustomizePreferences::UseManufacturerFile() const {
    return m_manufacturerFile->isChecked();
}

bool CCustomizePreferences::UseWizard() const {
    return m_wizard->isChecked();
}

void CCustomizePreferences::BeforeSave() {
    m_savedManufacturerFile = m_yard.GetUseManufacturerFile();
    m_savedWizard = m_yard.GetUseWizard();
    m_yard.SetUseManufacturerFile(UseManufacturerFile());
    m_yard.SetUseWizard(UseWizard());
}

void CCustomizePreferences::AfterSaveFailed() {
    m_yard.SetUseManufacturerFile(m_savedManufacturerFile);
    m_yard.SetUseWizard(m_savedWizard);
}
