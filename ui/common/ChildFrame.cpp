#include "ui/common/ChildFrame.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

#include "model/framework/Document.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/Text.h"

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
    // A "[*]" of the file's own name is written twice, which Qt shows as itself.
    QString title = text::FromBytes(m_document.GetTitle()).replace(u"[*]"_s, u"[*][*]"_s);
    if (windowNumber > 0)
        title += u":%1"_s.arg(windowNumber);
    // "[*]" shows as "*" while the document has unsaved changes.
    title += u"[*]"_s;
    if (title != windowTitle())
        setWindowTitle(title);
    setWindowModified(m_document.IsModified());
}

QString CChildFrame::ShownTitle(const QWidget& window) {
    // Qt's rule: in a run of placeholders, an odd count ends in the placeholder
    // proper; each pair left stands for a literal "[*]".
    const QString placeholder = u"[*]"_s;
    QString title = window.windowTitle();
    qsizetype index = title.indexOf(placeholder);
    while (index != -1) {
        index += placeholder.size();
        int count = 1;
        while (title.indexOf(placeholder, index) == index) {
            ++count;
            index += placeholder.size();
        }
        if (count % 2 != 0) {
            index -= placeholder.size();
            title.replace(index, placeholder.size(),
                          window.isWindowModified() ? u"*"_s : QString());
        }
        index = title.indexOf(placeholder, index);
    }
    return title.replace(u"[*][*]"_s, placeholder);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_closeHook && !m_closeHook()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
