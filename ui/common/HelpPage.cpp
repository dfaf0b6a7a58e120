#include "ui/common/HelpPage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QVariant>
#include <QWidget>

namespace help {

namespace {

const char* const kProperty = "gaugewrightHelpPage";

std::function<void(const QString&)>& PageOpener() {
    static std::function<void(const QString&)> opener;
    return opener;
}

} // namespace

void SetHelpPage(QWidget* widget, const QString& page) {
    widget->setProperty(kProperty, page);
}

QString HelpPageOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QString page = widget->property(kProperty).toString();
        if (!page.isEmpty())
            return page;
    }
    return {};
}

QString HelpPageInFront() {
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    if (!front)
        return QString::fromLatin1(kContentsPage);
    if (qobject_cast<QMessageBox*>(front))
        return QString::fromLatin1(kTroubleshootingPage);
    // The part of the window that has the focus, then (in the main window, whose
    // toolbar may hold the focus) its active document window, then the window.
    const QWidget* focus = QApplication::focusWidget();
    for (const QWidget* widget = focus && focus->window() == front ? focus : nullptr;
         widget && widget != front; widget = widget->parentWidget()) {
        const QString page = widget->property(kProperty).toString();
        if (!page.isEmpty())
            return page;
    }
    if (const auto* area = front->findChild<QMdiArea*>(); area && area->activeSubWindow()) {
        if (const QString page = HelpPageOf(area->activeSubWindow()->widget()); !page.isEmpty())
            return page;
    }
    const QString page = HelpPageOf(front);
    return page.isEmpty() ? QString::fromLatin1(kContentsPage) : page;
}

void SetPageOpener(std::function<void(const QString& page)> opener) {
    PageOpener() = std::move(opener);
}

void ShowHelpOf(const QWidget* widget) {
    const QString page = HelpPageOf(widget);
    if (PageOpener())
        PageOpener()(page.isEmpty() ? QString::fromLatin1(kContentsPage) : page);
}

void AddHelpButton(QDialogButtonBox* box) {
    box->addButton(QDialogButtonBox::Help);
    QObject::connect(box, &QDialogButtonBox::helpRequested, box, [box] { ShowHelpOf(box); });
}

} // namespace help
