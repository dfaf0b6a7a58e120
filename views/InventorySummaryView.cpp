#include "views/InventorySummaryView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "core/SidingWardDoc.h"
#include "framework/CommandIds.h"
#include "framework/CommandUpdate.h"
#include "framework/MessageSink.h"
#include "framework/Text.h"
#include "yard/FerroRSTreeCtrl.h"
#include "yard/YardMessageEvent.h"

CInventorySummaryView::CInventorySummaryView(CSidingWardDoc& document, QWidget* yardView,
                                             CMessageSink& messages, QWidget* parent)
    : QWidget(parent), m_document(document), m_yardView(yardView), m_messages(messages),
      m_title(new QLabel(this)), m_count(new QLabel(this)) {
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_count);
    layout->addStretch();
    m_document.AddView(this);
    Refresh();
}

CInventorySummaryView::~CInventorySummaryView() {
    m_document.RemoveView(this);
    // The yard forgets an inventory whose last view goes away.
    if (m_registered && m_document.GetViewCount() == 0 && m_yardView) {
        CYardMessageEvent unregister = CYardMessageEvent::Unregister(&m_document);
        QCoreApplication::sendEvent(m_yardView, &unregister);
    }
}

QString CInventorySummaryView::CountText() const {
    const int count = m_document.GetItemCount();
    return count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count);
}

void CInventorySummaryView::Refresh() {
    m_title->setText(text::FromBytes(m_document.GetTitle()));
    m_count->setText(CountText());
}

void CInventorySummaryView::OnDocumentUpdate(CDocumentView*, int) {
    Refresh();
}

void CInventorySummaryView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_registered && m_yardView) {
        CYardMessageEvent registration = CYardMessageEvent::Register(&m_document);
        QCoreApplication::sendEvent(m_yardView, &registration);
        m_registered = true;
    }
}

bool CInventorySummaryView::event(QEvent* event) {
    if (!CYardMessageEvent::IsYardMessage(event->type()))
        return QWidget::event(event);
    auto* message = static_cast<CYardMessageEvent*>(event);
    switch (message->Message()) {
    case YM_SEND_TO_INVENTORY:
        TakeFromYard(message->tree, false);
        return true;
    case YM_YARD_DROP:
        TakeFromYard(message->tree, true);
        return true;
    case YM_REDISPLAY:
        Refresh();
        return true;
    default:
        return QWidget::event(event);
    }
}

void CInventorySummaryView::TakeFromYard(QWidget* yardTree, bool dropped) {
    auto* tree = qobject_cast<CFerroRSTreeCtrl*>(yardTree);
    if (!tree)
        return;
    if (dropped && !tree->GetDraggedItem())
        return;
    bool refused = false;
    if (tree->IsTakenFromInventory()) {
        if (tree->GetTakenFromDocument() == &m_document) {
            m_document.MarkModified(nullptr);
        } else {
            m_messages.Show(this,
                            {QStringLiteral("The finished rolling stock originated in another "
                                            "inventory file and cannot be added here!"),
                             QStringLiteral("Gaugewright Error"), MessageIcon::Critical,
                             MessageButtons::Ok});
            refused = true;
        }
    } else if (auto item = tree->ReleaseItem()) {
        m_document.AddItem(std::move(item), nullptr);
    } else {
        refused = true;
    }
    Refresh();
    CYardMessageEvent answer = CYardMessageEvent::DropResult(refused);
    QCoreApplication::sendEvent(tree, &answer);
}

bool CInventorySummaryView::HandlesCommand(int id) const {
    return id == CommandId::BuildItem && m_yardView != nullptr;
}

void CInventorySummaryView::OnCommand(int id) {
    if (id == CommandId::BuildItem && m_yardView) {
        CYardMessageEvent start = CYardMessageEvent::StartBuild();
        QCoreApplication::sendEvent(m_yardView, &start);
    }
}

void CInventorySummaryView::OnUpdateCommand(int id, CCommandUpdate& update) {
    if (id == CommandId::BuildItem)
        update.Enable(m_yardView != nullptr);
}
