#pragma once

#include <QDialog>

class QSpinBox;

// "Classification Yard - Dollar Control": the first and last whole amount of a
// dollar list, each from 0 to 32760. A From above To is accepted (it empties the list).
class CDollarControlDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHighestAmount = 32760;

    // The proposed amounts are kept within the range.
    CDollarControlDialog(int fromDollar, int toDollar, QWidget* parent = nullptr);

    int GetFromDollar() const;
    int GetToDollar() const;

private:
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
};
