#pragma once

#include <functional>

#include <QString>
#include <QWidget>

class QProgressBar;

// The small modeless window with one progress bar (range 0 to 100) shown while the
// program waits. Its caption says what it waits for. It shows centred on its
// parent's window (on the screen when there is no parent on screen).
class CProgressWindow : public QWidget {
    Q_OBJECT

public:
    CProgressWindow(const QString& caption, int step, QWidget* parent = nullptr);

    // Advances the bar by the step, starting again from 0 when it passes the end.
    void StepIt();
    int Value() const;

    // While running() holds: shows the window and the wait cursor, calls
    // raisePriority once, then advances the bar one step per poll (one second in
    // the program) while the windows keep painting. Returns at once when running()
    // is false from the start.
    static void WaitWhile(QWidget* parent, const QString& caption,
                          const std::function<bool()>& running,
                          const std::function<void()>& raisePriority, int pollMilliseconds = 1000);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* m_bar = nullptr;
    int m_step = 1;
};
