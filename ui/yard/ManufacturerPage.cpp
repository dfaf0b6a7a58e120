#include "ui/yard/ManufacturerPage.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>
#include <QVBoxLayout>

#include "model/core/InventoryElement.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FindDialog.h"
#include "ui/common/MessageSink.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/yard/ManufacturerProductModel.h"

namespace {
// Attribute and pixel width of each column.
constexpr std::array<Attribute, CManufacturerProductModel::kColumns> kColumnAttributes = {
    Attribute::ItemNumber, Attribute::BodyClassification, Attribute::RoadName,
    Attribute::PaintScheme, Attribute::Scale};
constexpr std::array<int, CManufacturerProductModel::kColumns> kColumnWidths = {100, 200, 150, 100,
                                                                                50};
} // namespace

CManufacturerPage::CManufacturerPage(const CManufacturer& manufacturer,
                                     const CClassificationDoc& yard, CMessageSink& messages,
                                     QWidget* parent)
    : QWidget(parent), m_manufacturer(manufacturer), m_yard(yard), m_messages(messages) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("products"));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::NoContextMenu);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    m_list->viewport()->installEventFilter(this);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CManufacturerPage::SortColumn);
    layout->addWidget(m_list);
}

void CManufacturerPage::EnsureRows() {
    if (m_model != nullptr)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::array<QString, CManufacturerProductModel::kColumns> headers;
    for (std::size_t column = 0; column < headers.size(); ++column)
        headers[column] =
            shownheadings::Shown(static_cast<int>(kColumnAttributes[column]),
                                 m_yard.GetHeading(static_cast<int>(kColumnAttributes[column])));
    m_model = new CManufacturerProductModel(m_manufacturer, std::move(headers), this);
    m_list->setModel(m_model);
    for (int column = 0; column < CManufacturerProductModel::kColumns; ++column)
        m_list->setColumnWidth(column, kColumnWidths[static_cast<std::size_t>(column)]);
    QApplication::restoreOverrideCursor();
}

void CManufacturerPage::showEvent(QShowEvent* event) {
    EnsureRows();
    QWidget::showEvent(event);
}

void CManufacturerPage::SortColumn(int column) {
    EnsureRows();
    if (column < 0 || column >= CManufacturerProductModel::kColumns)
        return;
    bool& descending = m_descendingNext[static_cast<std::size_t>(column)];
    m_model->SortByColumn(column, descending);
    descending = !descending;
    if (m_list->currentIndex().isValid())
        m_list->scrollTo(m_list->currentIndex());
}

void CManufacturerPage::TakeSelection() {
    if (m_model == nullptr)
        return;
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    m_chosen =
        CManufacturerChoice{m_manufacturer.GetName(), m_model->ProductAt(selected.front().row())};
}

void CManufacturerPage::SelectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    m_list->scrollTo(index);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
}

void CManufacturerPage::contextMenuEvent(QContextMenuEvent* event) {
    EnsureRows();
    QMenu menu(tr("Manufacturer"), this);
    QAction* find = menu.addAction(tr("&Find"));
    find->setEnabled(m_model->rowCount() > 0);
    connect(find, &QAction::triggered, this, &CManufacturerPage::Find);
    menu.exec(event->globalPos());
}

bool CManufacturerPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress &&
        m_model != nullptr && m_model->rowCount() > 0) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton && !m_list->indexAt(at).isValid()) {
            // Beside a row's cells: that row. Below the last row: the last row that
            // can be seen.
            const QModelIndex sameRow = m_list->indexAt(QPoint(1, at.y()));
            const QModelIndex bottom = m_list->indexAt(QPoint(1, m_list->viewport()->height() - 1));
            SelectRow(sameRow.isValid()  ? sameRow.row()
                      : bottom.isValid() ? bottom.row()
                                         : m_model->rowCount() - 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CManufacturerPage::Find() {
    EnsureRows();
    if (m_model->rowCount() == 0)
        return;
    if (const auto request = CFindDialog::Run(this, m_searchHistory, m_messages))
        Search(request->text, request->matchCase, request->findNext);
}

void CManufacturerPage::Search(const std::string& text, bool matchCase, bool findNext) {
    EnsureRows();
    int start = 0;
    if (findNext) {
        const QModelIndexList selected = m_list->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            start = selected.front().row() + 1;
        else if (m_list->currentIndex().isValid())
            start = m_list->currentIndex().row() + 1;
    }
    const QString what = text::FromBytes(text);
    for (int row = start; row < m_model->rowCount(); ++row) {
        const CManufacturerProduct& product = m_model->ProductAt(row);
        for (int column = 0; column < CManufacturerProductModel::kColumns; ++column) {
            if (CFindDialog::Contains(
                    text::FromBytes(CManufacturerProductModel::Field(product, column)), what,
                    matchCase)) {
                SelectRow(row);
                m_list->setFocus();
                return;
            }
        }
    }
    m_messages.Show(this, {tr("Search to end of manufacturer list.\n"
                              "The specified text was not found!"),
                           captions::SearchResult(), MessageIcon::Warning, MessageButtons::Ok});
}
