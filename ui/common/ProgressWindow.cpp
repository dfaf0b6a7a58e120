#include "ui/common/ProgressWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/common/WindowPlacement.h"

CProgressWindow::CProgressWindow(const QString& caption, int step, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_step(step) {
    setWindowTitle(caption);
    setWindowModality(Qt::NonModal);
    auto* layout = new QVBoxLayout(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addWidget(m_bar);
}

void CProgressWindow::StepIt() {
    int next = m_bar->value() + m_step;
    if (next > m_bar->maximum())
        next -= m_bar->maximum() - m_bar->minimum();
    m_bar->setValue(next);
}

void CProgressWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !testAttribute(Qt::WA_Moved))
        CentreOn(*this, parentWidget() ? parentWidget()->window() : nullptr);
    QWidget::showEvent(event);
}

int CProgressWindow::Value() const {
    return m_bar->value();
}

void CProgressWindow::WaitWhile(QWidget* parent, const QString& caption,
                                const std::function<bool()>& running,
                                const std::function<void()>& raisePriority, int pollMilliseconds) {
    if (!running())
        return;
    CProgressWindow window(caption, 1, parent);
    window.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (raisePriority)
        raisePriority();
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(pollMilliseconds);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        window.StepIt();
        if (!running())
            loop.quit();
    });
    timer.start();
    // Only painting and timers during the wait: input would reach windows that
    // expect the loader to have ended.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
}
