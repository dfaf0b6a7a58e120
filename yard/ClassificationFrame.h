#pragma once

#include <QMdiSubWindow>

class CAppSettings;

// The child window of the Classification Yard. The user cannot close it (its
// system menu has no Close entry and it ignores close requests) until the program
// ends; it remembers in Settings/CYard whether it was minimized or maximized.
class CClassificationFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    // settings must outlive the frame.
    explicit CClassificationFrame(CAppSettings& settings, QWidget* parent = nullptr);
    // Writes the placement.
    ~CClassificationFrame() override;

    // At the end of the program: lets the frame close.
    void AllowClose() { m_closeAllowed = true; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CAppSettings& m_settings;
    bool m_placementRestored = false;
    bool m_closeAllowed = false;
};
