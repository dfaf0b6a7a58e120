#pragma once

#include <functional>
#include <string>

#include <QWizardPage>

#include "model/yard/YardFormat.h"

class CClassificationDoc;
class QComboBox;
class QLabel;

// One page of the Classification Yard Wizard: the value list of one attribute in a
// drop-down list under the attribute's heading, and a Customize button.
class CClassificationWizardPage : public QWizardPage {
    Q_OBJECT

public:
    // The wizard buttons a page shows (combinations of Back, Next and Finish).
    static constexpr int kBack = 1;
    static constexpr int kNext = 2;
    static constexpr int kFinish = 4;

    // Opens the customization sheet over parent on the attribute's values.
    using Customizer = std::function<void(QWidget* parent, int attribute)>;

    // yard must outlive the page; linked (may be null) is the page whose chosen
    // value this page proposes while it has none of its own.
    CClassificationWizardPage(CClassificationDoc& yard, int attribute, int wizardButtons,
                              CClassificationWizardPage* linked, Customizer customize,
                              QWidget* parent = nullptr);

    int GetAttribute() const { return m_attribute; }
    int GetWizardButtons() const { return m_wizardButtons; }
    // The value left selected when the page was last left; empty before.
    const std::string& GetChosenValue() const { return m_chosen; }
    bool IsCreated() const { return m_created; }

    // First display: fills the list and selects its first entry.
    void OnCreate();
    // Each display: proposes the linked page's value while this page has none.
    void OnSetActive();
    // Leaving the page (Next, Back, Finish): the selected entry becomes the chosen value.
    void OnKillActive();
    // The Customize button: the sheet, then the list refilled from the catalogue.
    void Customize();

private:
    void Fill();

    CClassificationDoc& m_yard;
    const int m_attribute;
    const int m_wizardButtons;
    CClassificationWizardPage* const m_linked;
    const Customizer m_customize;
    const std::string m_heading;
    std::string m_chosen;
    bool m_created = false;
    QComboBox* m_list = nullptr;
    QLabel* m_label = nullptr;
};
