#pragma once

#include "ui/yard/CustomizePage.h"

class QCheckBox;

// "Preferences": whether a build starts with the manufacturer listing and with
// the wizard.
class CCustomizePreferences : public CCustomizePage {
    Q_OBJECT

public:
    CCustomizePreferences(CClassificationDoc& yard, CMessageSink& messages,
                          QWidget* parent = nullptr);

    // Relabels the manufacturer file box with the current Manufacturer heading.
    void OnSetActive() override;

    // The states of the two check boxes, for the sheet's owner.
    bool UseManufacturerFile() const;
    bool UseWizard() const;

protected:
    void BeforeSave() override;
    void AfterSaveFailed() override;

private:
    QCheckBox* m_manufacturerFile = nullptr;
    QCheckBox* m_wizard = nullptr;
    bool m_savedManufacturerFile = false;
    bool m_savedWizard = false;
};
