#include "ui/app/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

CHelpKey::CHelpKey(std::function<void()> showHelp, QObject* parent)
    : QObject(parent), m_showHelp(std::move(showHelp)) {
    qApp->installEventFilter(this);
}

CHelpKey::~CHelpKey() {
    qApp->removeEventFilter(this);
}

bool CHelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;
    m_showHelp();
    return true;
}
