#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The dialog that changes one attribute of an item to one of the Classification
// Yard's values: "From:" shows the current value, "To:" offers the allowed ones
// (sorted alphabetically, or in the yard's order), preselecting the current value.
class CInventoryModificationDialog : public QDialog {
    Q_OBJECT

public:
    CInventoryModificationDialog(const QString& title, const std::string& from,
                                 const std::vector<std::string>& values, bool keepOrder,
                                 QWidget* parent = nullptr);

    // The chosen value after OK.
    const std::optional<std::string>& GetChosenValue() const { return m_chosen; }

    QLineEdit* FromField() const { return m_from; }
    QComboBox* ToList() const { return m_to; }
    QPushButton* OkButton() const { return m_ok; }

public slots:
    void accept() override;

private:
    QLineEdit* m_from;
    QComboBox* m_to;
    QPushButton* m_ok = nullptr;
    std::vector<std::string> m_values; // the entries of m_to, in its order
    std::optional<std::string> m_chosen;
};
