#include "ui/yard/CustomizeSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/HelpPage.h"
#include "ui/yard/CustomizeHeadings.h"
#include "ui/yard/CustomizePreferences.h"
#include "ui/yard/CustomizeValues.h"

CCustomizeSheet::CCustomizeSheet(CClassificationDoc& yard, const CClock& clock,
                                 CMessageSink& messages, int startAttribute, QWidget* parent)
    : QDialog(parent), m_yard(yard) {
    setWindowTitle(tr("Classification Yard Customization"));
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#customize"));
    m_tabs = new QTabWidget(this);
    m_values = new CCustomizeValues(yard, messages, clock, startAttribute, m_tabs);
    m_headings = new CCustomizeHeadings(yard, messages, m_tabs);
    m_preferences = new CCustomizePreferences(yard, messages, m_tabs);
    m_pages = {m_values, m_headings, m_preferences};
    m_tabs->addTab(m_values, tr("Attribute Values"));
    m_tabs->addTab(m_headings, tr("Attribute Headings"));
    m_tabs->addTab(m_preferences, tr("Preferences"));
    for (CCustomizePage* page : m_pages)
        connect(page, &CCustomizePage::ModifiedChanged, this, &CCustomizeSheet::UpdateApply);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CCustomizeSheet::OnTabChanged);

    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CCustomizeSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CCustomizeSheet::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &CCustomizeSheet::Apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    m_values->OnSetActive();
    UpdateApply();
}

void CCustomizeSheet::OnTabChanged(int index) {
    if (index >= 0 && index < static_cast<int>(m_pages.size()))
        m_pages[static_cast<std::size_t>(index)]->OnSetActive();
}

void CCustomizeSheet::UpdateApply() {
    bool pending = false;
    for (const CCustomizePage* page : m_pages)
        pending = pending || page->HasPendingChanges();
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(pending);
}

bool CCustomizeSheet::Apply() {
    bool saved = true;
    for (CCustomizePage* page : m_pages) {
        if (!page->Apply()) {
            saved = false;
            break;
        }
    }
    UpdateApply();
    return saved;
}

void CCustomizeSheet::accept() {
    if (Apply())
        QDialog::accept();
}

CCustomizeSheet::Outcome CCustomizeSheet::Run() {
    m_yard.SnapshotValues();
    m_yard.SnapshotHeadings();
    const bool ok = exec() == QDialog::Accepted;
    Outcome outcome;
    if (ok) {
        outcome.refresh = m_values->HasPendingChanges() || m_values->WasApplied();
        outcome.relabel = m_headings->HasPendingChanges() || m_headings->WasApplied();
        if (m_preferences->HasPendingChanges() || m_preferences->WasApplied()) {
            m_yard.SetUseManufacturerFile(m_preferences->UseManufacturerFile());
            m_yard.SetUseWizard(m_preferences->UseWizard());
            outcome.preferencesSet = true;
        }
    } else {
        if (m_values->HasPendingChanges() || m_values->WasApplied())
            m_yard.RestoreValues();
        outcome.refresh = m_values->WasApplied();
        if (m_headings->HasPendingChanges() || m_headings->WasApplied())
            m_yard.RestoreHeadings();
        outcome.relabel = m_headings->WasApplied();
    }
    return outcome;
}
