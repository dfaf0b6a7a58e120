#pragma once

#include <QCursor>
#include <QPoint>
#include <QTreeView>

class CInventoryElement;
class CSidingWardDoc;

// The cursor a drag shows over the window under the pointer.
enum class DragCursor { None, CrossOver, SameKind, NoDrop };

// The tree of an inventory view. Besides being a tree it lets the user drag the
// selected item onto another inventory view or the Classification Yard: while the
// left button is held the mouse stays with the tree, the cursor tells what lies
// under the pointer, and releasing it hands the item to the view that holds the
// window under the pointer. A right click leaves the selection alone.
class CFerroTreeCtrl : public QTreeView {
    Q_OBJECT

public:
    explicit CFerroTreeCtrl(QWidget* parent = nullptr);
    ~CFerroTreeCtrl() override;

    // The inventory the tree shows (not owned); the yard learns from it where a
    // dropped item comes from.
    void SetDocument(CSidingWardDoc* document) { m_document = document; }
    CSidingWardDoc* GetDocument() const { return m_document; }

    // The item being dragged; null when no drag runs.
    CInventoryElement* GetDraggedItem() const { return m_draggedItem; }
    void ClearDraggedItem() { m_draggedItem = nullptr; }
    bool IsDragging() const { return m_dragging; }
    DragCursor CurrentDragCursor() const { return m_cursor; }

    // The document view (an inventory view or the yard view) that holds widget,
    // which receives the drops released over widget; null when there is none.
    static QWidget* ViewOf(QWidget* widget);
    // The two drag cursors: 32x32, hot spot at the top left.
    static QCursor CrossOverCursor();
    static QCursor SameKindCursor();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The cursor for the window at a screen point.
    static DragCursor CursorOver(const QPoint& globalPosition);
    void ShowCursor(DragCursor cursor);
    // Releases the mouse and restores the cursor; the drag itself goes on.
    void ReleasePointer();
    // Releases the mouse, restores the cursor and forgets the drag.
    void EndDrag();

    CSidingWardDoc* m_document = nullptr;
    CInventoryElement* m_draggedItem = nullptr;
    bool m_dragging = false;
    bool m_moved = false;
    DragCursor m_cursor = DragCursor::None;
};
