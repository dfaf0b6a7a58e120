#include "ui/yard/ClassificationWizard.h"

#include <QAbstractButton>

#include "ui/common/HelpPage.h"

namespace {

struct PageLayout {
    Attribute attribute;
    int buttons;
    int linkedPage; // -1: none
};

constexpr int kBackNext = CClassificationWizardPage::kBack | CClassificationWizardPage::kNext;
constexpr int kNextOnly = CClassificationWizardPage::kNext;

const std::array<PageLayout, 13> kPages = {{
    {Attribute::Manufacturer, kNextOnly, -1},
    {Attribute::BodyClassification, kBackNext, -1},
    {Attribute::RoadName, kBackNext, -1},
    {Attribute::PaintScheme, kBackNext, -1},
    {Attribute::Scale, kBackNext, -1},
    {Attribute::Condition, kBackNext, -1},
    {Attribute::OriginalBox, kBackNext, -1},
    {Attribute::DateBuilt, kBackNext, -1},
    {Attribute::PurchaseDate, kBackNext, 7},
    {Attribute::PurchasePrice, kBackNext, -1},
    {Attribute::CurrentValue, kBackNext, 9},
    {Attribute::UserDefined1, kBackNext, -1},
    {Attribute::UserDefined2, CClassificationWizardPage::kBack | CClassificationWizardPage::kFinish,
     -1},
}};

} // namespace

CClassificationWizard::CClassificationWizard(CClassificationDoc& yard, bool productChosen,
                                             CClassificationWizardPage::Customizer customize,
                                             QWidget* parent)
    : QWizard(parent) {
    setWindowTitle(tr("Classification Yard Wizard"));
    help::SetHelpPage(this, QStringLiteral("yard-wizard.html#wizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, false);
    setOption(QWizard::NoBackButtonOnStartPage, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (std::size_t index = 0; index < kPages.size(); ++index) {
        const PageLayout& pageLayout = kPages[index];
        int buttons = pageLayout.buttons;
        // A chosen product starts the wizard here: there is nothing to go back to.
        if (productChosen && index == kConditionPage)
            buttons = kNextOnly;
        CClassificationWizardPage* linked =
            pageLayout.linkedPage >= 0 ? m_pages[static_cast<std::size_t>(pageLayout.linkedPage)]
                                       : nullptr;
        auto* page = new CClassificationWizardPage(yard, static_cast<int>(pageLayout.attribute),
                                                   buttons, linked, customize, this);
        m_pages.push_back(page);
        setPage(static_cast<int>(index), page);
    }
    setStartId(productChosen ? kConditionPage : 0);
    connect(this, &QWizard::currentIdChanged, this, &CClassificationWizard::OnPageChanged);
}

std::optional<CWizardChoices>
CClassificationWizard::Run(QWidget* parent, CClassificationDoc& yard, bool productChosen,
                           CClassificationWizardPage::Customizer customize) {
    CClassificationWizard wizard(yard, productChosen, std::move(customize), parent);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return wizard.GetChoices();
}

CClassificationWizardPage* CClassificationWizard::Page(int index) const {
    return index >= 0 && index < static_cast<int>(m_pages.size())
               ? m_pages[static_cast<std::size_t>(index)]
               : nullptr;
}

CWizardChoices CClassificationWizard::GetChoices() const {
    CWizardChoices choices;
    for (const CClassificationWizardPage* page : m_pages)
        choices[static_cast<std::size_t>(page->GetAttribute())] = page->GetChosenValue();
    return choices;
}

void CClassificationWizard::OnPageChanged(int id) {
    if (CClassificationWizardPage* left = Page(m_shownPage))
        left->OnKillActive();
    m_shownPage = id;
    CClassificationWizardPage* page = Page(id);
    if (page == nullptr)
        return;
    page->OnCreate();
    page->OnSetActive();
    // The page's own button set; the wizard already offers Next or Finish by position.
    if ((page->GetWizardButtons() & CClassificationWizardPage::kBack) == 0)
        button(QWizard::BackButton)->setEnabled(false);
}

void CClassificationWizard::accept() {
    if (CClassificationWizardPage* page = Page(currentId()))
        page->OnKillActive();
    QWizard::accept();
}
