#include "ui/inventory/FerroTreeCtrl.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QMouseEvent>

#include "model/framework/DocumentView.h"
#include "ui/common/TreeLinesStyle.h"
#include "ui/common/YardWindow.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/yard/FerroRSTreeCtrl.h"

namespace {

QCursor CursorFrom(const QString& resource) {
    return QCursor(QIcon(resource).pixmap(32, 32), 0, 0);
}

// The tree control a widget belongs to (a tree's viewport belongs to the tree).
QWidget* ControlOf(QWidget* widget) {
    for (QWidget* control = widget; control != nullptr; control = control->parentWidget()) {
        if (qobject_cast<CFerroTreeCtrl*>(control) || qobject_cast<CFerroRSTreeCtrl*>(control))
            return control;
    }
    return widget;
}

} // namespace

CFerroTreeCtrl::CFerroTreeCtrl(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    CTreeLinesStyle::Apply(this);
}

CFerroTreeCtrl::~CFerroTreeCtrl() {
    if (m_cursor != DragCursor::None)
        QGuiApplication::restoreOverrideCursor();
}

QCursor CFerroTreeCtrl::CrossOverCursor() {
    return CursorFrom(QStringLiteral(":/icons/cursor/drag-crossover.svg"));
}

QCursor CFerroTreeCtrl::SameKindCursor() {
    return CursorFrom(QStringLiteral(":/icons/cursor/drag-samekind.svg"));
}

QWidget* CFerroTreeCtrl::ViewOf(QWidget* widget) {
    // A tree sits inside group boxes and frames of its view; the view is the first
    // window around it that shows a document.
    for (QWidget* parent = widget ? ControlOf(widget)->parentWidget() : nullptr; parent != nullptr;
         parent = parent->parentWidget()) {
        if (dynamic_cast<CDocumentView*>(parent) != nullptr)
            return parent;
    }
    return nullptr;
}

DragCursor CFerroTreeCtrl::CursorOver(const QPoint& globalPosition) {
    QWidget* control = ControlOf(QApplication::widgetAt(globalPosition));
    if (qobject_cast<CFerroRSTreeCtrl*>(control))
        return DragCursor::CrossOver;
    if (qobject_cast<CFerroTreeCtrl*>(control))
        return DragCursor::SameKind;
    return DragCursor::NoDrop;
}

void CFerroTreeCtrl::ShowCursor(DragCursor cursor) {
    QCursor shape;
    switch (cursor) {
    case DragCursor::CrossOver:
        shape = CrossOverCursor();
        break;
    case DragCursor::SameKind:
        shape = SameKindCursor();
        break;
    default:
        shape = QCursor(Qt::ForbiddenCursor);
        break;
    }
    if (m_cursor == DragCursor::None)
        QGuiApplication::setOverrideCursor(shape);
    else if (cursor != m_cursor)
        QGuiApplication::changeOverrideCursor(shape);
    m_cursor = cursor;
}

void CFerroTreeCtrl::ReleasePointer() {
    if (QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
    if (m_cursor != DragCursor::None)
        QGuiApplication::restoreOverrideCursor();
    m_cursor = DragCursor::None;
}

void CFerroTreeCtrl::EndDrag() {
    ReleasePointer();
    m_dragging = false;
    m_moved = false;
    m_draggedItem = nullptr;
}

void CFerroTreeCtrl::mousePressEvent(QMouseEvent* event) {
    // The context menu acts on the node selected before the right click.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || m_dragging)
        return;
    const QModelIndex selected = currentIndex();
    const TreeLevel level = CInventoryTreeModel::LevelOf(selected);
    if (level != TreeLevel::Item && level != TreeLevel::Detail)
        return;
    const auto* tree = qobject_cast<const CInventoryTreeModel*>(model());
    m_draggedItem = tree ? tree->ItemOf(selected) : nullptr;
    if (m_draggedItem == nullptr)
        return;
    viewport()->grabMouse();
    m_dragging = true;
    m_moved = false;
}

void CFerroTreeCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    if (event->buttons() != Qt::LeftButton ||
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        EndDrag();
        return;
    }
    ShowCursor(CursorOver(event->globalPosition().toPoint()));
    m_moved = true;
}

void CFerroTreeCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging || event->button() != Qt::LeftButton) {
        QTreeView::mouseReleaseEvent(event);
        return;
    }
    const QPoint point = event->globalPosition().toPoint();
    QWidget* receiver = m_moved ? ViewOf(QApplication::widgetAt(point)) : nullptr;
    // The receiver may show a message box: the mouse and the cursor are the user's
    // again before. The dragged item stays until the receiver is done with it.
    ReleasePointer();
    if (receiver != nullptr && receiver != ViewOf(this)) {
        // The yard takes the item for changes, another inventory's tree view moves
        // it there; the list and other windows take no drops.
        if (auto* yard = dynamic_cast<CYardWindow*>(receiver)) {
            if (m_draggedItem != nullptr && m_document != nullptr &&
                yard->TakeItemForChange(*m_draggedItem, *m_document))
                m_draggedItem = nullptr;
        } else if (auto* inventory = qobject_cast<CSidingWardView*>(receiver)) {
            inventory->TakeDroppedItem(*this);
        }
    }
    EndDrag();
    QTreeView::mouseReleaseEvent(event);
}
