#pragma once

#include <array>

#include <QGroupBox>

#include "model/core/InventoryElement.h"

class CClassificationDoc;
class QButtonGroup;
class QRadioButton;

// "Classification Yard Attributes": one radio button per attribute, labelled with
// the yard's headings. The customization pages choose their attribute with it.
class CAttributeRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit CAttributeRadioGroup(QWidget* parent = nullptr);

    // Labels every button with the attribute's current heading.
    void Relabel(const CClassificationDoc& yard);
    void Relabel(const CClassificationDoc& yard, int attribute);
    // Checks the attribute's button without telling (no AttributeClicked).
    void Check(int attribute);
    // The checked attribute; -1 when none is.
    int Checked() const;
    QRadioButton* Button(int attribute) const;

signals:
    // The user clicked the attribute's button.
    void AttributeClicked(int attribute);

private:
    QButtonGroup* m_group = nullptr;
    std::array<QRadioButton*, kAttributeCount> m_buttons{};
};
