#include "app/ChildFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

#include "framework/CommandTarget.h"
#include "framework/Document.h"
#include "framework/Text.h"

using namespace Qt::StringLiterals;

CChildFrame::CChildFrame(CDocument& document, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(u":/icons/tree/inventory.svg"_s));
    setWidget(view);
    UpdateTitle();
    // The window menu shows its keys, but the main window acts on them: one key bound
    // in every document window's menu would be ambiguous and do nothing.
    if (QMenu* menu = systemMenu()) {
        for (QAction* action : menu->actions())
            action->setShortcutContext(Qt::WidgetShortcut);
    }
}

CChildFrame::~CChildFrame() = default;

CCommandTarget* CChildFrame::GetViewTarget() const {
    return dynamic_cast<CCommandTarget*>(widget());
}

void CChildFrame::UpdateTitle(int windowNumber) {
    QString title = text::FromBytes(m_document.GetTitle());
    if (windowNumber > 0)
        title += u":%1"_s.arg(windowNumber);
    // "[*]" shows as "*" while the document has unsaved changes.
    title += u"[*]"_s;
    if (title != windowTitle())
        setWindowTitle(title);
    setWindowModified(m_document.IsModified());
}

QString CChildFrame::ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(u"[*]"_s, window.isWindowModified() ? u"*"_s : QString());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_closeHook && !m_closeHook()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
