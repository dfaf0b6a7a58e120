#include "ui/inventory/ReportPrinter.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include "ui/common/Text.h"

namespace {

constexpr int kReportPointSize = 12;

} // namespace

CReportPrinter::CReportPrinter(CInventoryReport report, CDate date)
    : m_report(std::move(report)), m_date(date) {}

CReportPrinter::~CReportPrinter() = default;

QFont CReportPrinter::ReportFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kReportPointSize);
    font.setFixedPitch(true);
    return font;
}

std::unique_ptr<QTextLayout> CReportPrinter::Layout(const QString& text, bool wrap) const {
    auto layout = std::make_unique<QTextLayout>(text, m_font, m_device);
    QTextOption option = m_option;
    if (!wrap)
        option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    qreal y = 0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(m_width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

int CReportPrinter::LayOut(QPrinter& printer) {
    return LayOut(printer, printer.pageRect(QPrinter::DevicePixel).size());
}

int CReportPrinter::LayOut(QPaintDevice& device, const QSizeF& page) {
    m_device = &device;
    m_font = ReportFont();
    m_width = page.width();
    m_option = QTextOption();
    m_option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_option.setTabStopDistance(8 * QFontMetricsF(m_font, &device).averageCharWidth());

    const qreal s =
        Layout(QStringLiteral("Just a single line test"), true)->boundingRect().height();
    qreal h = 0;
    std::vector<qreal> heights;
    heights.reserve(m_report.itemLines.size());
    for (const std::string& line : m_report.itemLines) {
        heights.push_back(Layout(text::FromBytes(line), true)->boundingRect().height());
        h = std::max(h, heights.back());
    }
    const qreal room = page.height() - 3 * s - 2 * h;
    const int fitting = room > 0 && h + s > 0 ? static_cast<int>(room / (h + s)) : 0;
    m_itemsPerPage = std::max(fitting, 1);
    m_pages.clear();
    const std::size_t count = m_report.itemLines.size();
    if (fitting >= 1 || count == 0) {
        const int pages = inventoryreport::PageCount(count, m_itemsPerPage);
        const auto perPage = static_cast<std::size_t>(m_itemsPerPage);
        for (int p = 0; p < pages; ++p) {
            const std::size_t first = static_cast<std::size_t>(p) * perPage;
            m_pages.push_back({first, std::min(perPage, count - std::min(count, first))});
        }
        return PageCount();
    }
    // An item line taller than a page would lose its end below the page: one item
    // a page, and a line that still does not fit goes on over the next pages.
    const qreal heading =
        Layout(text::FromBytes(m_report.headingLine), true)->boundingRect().height();
    const qreal below = page.height() - 2 * s - heading - s;
    for (std::size_t item = 0; item < count; ++item) {
        const std::unique_ptr<QTextLayout> layout =
            Layout(text::FromBytes(m_report.itemLines[item]), true);
        int first = 0;
        while (first < layout->lineCount()) {
            int end = first;
            const qreal top = layout->lineAt(first).y();
            // At least one line a page, however little room there is.
            do {
                ++end;
            } while (end < layout->lineCount() &&
                     layout->lineAt(end).y() + layout->lineAt(end).height() - top <= below);
            m_pages.push_back({item, 1, first, end});
            first = end;
        }
        if (layout->lineCount() == 0)
            m_pages.push_back({item, 1});
    }
    return PageCount();
}

void CReportPrinter::DrawLines(QPainter& painter, QTextLayout& layout, qreal& y, int first,
                               int end) const {
    if (end < 0)
        end = layout.lineCount();
    if (first >= end)
        return;
    const qreal top = layout.lineAt(first).y();
    for (int k = first; k < end; ++k)
        layout.lineAt(k).draw(&painter, QPointF(0, y - top));
    const QTextLine last = layout.lineAt(end - 1);
    y += last.y() + last.height() - top;
}

void CReportPrinter::DrawPage(QPainter& painter, int page) {
    if (page < 1 || page > PageCount())
        return;
    const Page& part = m_pages[static_cast<std::size_t>(page - 1)];
    painter.setFont(m_font);
    const qreal s =
        Layout(QStringLiteral("Just a single line test"), true)->boundingRect().height();
    qreal y = 0;
    const std::unique_ptr<QTextLayout> title =
        Layout(QString::fromStdString(inventoryreport::TitleLine(m_date, page)), false);
    const qreal titleHeight = title->boundingRect().height();
    DrawLines(painter, *title, y, 0, -1);
    y = 2 * titleHeight; // the title line and one empty line
    const std::unique_ptr<QTextLayout> heading =
        Layout(text::FromBytes(m_report.headingLine), true);
    DrawLines(painter, *heading, y, 0, -1);
    y += s;
    for (std::size_t k = 0; k < part.itemCount; ++k) {
        const std::unique_ptr<QTextLayout> line =
            Layout(text::FromBytes(m_report.itemLines[part.firstItem + k]), true);
        DrawLines(painter, *line, y, part.firstLine, part.endLine);
        y += s;
    }
}

bool CReportPrinter::Print(QPrinter& printer) {
    LayOut(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    int from = printer.fromPage();
    int to = printer.toPage();
    if (from == 0 && to == 0) {
        from = 1;
        to = PageCount();
    }
    from = std::max(from, 1);
    to = std::min(to, PageCount());
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        DrawPage(painter, page);
    }
    return painter.end();
}
