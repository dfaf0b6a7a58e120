#include "ui/quickfacts/ValueHistoryDialog.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "model/core/InventoryChange.h"
#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "model/quickfacts/QuickFactsReport.h"
#include "model/quickfacts/ValueOverTime.h"
#include "ui/common/HelpPage.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"

namespace {

QDate ToQDate(const CDate& date) {
    return QDate(date.year, date.month, date.day);
}

// Where a day stands on the time axis, which shows local times: its midnight.
qreal AxisPosition(const CDate& date) {
    return static_cast<qreal>(QDateTime(ToQDate(date), QTime(0, 0)).toMSecsSinceEpoch());
}

// A table cell holds one line; the copied text keeps one entry to a line.
QString OneLine(const std::string& bytes) {
    QString line = text::FromBytes(bytes);
    for (QChar& c : line) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return line;
}

} // namespace

CValueHistoryDialog::CValueHistoryDialog(CSidingWardDoc& document, CInventoryElement* item,
                                         CDocumentView* sender, CDate today, QWidget* parent)
    : QDialog(parent), m_document(document), m_item(item), m_sender(sender), m_today(today) {
    setWindowTitle(tr("Value History"));
    help::SetHelpPage(this, QStringLiteral("value-history.html#history"));
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_total = new QLineSeries(chart);
    m_total->setName(tr("Inventory"));
    chart->addSeries(m_total);
    auto* time = new QDateTimeAxis(chart);
    time->setFormat(QStringLiteral("yyyy-MM-dd"));
    auto* amount = new QValueAxis(chart);
    amount->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(amount, Qt::AlignLeft);
    m_total->attachAxis(time);
    m_total->attachAxis(amount);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(560, 300);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    help::AddHelpButton(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_item != nullptr) {
        m_itemLine = new QLineSeries(chart);
        m_itemLine->setName(OneLine(quickfacts::ItemHeadline(*m_item)).simplified());
        chart->addSeries(m_itemLine);
        m_itemLine->attachAxis(time);
        m_itemLine->attachAxis(amount);
        m_noHistory = new QLabel(tr("This item keeps no value history."));
        layout->addWidget(m_noHistory);
        m_table = new QTableWidget(0, 3);
        m_table->setHorizontalHeaderLabels({tr("Date"), tr("Value"), tr("Note")});
        m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        m_table->horizontalHeader()->setStretchLastSection(true);
        m_table->verticalHeader()->hide();
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
        layout->addWidget(m_table, 1);
        m_add = buttons->addButton(tr("Add Valuation..."), QDialogButtonBox::ActionRole);
        m_copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
        connect(m_add, &QPushButton::clicked, this, &CValueHistoryDialog::AskValuation);
        connect(m_copy, &QPushButton::clicked, this, &CValueHistoryDialog::CopyTable);
    }
    layout->addWidget(buttons);
    Refresh();
}

void CValueHistoryDialog::Refresh() {
    const CWaitCursor wait;
    QList<QPointF> totals;
    const std::vector<valuation::CTotalOnDate> points =
        valuation::TotalValueOverTime(m_document.GetItems());
    totals.reserve(static_cast<qsizetype>(points.size()));
    for (const valuation::CTotalOnDate& point : points)
        totals.append(QPointF(AxisPosition(point.date), static_cast<qreal>(point.total)));
    m_total->replace(totals);

    QList<QPointF> own;
    if (m_item != nullptr) {
        const valuehistory::Parsed history = valuehistory::Parse(m_item->GetReservedText1());
        const bool foreign = history.kind == valuehistory::Kind::Foreign;
        m_noHistory->setVisible(foreign);
        m_table->setVisible(!foreign);
        m_add->setEnabled(!foreign);
        m_copy->setEnabled(!history.entries.empty());
        m_table->setRowCount(static_cast<int>(history.entries.size()));
        int row = 0;
        for (const valuehistory::Entry& entry : history.entries) {
            m_table->setItem(row, 0,
                             new QTableWidgetItem(ToQDate(entry.date).toString(Qt::ISODate)));
            m_table->setItem(row, 1, new QTableWidgetItem(OneLine(entry.value)));
            m_table->setItem(row, 2, new QTableWidgetItem(OneLine(entry.note)));
            own.append(
                QPointF(AxisPosition(entry.date), static_cast<qreal>(AmountValue(entry.value))));
            ++row;
        }
        m_itemLine->replace(own);
    }

    // The axes span both lines; a single day is widened so that its point shows.
    QList<QPointF> all = totals + own;
    if (all.isEmpty())
        return;
    qreal first = all.front().x(), last = first, low = 0, high = 0;
    for (const QPointF& point : std::as_const(all)) {
        first = std::min(first, point.x());
        last = std::max(last, point.x());
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    constexpr qreal kDay = 24.0 * 60 * 60 * 1000;
    if (last - first < kDay) {
        first -= kDay;
        last += kDay;
    }
    QChart* chart = m_total->chart();
    chart->axes(Qt::Horizontal)
        .front()
        ->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(first)),
                   QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(last)));
    auto* amount = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
    amount->setRange(low, high > low ? high : low + 1);
    amount->applyNiceNumbers();
}

bool CValueHistoryDialog::AddValuation(CDate on, const std::string& value,
                                       const std::string& note) {
    // The item may have gone with an undo in another window while this one was open.
    if (m_item == nullptr || !m_document.ContainsItem(m_item))
        return false;
    CInventoryElement changed = *m_item;
    changed.SetCurrentValue(value);
    if (valuehistory::Record(changed, *m_item, on, note) != valuehistory::Outcome::Recorded)
        return false;
    m_document.Apply(CInventoryChange::Replace(QT_TRANSLATE_NOOP("Messages", "Add Valuation"),
                                               *m_item, std::move(changed)),
                     m_sender);
    Refresh();
    return true;
}

QString CValueHistoryDialog::TableText() const {
    // The same headings as the table's, for pasting into a spreadsheet.
    QString text = QStringList{tr("Date"), tr("Value"), tr("Note")}.join(u'\t') + u'\n';
    if (m_table == nullptr || m_table->isHidden())
        return text;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        text += m_table->item(row, 0)->text() + u'\t' + m_table->item(row, 1)->text() + u'\t' +
                m_table->item(row, 2)->text() + u'\n';
    }
    return text;
}

void CValueHistoryDialog::AskValuation() {
    CValuationDialog dialog(m_today, this);
    if (dialog.exec() == QDialog::Accepted)
        AddValuation(dialog.Date(), dialog.Value(), dialog.Note());
}

void CValueHistoryDialog::CopyTable() {
    QApplication::clipboard()->setText(TableText());
}

CValuationDialog::CValuationDialog(CDate today, QWidget* parent)
    : QDialog(parent), m_date(new QDateEdit(ToQDate(today))), m_value(new QLineEdit),
      m_note(new QLineEdit) {
    setWindowTitle(tr("Add Valuation"));
    help::SetHelpPage(this, QStringLiteral("value-history.html#add-valuation"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Date:"), m_date);
    form->addRow(tr("&Value:"), m_value);
    form->addRow(tr("&Note:"), m_note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto check = [this] {
        m_ok->setEnabled(!Value().empty() && text::ToBytes(m_note->text()).has_value());
    };
    connect(m_value, &QLineEdit::textChanged, this, check);
    connect(m_note, &QLineEdit::textChanged, this, check);
    check();
}

CDate CValuationDialog::Date() const {
    const QDate date = m_date->date();
    return {date.year(), date.month(), date.day()};
}

std::string CValuationDialog::Value() const {
    const std::optional<std::string> bytes = text::ToBytes(m_value->text().trimmed());
    return bytes ? PlainNumberAsMoney(*bytes).value_or(std::string()) : std::string();
}

std::string CValuationDialog::Note() const {
    return text::ToBytes(m_note->text()).value_or(std::string());
}
