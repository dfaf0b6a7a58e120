#pragma once

#include <functional>

#include <QObject>

// F1 anywhere in the program, also in a modal dialog (where the main window's
// shortcuts do not reach), asks for the help of the window in front.
class CHelpKey : public QObject {
public:
    explicit CHelpKey(std::function<void()> showHelp, QObject* parent = nullptr);
    ~CHelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_showHelp;
};
