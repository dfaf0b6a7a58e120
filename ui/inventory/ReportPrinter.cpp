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
    // Tab stops every eighth average character width. Qt scales the distance it is
    // given by the device's resolution over the screen's, so the distance asked
    // for is what a probe shows it must be.
    const qreal stop = 8 * QFontMetricsF(m_font, &device).averageCharWidth();
    m_option.setTabStopDistance(stop);
    const qreal applied = Layout(QStringLiteral("\tx"), false)->lineAt(0).cursorToX(1);
    if (applied > 0)
        m_option.setTabStopDistance(stop * stop / applied);

    const qreal s =
        Layout(QStringLiteral("Just a single line test"), true)->boundingRect().height();
    qreal h = 0;
    for (const std::string& line : m_report.itemLines)
        h = std::max(h, Layout(text::FromBytes(line), true)->boundingRect().height());
    const qreal room = page.height() - 3 * s - 2 * h;
    const int fitting = room > 0 && h + s > 0 ? static_cast<int>(room / (h + s)) : 0;
    m_itemsPerPage = std::max(fitting, 1);
    m_pages.clear();
    const std::size_t count = m_report.itemLines.size();
    if (fitting >= 1 || count == 0) {
        const int pages = inventoryreport::PageCount(count, m_itemsPerPage);
        const auto perPage = static_cast<std::size_t>(m_itemsPerPage);
        for (int p = 0; p < pages; ++p) {
            Page part{{{kHeadingBlock}}};
            const std::size_t first = static_cast<std::size_t>(p) * perPage;
            for (std::size_t item = first; item < std::min(count, first + perPage); ++item)
                part.pieces.push_back({static_cast<long>(item)});
            m_pages.push_back(std::move(part));
        }
        return PageCount();
    }
    // Lines so long that one of them does not fit on a page would lose their end
    // below the page: the heading line and the item lines then run on from page to
    // page, each followed by an empty line, below each page's title.
    const qreal titleHeight =
        Layout(QString::fromStdString(inventoryreport::TitleLine(m_date, 1)), false)
            ->boundingRect()
            .height();
    const qreal below = page.height() - 2 * titleHeight;
    m_pages.push_back({});
    qreal y = 0;
    for (long block = kHeadingBlock; block < static_cast<long>(count); ++block) {
        const std::unique_ptr<QTextLayout> layout = Layout(BlockText(block), true);
        int first = 0;
        while (first < layout->lineCount()) {
            const qreal top = layout->lineAt(first).y();
            int end = first;
            while (end < layout->lineCount() &&
                   y + layout->lineAt(end).y() + layout->lineAt(end).height() - top <= below)
                ++end;
            // At least one line a page, however little room there is.
            if (end == first && m_pages.back().pieces.empty())
                ++end;
            if (end > first) {
                m_pages.back().pieces.push_back({block, first, end});
                const QTextLine last = layout->lineAt(end - 1);
                y += last.y() + last.height() - top;
                first = end;
            }
            if (first < layout->lineCount()) {
                m_pages.push_back({});
                y = 0;
            }
        }
        y += s;
    }
    return PageCount();
}

QString CReportPrinter::BlockText(long block) const {
    return text::FromBytes(block == kHeadingBlock
                               ? m_report.headingLine
                               : m_report.itemLines[static_cast<std::size_t>(block)]);
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
    painter.setFont(m_font);
    const qreal s =
        Layout(QStringLiteral("Just a single line test"), true)->boundingRect().height();
    qreal y = 0;
    const std::unique_ptr<QTextLayout> title =
        Layout(QString::fromStdString(inventoryreport::TitleLine(m_date, page)), false);
    DrawLines(painter, *title, y, 0, -1);
    y = 2 * title->boundingRect().height(); // the title line and one empty line
    for (const Piece& piece : m_pages[static_cast<std::size_t>(page - 1)].pieces) {
        const std::unique_ptr<QTextLayout> layout = Layout(BlockText(piece.block), true);
        DrawLines(painter, *layout, y, piece.firstLine, piece.endLine);
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
