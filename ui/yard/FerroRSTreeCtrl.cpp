#include "ui/yard/FerroRSTreeCtrl.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

#include "model/core/InventoryElement.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/AttributeIcon.h"
#include "ui/common/InventoryWindow.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/TreeLinesStyle.h"

namespace {

constexpr int kItemRole = Qt::UserRole;

} // namespace

const int CFerroRSTreeCtrl::kLineOrder[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13};

QString CFerroRSTreeCtrl::MimeType() {
    return QStringLiteral("application/x-gaugewright-yard-item");
}

CFerroRSTreeCtrl::CFerroRSTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    // A line longer than the tree is wide scrolls rather than losing its value.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setAcceptDrops(true);
    CTreeLinesStyle::Apply(this);
}

CFerroRSTreeCtrl::~CFerroRSTreeCtrl() = default;

void CFerroRSTreeCtrl::ShowNewItem(std::unique_ptr<CInventoryElement> item,
                                   const CClassificationDoc& yard) {
    Empty();
    m_ownedItem = std::move(item);
    m_item = m_ownedItem.get();
    BuildNodes(yard);
}

void CFerroRSTreeCtrl::ShowTakenItem(CInventoryElement* item, CSidingWardDoc* inventory,
                                     const CClassificationDoc& yard) {
    Empty();
    m_item = item;
    m_takenFrom = inventory;
    BuildNodes(yard);
}

void CFerroRSTreeCtrl::Redisplay(const CClassificationDoc& yard) {
    BuildNodes(yard);
}

void CFerroRSTreeCtrl::Empty() {
    clear();
    m_item = nullptr;
    m_ownedItem.reset();
    m_takenFrom = nullptr;
    m_previousValues.reset();
    m_draggedItem = nullptr;
    m_dragEnabled = false;
}

CInventoryElement* CFerroRSTreeCtrl::GetSelectedItem() const {
    const QTreeWidgetItem* node = currentItem();
    if (node == nullptr)
        return m_item;
    return reinterpret_cast<CInventoryElement*>(node->data(0, kItemRole).value<quintptr>());
}

void CFerroRSTreeCtrl::SelectRoot() {
    if (QTreeWidgetItem* root = topLevelItem(0))
        setCurrentItem(root);
}

void CFerroRSTreeCtrl::DeliverHeldItem(CInventoryWindow& target) {
    if (m_item == nullptr)
        return;
    // A new item is offered with its ownership; a taken one is its inventory's already.
    const YardItemAnswer answer =
        target.TakeFinishedItem({*m_item, m_takenFrom == nullptr ? &m_ownedItem : nullptr,
                                 m_previousValues ? &*m_previousValues : nullptr});
    m_draggedItem = nullptr;
    if (answer == YardItemAnswer::Refused)
        return;
    // The inventory has the item now; whatever it did not take over is ours to destroy.
    m_takenFrom = nullptr;
    m_previousValues.reset();
    clear();
    m_item = nullptr;
    m_ownedItem.reset();
}

void CFerroRSTreeCtrl::DeliverDraggedItem(CInventoryWindow& target) {
    if (m_draggedItem != nullptr)
        DeliverHeldItem(target);
}

void CFerroRSTreeCtrl::BuildNodes(const CClassificationDoc& yard) {
    clear();
    if (m_item == nullptr)
        return;
    const QVariant data = QVariant::fromValue(reinterpret_cast<quintptr>(m_item));
    const int root = static_cast<int>(Attribute::BodyClassification);
    auto* rootNode = new QTreeWidgetItem(this);
    rootNode->setText(0, text::FromBytes(m_item->GetAttributeText(root)));
    rootNode->setIcon(0, AttributeIcon(root));
    rootNode->setData(0, kItemRole, data);
    for (const int attribute : kLineOrder) {
        auto* line = new QTreeWidgetItem(rootNode);
        line->setText(0, shownheadings::Shown(attribute, yard.GetHeading(attribute)) +
                             QStringLiteral(": ") +
                             text::FromBytes(m_item->GetAttributeText(attribute)));
        line->setIcon(0, AttributeIcon(attribute));
        line->setData(0, kItemRole, data);
    }
    expandAll();
}

void CFerroRSTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void CFerroRSTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    // Accepted as a copy only to show the same-kind cursor of the drag.
    if (event->mimeData()->hasFormat(MimeType())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CFerroRSTreeCtrl::dropEvent(QDropEvent* event) {
    event->ignore();
}

void CFerroRSTreeCtrl::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !m_dragEnabled || currentItem() == nullptr)
        return;
    m_pressed = true;
    m_pressPosition = event->position().toPoint();
    m_draggedItem = GetSelectedItem();
}

void CFerroRSTreeCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // Only a plain left-button drag carries the item; anything else ends the gesture.
    if (event->buttons() != Qt::LeftButton ||
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        m_pressed = false;
        return;
    }
    if ((event->position().toPoint() - m_pressPosition).manhattanLength() >=
        QApplication::startDragDistance()) {
        m_pressed = false;
        StartDrag();
    }
}

void CFerroRSTreeCtrl::mouseReleaseEvent(QMouseEvent* event) {
    m_pressed = false;
    QTreeWidget::mouseReleaseEvent(event);
}

void CFerroRSTreeCtrl::StartDrag() {
    auto* mime = new QMimeData;
    mime->setData(MimeType(), QByteArray());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    // Over an inventory (which takes the move) the cross-over cursor, over a yard
    // tree (which pretends to take a copy) the same-kind one; elsewhere no-drop.
    drag->setDragCursor(QIcon(QStringLiteral(":/icons/cursor/drag-crossover.svg")).pixmap(32, 32),
                        Qt::MoveAction);
    drag->setDragCursor(QIcon(QStringLiteral(":/icons/cursor/drag-samekind.svg")).pixmap(32, 32),
                        Qt::CopyAction);
    drag->setHotSpot(QPoint(0, 0));
    // The dragged item stays set until the inventory the drop landed on has it.
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}
