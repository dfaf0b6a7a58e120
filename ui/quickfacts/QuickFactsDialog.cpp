#include "ui/quickfacts/QuickFactsDialog.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/core/InventoryReport.h"
#include "model/framework/Clock.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/LocalDates.h"
#include "ui/common/MessageSink.h"
#include "ui/common/PrintFont.h"
#include "ui/common/PrintMargins.h"
#include "ui/common/PrintToFile.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/quickfacts/BreakdownChart.h"

namespace {

// A report's title or column heading with the headings in it (its verbatim parts) as
// the program shows headings: a default heading in the program's language.
CUserText WithShownHeadings(CUserText text) {
    if (text.verbatim) {
        for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
            std::string shown = shownheadings::ShownBytes(attribute, text.pattern);
            if (shown != text.pattern)
                return CUserText::Verbatim(std::move(shown));
        }
        return text;
    }
    for (CUserText& part : text.args)
        part = WithShownHeadings(std::move(part));
    return text;
}

} // namespace

CQuickFactsDialog::CQuickFactsDialog(CBreakdownTable table, PrinterSource printer,
                                     const CClock& clock, QWidget* parent)
    : QDialog(parent), m_table(std::move(table)), m_printer(std::move(printer)), m_clock(clock),
      m_dialog([](QWidget* parent, QPrinter& printer) {
          QPrintDialog dialog(&printer, parent);
          help::SetHelpPage(&dialog, QStringLiteral("printing.html#print"));
          return dialog.exec() == QDialog::Accepted;
      }),
      m_list(new QTreeWidget(this)), m_chart(new CBreakdownChart(this)),
      m_pie(new QRadioButton(tr("Pie"), this)) {
    setWindowTitle(
        UserMessage(WithShownHeadings(m_table.GetUserTitle()), MessageBytes::Windows1252));
    help::SetHelpPage(this, QStringLiteral("quick-facts.html#breakdowns"));
    m_list->setObjectName(QStringLiteral("rows"));
    m_list->setRootIsDecorated(false);
    m_list->setSortingEnabled(false);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({UserMessage(WithShownHeadings(m_table.GetUserColumnHeadings()[0]),
                                         MessageBytes::Windows1252),
                             UserMessage(WithShownHeadings(m_table.GetUserColumnHeadings()[1]),
                                         MessageBytes::Windows1252)});
    m_list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    // The kind's widths are in dialog units of about a quarter character.
    const int character = m_list->fontMetrics().averageCharWidth();
    for (int column = 0; column < 2; ++column)
        m_list->setColumnWidth(column, m_table.GetColumnWidth(column) * character / 4);
    m_list->header()->setSectionsClickable(true);
    // Both columns stay in view beside the chart.
    m_list->setMinimumWidth(m_list->columnWidth(0) + m_list->columnWidth(1) +
                            m_list->verticalScrollBar()->sizeHint().width() +
                            2 * m_list->frameWidth() + 4);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CQuickFactsDialog::SortByColumn);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    QPushButton* print = buttons->addButton(tr("Print"), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("print"));
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, &CQuickFactsDialog::Print);
    connect(copy, &QPushButton::clicked, this, &CQuickFactsDialog::Copy);

    auto* bars = new QRadioButton(tr("Bars"), this);
    bars->setChecked(true);
    m_pie->setObjectName(QStringLiteral("pie"));
    connect(m_pie, &QRadioButton::toggled, m_chart, &CBreakdownChart::SetPie);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(bars);
    kinds->addWidget(m_pie);
    kinds->addStretch();
    auto* chart = new QVBoxLayout;
    chart->addWidget(m_chart);
    chart->addLayout(kinds);
    auto* panes = new QHBoxLayout;
    panes->addWidget(m_list);
    panes->addLayout(chart, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(buttons);
    resize(std::max(420, m_list->columnWidth(0) + m_list->columnWidth(1) + 60) + 480, 460);
    Fill();
}

void CQuickFactsDialog::Fill() {
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const CQuickFactsRow& row : m_table.GetRows()) {
        auto* item = new QTreeWidgetItem({text::FromBytes(row.key), text::FromBytes(row.value)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_chart->SetRows(m_table.GetRows());
}

void CQuickFactsDialog::SortByColumn(int column) {
    m_table.SortByColumn(column);
    Fill();
}

QString CQuickFactsDialog::CopyText() const {
    const auto& headings = m_table.GetColumnHeadings();
    QString text = text::FromBytes(headings[0]) + u'\t' + text::FromBytes(headings[1]) + u'\n';
    for (const CQuickFactsRow& row : m_table.GetRows())
        text += text::FromBytes(row.key) + u'\t' + text::FromBytes(row.value).trimmed() + u'\n';
    return text;
}

void CQuickFactsDialog::Copy() {
    QApplication::clipboard()->setText(CopyText());
}

void CQuickFactsDialog::Print() {
    QPrinter& printer = m_printer();
    if (!m_dialog(this, printer))
        return;
    const printtofile::Outcome printed =
        printtofile::Print(printer, [this](QPrinter& target) { return PrintTo(target); });
    if (!printed.file.Succeeded() && m_messages)
        m_messages->Show(this, {UserMessage(printed.file), captions::Error(), MessageIcon::Critical,
                                MessageButtons::Ok});
}

bool CQuickFactsDialog::PrintTo(QPrinter& printer) const {
    // The job is named after the report, not "test".
    printer.setDocName(
        UserMessage(WithShownHeadings(m_table.GetUserTitle()), MessageBytes::Windows1252));
    printmargins::Apply(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The rows are padded to their widths, so the values line up only in a
    // fixed-pitch font; the page is measured in its characters.
    painter.setFont(FixedPrintFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal line = metrics.lineSpacing();
    const qreal bottom = printer.pageRect(QPrinter::DevicePixel).height();
    const qreal advance = std::max<qreal>(metrics.horizontalAdvance(QLatin1Char('0')), 1);
    const auto columns = static_cast<std::size_t>(
        std::max(1.0, std::floor(printer.pageRect(QPrinter::DevicePixel).width() / advance)));
    qreal y = 0;
    const auto draw = [&](const std::string& text) {
        for (const std::string& part : inventoryreport::Wrap(text, columns)) {
            painter.drawText(QPointF(0, y + metrics.ascent()), text::FromBytes(part));
            y += line;
        }
    };
    // The page is drawn from the file's bytes; a translation they cannot hold prints
    // in English.
    const auto bytes = [](const CUserText& text, const std::string& english) {
        return text::ToBytes(UserMessage(text, MessageBytes::Windows1252)).value_or(english);
    };
    const auto& headings = m_table.GetUserColumnHeadings();
    const std::string header =
        bytes(WithShownHeadings(headings[0]), m_table.GetColumnHeadings()[0]) + ' ' +
        bytes(WithShownHeadings(headings[1]), m_table.GetColumnHeadings()[1]) + ' ';
    const auto drawHeader = [&] {
        draw(header);
        y += line;
    };
    draw(bytes(WithShownHeadings(m_table.GetUserTitle()), m_table.GetTitle()));
    draw(localdates::DayBytes(m_clock.Today()));
    y += line;
    drawHeader();
    for (const std::string& row : m_table.GetPrintLines(columns)) {
        if (y + line > bottom) {
            printer.newPage();
            y = 0;
            drawHeader();
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), text::FromBytes(row));
        y += line;
    }
    // Then the chart as it is shown, across the page: below the rows when it has
    // room there, else on a page of its own.
    QChartView* chart = m_chart->View();
    const qreal width = printer.pageRect(QPrinter::DevicePixel).width();
    const qreal height = width * chart->height() / std::max(chart->width(), 1);
    y += line;
    if (y + height > bottom) {
        printer.newPage();
        y = 0;
    }
    chart->render(&painter, QRectF(0, y, width, bottom - y), chart->rect(), Qt::KeepAspectRatio);
    return painter.end();
}
