#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QWizard>

#include "model/core/InventoryElement.h"
#include "ui/yard/ClassificationWizardPage.h"

class CClassificationDoc;

// The values chosen in the wizard, by attribute index (Item Number stays empty).
using CWizardChoices = std::array<std::string, kAttributeCount>;

// "Classification Yard Wizard": thirteen pages, one per attribute with a value
// list, from Manufacturer to User Defined 2. It starts on the Condition page when a
// product of the manufacturer file was chosen, else on the Manufacturer page.
class CClassificationWizard : public QWizard {
    Q_OBJECT

public:
    static constexpr int kConditionPage = 5;

    // yard must outlive the wizard; customize opens the customization sheet.
    CClassificationWizard(CClassificationDoc& yard, bool productChosen,
                          CClassificationWizardPage::Customizer customize,
                          QWidget* parent = nullptr);

    // Runs the wizard modally: the chosen values after Finish, nothing after Cancel.
    static std::optional<CWizardChoices> Run(QWidget* parent, CClassificationDoc& yard,
                                             bool productChosen,
                                             CClassificationWizardPage::Customizer customize);

    CClassificationWizardPage* Page(int index) const;
    // Every page's chosen value by attribute.
    CWizardChoices GetChoices() const;

    // Finish: the last page's selection is taken first.
    void accept() override;

private:
    void OnPageChanged(int id);

    std::vector<CClassificationWizardPage*> m_pages;
    int m_shownPage = -1;
};
