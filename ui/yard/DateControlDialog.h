#pragma once

#include <QDialog>

class QSpinBox;

// "Classification Yard - Date Control": the lowest year of a year list, from 1800
// to the current year; the list always runs up to the current year.
class CDateControlDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kEarliestYear = 1800;

    // fromYear is the proposed lowest year (kept within the range).
    CDateControlDialog(int fromYear, int currentYear, QWidget* parent = nullptr);

    int GetFromYear() const;

private:
    QSpinBox* m_from = nullptr;
};
