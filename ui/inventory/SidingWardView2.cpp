#include "ui/inventory/SidingWardView2.h"

#include <algorithm>
#include <optional>

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "model/core/ItemList.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/InventoryCommands.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/inventory/SidingWardView.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumnWidth = 150;
// The list keeps this much room to the right and bottom edges of the view.
constexpr int kListMargin = 20;
constexpr int kListCorner = 7;
// The pictures are shown at half their stored size: a row of the list still
// shows a few attributes' text beside a recognisable picture.
constexpr int kPictureSize = 64;
constexpr int kPicturePadding = 4;

} // namespace

CSidingWardView2::CSidingWardView2(CSidingWardDoc& document, CInventoryViewServices services,
                                   QWidget* parent)
    : QWidget(parent), m_document(document), m_services(std::move(services)),
      m_model(new CInventoryListModel(document, this)), m_filter(new QLineEdit(this)),
      m_count(new QLabel(this)), m_list(new QTableView(this)),
      m_yardLink(document, m_services.findYard, m_services.messages,
                 [this] { return Today(m_services); }) {
    help::SetHelpPage(this, QStringLiteral("inventory-list.html#list"));
    m_shownColumns.fill(true);
    m_sortDirection.fill(1);
    CreateControls();
    m_document.AddView(this);
}

CSidingWardView2::~CSidingWardView2() {
    m_yardLink.UnregisterIfLast();
    m_document.RemoveView(this);
    // Under the title the inventory has now (Save As may have renamed it).
    if (m_initialized && m_services.thumbnails != nullptr)
        m_services.settings.SetListShowsPictures(text::FromBytes(m_document.GetTitle()),
                                                 m_showPictures);
}

void CSidingWardView2::CreateControls() {
    m_filter->setObjectName(u"filter"_s);
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setToolTip(tr("Show only the items whose shown cells hold this text (Ctrl+L)"));
    m_filter->installEventFilter(this);
    m_count->setObjectName(u"count"_s);
    m_list->setObjectName(u"list"_s);
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    // Rows of one height: the view need not measure 65535 of them.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    // The selection stays visible while another window has the focus.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    m_list->viewport()->installEventFilter(this);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CSidingWardView2::SortByColumn);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CSidingWardView2::CommandsChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSidingWardView2::CommandsChanged);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        const CInventoryElement* selected = CurrentItem();
        m_model->SetFilter(text);
        const int row = m_model->RowOf(selected);
        SelectRow(row >= 0 ? row : 0);
        m_count->setText(CountText());
        CommandsChanged();
    });
    auto* focusFilter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    focusFilter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(focusFilter, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(m_filter, 1);
    top->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kListCorner, kListCorner, kListMargin, kListMargin);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    resize(kColumnWidth * 4, 360);
}

void CSidingWardView2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_initialized)
        OnInitialUpdate();
}

void CSidingWardView2::OnInitialUpdate() {
    m_showPictures = m_services.thumbnails != nullptr &&
                     m_services.settings.ListShowsPictures(text::FromBytes(m_document.GetTitle()));
    ApplyPictures();
    Rebuild();
    m_initialized = true;
    m_yardLink.Register(this);
}

QString CSidingWardView2::CountText() const {
    return tr("%1 of %2 items").arg(m_model->rowCount()).arg(m_document.GetItemCount());
}

void CSidingWardView2::ShowPictures(bool shown) {
    if (m_services.thumbnails == nullptr || shown == m_showPictures)
        return;
    m_showPictures = shown;
    const CInventoryElement* selected = CurrentItem();
    ApplyPictures();
    SelectItem(selected);
    m_services.settings.SetListShowsPictures(text::FromBytes(m_document.GetTitle()), shown);
    CommandsChanged();
}

void CSidingWardView2::ApplyPictures() {
    m_model->SetPictures(m_showPictures ? m_services.thumbnails : nullptr);
    const int textHeight = m_list->fontMetrics().height() + 4;
    m_list->setIconSize(m_showPictures ? QSize(kPictureSize, kPictureSize) : QSize());
    m_list->verticalHeader()->setDefaultSectionSize(
        m_showPictures ? std::max(textHeight, kPictureSize + kPicturePadding) : textHeight);
    if (m_showPictures)
        m_list->horizontalHeader()->resizeSection(0, kPictureSize + 2 * kPicturePadding);
}

void CSidingWardView2::Rebuild() {
    m_model->Rebuild(m_shownColumns);
    if (m_showPictures)
        m_list->horizontalHeader()->resizeSection(0, kPictureSize + 2 * kPicturePadding);
    m_list->horizontalHeader()->setSortIndicatorShown(false);
    // Back to the list's origin: the first row and the first column.
    m_list->scrollToTop();
    m_list->horizontalScrollBar()->setValue(0);
    SelectRow(0);
    m_count->setText(CountText());
}

void CSidingWardView2::SelectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    // Up and down to the row, but the columns in sight stay where the user put them.
    QScrollBar* across = m_list->horizontalScrollBar();
    const int left = across->value();
    m_list->scrollTo(index);
    across->setValue(left);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
}

void CSidingWardView2::SelectItem(const CInventoryElement* item) {
    const int row = m_model->RowOf(item);
    if (row >= 0)
        SelectRow(row);
}

int CSidingWardView2::CurrentRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        return selected.first().row();
    const QModelIndex focused = m_list->currentIndex();
    return focused.isValid() ? focused.row() : -1;
}

CInventoryElement* CSidingWardView2::CurrentItem() const {
    return m_model->ItemAt(CurrentRow());
}

void CSidingWardView2::SortByColumn(int column) {
    const int attribute = m_model->AttributeOf(column);
    if (attribute < 0)
        return;
    int& direction = m_sortDirection[static_cast<std::size_t>(attribute)];
    const bool descending = direction == 1;
    direction = descending ? 0 : 1;
    const CInventoryElement* selected = CurrentItem();
    {
        CWaitCursor wait;
        m_model->SortByColumn(column, descending);
    }
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder
                                                                    : Qt::AscendingOrder);
    const int row = m_model->RowOf(selected);
    SelectRow(row >= 0 ? row : 0);
}

int CSidingWardView2::Search(const std::string& text, bool matchCase, bool findNext) {
    std::optional<std::size_t> found;
    {
        CWaitCursor wait;
        const int current = CurrentRow();
        const std::size_t start =
            findNext && current >= 0 ? static_cast<std::size_t>(current) + 1 : 0;
        found =
            itemlist::Find(m_model->ShownItems(), m_model->Attributes(), start, text, matchCase);
    }
    if (!found) {
        m_services.messages.Show(
            this, {tr("Search to end of inventory list.\nThe specified text was not found!"),
                   tr("Gaugewright Search Result"), MessageIcon::Warning, MessageButtons::Ok});
        return -1;
    }
    SelectItem(m_model->ShownItems()[*found]);
    return static_cast<int>(*found);
}

void CSidingWardView2::RunInventoryDetails() {
    CInventoryDetailsDialog::Headings headings;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] = m_model->Heading(attribute);
    CInventoryDetailsDialog dialog(m_shownColumns, headings, m_services.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_shownColumns = dialog.GetFlags();
    CWaitCursor wait;
    Rebuild();
}

void CSidingWardView2::OnItemsLeaving(std::span<CInventoryElement* const> items) {
    m_yardLink.Forget(items);
}

void CSidingWardView2::OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) {
    if (!m_initialized)
        return;
    const bool here = origin == this;
    switch (update.kind) {
    case ItemsUpdateKind::AllReplaced: {
        CWaitCursor wait;
        Rebuild();
        break;
    }
    case ItemsUpdateKind::Inserted:
        for (std::size_t k = 0; k < update.items.size(); ++k)
            m_model->InsertRow(update.items[k], update.positions[k]);
        break;
    case ItemsUpdateKind::Removed: {
        const int current = CurrentRow();
        const CInventoryElement* selected = CurrentItem();
        for (const CInventoryElement* item : update.items)
            m_model->RemoveRow(item);
        // The selection went with its row: the row that took its place takes it.
        if (selected != nullptr && m_model->RowOf(selected) < 0 && m_model->rowCount() > 0)
            SelectRow(std::min(current, m_model->rowCount() - 1));
        break;
    }
    case ItemsUpdateKind::Changed:
        for (CInventoryElement* item : update.items) {
            const int row = m_model->RowOf(item);
            if (!here || update.replay) {
                m_model->RefreshRow(item);
            } else if (m_model->MoveRowToEnd(item) < 0 && m_model->rowCount() > 0) {
                // Hidden by the filter now: the selection goes to the row that took its
                // place, never to a row the user did not choose.
                SelectRow(std::min(std::max(row, 0), m_model->rowCount() - 1));
            }
        }
        break;
    }
    if (here && update.focus != nullptr)
        SelectItem(update.focus);
    UpdateCount();
    CommandsChanged();
}

const CInventoryWindowTraits& CSidingWardView2::Traits() const {
    static const CInventoryWindowTraits traits{.deleteAll = false,
                                               .editSounds = false,
                                               .expands = false,
                                               // The headers sort the list.
                                               .sortsFromMenu = false,
                                               .pictures = true};
    return traits;
}

EditSelection CSidingWardView2::Selection() const {
    return CurrentItem() != nullptr ? EditSelection::Item : EditSelection::None;
}

QString CSidingWardView2::ItemLabel(const CInventoryElement& item) const {
    return m_model
        ->data(m_model->index(m_model->RowOf(&item), m_model->FirstAttributeColumn()),
               Qt::DisplayRole)
        .toString();
}

std::vector<CInventoryElement*> CSidingWardView2::ItemsInViewOrder() const {
    return m_model->ShownItems();
}

void CSidingWardView2::UpdateCount() {
    m_count->setText(CountText());
}

void CSidingWardView2::FindText(const std::string& text, bool matchCase, bool findNext) {
    Search(text, matchCase, findNext);
}

bool CSidingWardView2::HandlesCommand(int id) const {
    return inventorycommands::Handles(id);
}

void CSidingWardView2::OnUpdateCommand(int id, CCommandUpdate& update) {
    inventorycommands::Update(*this, id, update);
}

void CSidingWardView2::OnCommand(int id) {
    inventorycommands::Run(*this, id);
}

void CSidingWardView2::CommandsChanged() {
    if (m_actions)
        m_actions->UpdateAll();
}

YardItemAnswer CSidingWardView2::TakeFinishedItem(const CYardItem& item) {
    const YardItemAnswer answer = CInventoryEditCommands(*this).TakeFromYard(item);
    CommandsChanged();
    return answer;
}

void CSidingWardView2::RedisplayHeadings() {
    CWaitCursor wait;
    Rebuild();
    // The headings changed, and with them the menu texts.
    CommandsChanged();
}

bool CSidingWardView2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !m_filter->text().isEmpty()) {
        m_filter->clear();
        return true;
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        SelectRowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSidingWardView2::SelectRowAt(int y) {
    int row = m_list->rowAt(y);
    if (row < 0) {
        // Below the last row: the last row that is visible.
        row = m_list->rowAt(m_list->viewport()->height() - 1);
        if (row < 0)
            row = m_model->rowCount() - 1;
    }
    SelectRow(row);
}

void CSidingWardView2::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions != nullptr)
        m_actions->ExecContextMenu(CSidingWardView::ContextMenuLayout(), event->globalPos(), this);
}
