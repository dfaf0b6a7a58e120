#pragma once

#include <string>

#include "model/yard/YardFormat.h"
#include "ui/yard/CustomizePage.h"

class CAttributeRadioGroup;
class CClock;
class QListWidget;
class QPushButton;

// "Attribute Values": the allowed values of the checked attribute, with Add,
// Change and Delete for the text lists and Set Range for the year and dollar lists.
// Every change goes into the catalogue at once; the sheet's owner undoes it on
// Cancel from the snapshot taken before (and at each Apply).
class CCustomizeValues : public CCustomizePage {
    Q_OBJECT

public:
    // Opens on startAttribute's list. yard, messages and clock must outlive the page.
    CCustomizeValues(CClassificationDoc& yard, CMessageSink& messages, const CClock& clock,
                     int startAttribute, QWidget* parent = nullptr);

    void OnSetActive() override;

    // Shows the attribute's list (the explanation for Item Number).
    void ShowList(int attribute);
    void Add();
    void Change();
    void Delete();
    void SetRange();

    int CurrentAttribute() const { return m_attribute; }
    QListWidget* List() const { return m_list; }
    CAttributeRadioGroup* Attributes() const { return m_attributes; }

protected:
    void AfterSave() override;

private:
    bool IsRangeAttribute() const;
    // Purchase Price and Current Value: the box shows them in the catalogue's order.
    bool IsMoneyAttribute() const;
    // Adds value to the box where it belongs and selects it.
    void AddToBox(const std::string& value);
    std::string SelectedValue() const;
    // Whether Change and Delete have a selected text value to act on; says so when
    // nothing is selected.
    bool CanEditSelection();
    void UpdateButtons();
    void OnDoubleClicked();
    // Whether the list may hold entries entries; says why not.
    bool Fits(std::size_t entries);
    void ShowSystemError(const QString& text);

    const CClock& m_clock;
    CAttributeRadioGroup* m_attributes = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_setRange = nullptr;
    int m_attribute = 0;
    CValueList* m_current = nullptr;
};
