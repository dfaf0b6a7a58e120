#pragma once

#include "ui/yard/CustomizePage.h"

class CAttributeRadioGroup;

// "Attribute Headings": renames the checked attribute with "Change Attribute Name".
class CCustomizeHeadings : public CCustomizePage {
    Q_OBJECT

public:
    CCustomizeHeadings(CClassificationDoc& yard, CMessageSink& messages, QWidget* parent = nullptr);

    void OnSetActive() override;
    // Renames the checked attribute with the dialog's text.
    void ChangeAttributeName();

    CAttributeRadioGroup* Attributes() const { return m_attributes; }

protected:
    void AfterSave() override;

private:
    CAttributeRadioGroup* m_attributes = nullptr;
};
