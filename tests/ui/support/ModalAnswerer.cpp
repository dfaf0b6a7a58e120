#include "ui/support/ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

CModalAnswerer::CModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, &CModalAnswerer::Poll);
    m_timer.start(5);
}

void CModalAnswerer::Poll() {
    QWidget* window = QApplication::activeModalWidget();
    // A window is answered once, even when its handler leaves it open.
    if (!window || window == m_current)
        return;
    m_current = window;
    m_seen.append(window->windowTitle());
    if (m_handlers.isEmpty()) {
        m_unexpected.append(window->windowTitle());
        Reject(window);
        return;
    }
    const Handler handler = m_handlers.takeFirst();
    handler(window);
}

void CModalAnswerer::Fail(QWidget* window, const char* expected) {
    QTest::qFail(qPrintable(QStringLiteral("expected a %1, found the modal window \"%2\"")
                                .arg(QLatin1String(expected), window->windowTitle())),
                 __FILE__, __LINE__);
    Reject(window);
}

void CModalAnswerer::Reject(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}
