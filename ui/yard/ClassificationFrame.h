#pragma once

#include "ui/common/ChildFrame.h"
#include "ui/yard/YardWindowSettings.h"

class QStyle;

// The child window of the Classification Yard. The user cannot close it (its
// system menu has no Close entry and it ignores close requests) until the program
// ends; it remembers in Settings/CYard whether it was minimized or maximized.
class CClassificationFrame : public CChildFrame {
    Q_OBJECT

public:
    // Frames the yard's view on its document (the frame takes the view); settings
    // and the document must outlive the frame.
    CClassificationFrame(CYardWindowSettings& settings, CDocument& yard, QWidget* view,
                         QWidget* parent = nullptr);
    // Writes the placement.
    ~CClassificationFrame() override;

    // At the end of the program: lets the frame close.
    void AllowClose() { m_closeAllowed = true; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Gives the buttons of the maximized window in the menu bar the yard's style.
    void StyleMaximizedButtons();

    CYardWindowSettings& m_settings;
    QStyle* m_style = nullptr;
    bool m_placementRestored = false;
    bool m_closeAllowed = false;
};
