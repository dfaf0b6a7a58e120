#pragma once

#include <array>
#include <string>

#include <QDialog>

#include "model/core/InventoryElement.h"

class CMessageSink;
class QCheckBox;

// "Inventory Details": one check box per attribute, labelled with its current
// heading, saying which attributes the tree shows as detail lines. OK with no box
// checked is refused with a message and the dialog stays open.
class CInventoryDetailsDialog : public QDialog {
    Q_OBJECT

public:
    using Flags = std::array<bool, kAttributeCount>;
    using Headings = std::array<std::string, kAttributeCount>;

    // messages must outlive the dialog.
    CInventoryDetailsDialog(const Flags& flags, const Headings& headings, CMessageSink& messages,
                            QWidget* parent = nullptr);

    // The flags as the boxes show them.
    Flags GetFlags() const;
    QCheckBox* Box(int attribute) const { return m_boxes[static_cast<std::size_t>(attribute)]; }

public slots:
    void accept() override;

private:
    CMessageSink& m_messages;
    std::array<QCheckBox*, kAttributeCount> m_boxes{};
};
