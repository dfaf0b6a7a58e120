#include "ui/inventory/ReportPrinter.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "ui/common/LocalDates.h"
#include "ui/common/PrintFont.h"
#include "ui/common/PrintMargins.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"

namespace {

// The title line's words in the program's language, as the report's bytes can hold
// them; English where they cannot.
inventoryreport::TitleWords TitleWords() {
    const auto bytes = [](const QString& text, std::string english) {
        return text::ToBytes(text).value_or(std::move(english));
    };
    const inventoryreport::TitleWords english;
    return {bytes(QCoreApplication::translate("CReportPrinter", "Date:"), english.date),
            bytes(QCoreApplication::translate("CReportPrinter", "The Gaugewright Inventory Report"),
                  english.report),
            bytes(QCoreApplication::translate("CReportPrinter", "Page:"), english.page)};
}

} // namespace

CReportPrinter::CReportPrinter(const CSidingWardDoc& document, inventoryreport::ColumnFlags columns,
                               CDate date)
    : m_document(document), m_shown(columns), m_date(date) {}

std::vector<std::string> CReportPrinter::BlockLines(long block) const {
    return inventoryreport::Wrap(block == kHeadingBlock
                                     ? m_report.headingLine
                                     : m_report.itemLines[static_cast<std::size_t>(block)],
                                 m_columns);
}

int CReportPrinter::LayOut(QPrinter& printer) {
    printmargins::Apply(printer);
    return LayOut(printer, printer.pageRect(QPrinter::DevicePixel).size());
}

int CReportPrinter::LayOut(QPaintDevice& device, const QSizeF& page) {
    m_font = FixedPrintFont();
    // The cells line up by character counts: the page is measured in characters
    // of the fixed-pitch font, and a line's height in lines of it.
    const QFontMetricsF metrics(m_font, &device);
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
    const qreal advance = std::max<qreal>(metrics.horizontalAdvance(QLatin1Char('0')), 1);
    m_columns = static_cast<std::size_t>(std::max(1.0, std::floor(page.width() / advance)));
    m_report = inventoryreport::Build(
        m_document, m_shown, shownheadings::ShownBytes(inventoryreport::HeadingsOf(m_document)),
        m_columns);
    // Room for the longest title any page number can give.
    m_titleLines = static_cast<int>(
        inventoryreport::TitleLines(localdates::DayBytes(m_date), INT_MAX, m_columns, TitleWords())
            .size());

    const qreal s = m_lineHeight;
    std::size_t tallest = 0;
    for (const std::string& line : m_report.itemLines)
        tallest = std::max(tallest, inventoryreport::Wrap(line, m_columns).size());
    const qreal h = static_cast<qreal>(tallest) * m_lineHeight;
    const qreal title = m_titleLines * s;
    const qreal room = page.height() - title - 2 * s - 2 * h;
    const int fitting = room > 0 ? static_cast<int>(room / (h + s)) : 0;
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
    const int perPage = std::max(1, static_cast<int>((page.height() - title - s) / m_lineHeight));
    m_pages.push_back({});
    int used = 0;
    for (long block = kHeadingBlock; block < static_cast<long>(count); ++block) {
        const int lines = static_cast<int>(BlockLines(block).size());
        int first = 0;
        while (first < lines) {
            if (used >= perPage) {
                m_pages.push_back({});
                used = 0;
            }
            const int end = std::min(lines, first + (perPage - used));
            m_pages.back().pieces.push_back({block, first, end});
            used += end - first;
            first = end;
        }
        ++used; // the empty line after it
    }
    return PageCount();
}

void CReportPrinter::DrawPage(QPainter& painter, int page) const {
    if (page < 1 || page > PageCount())
        return;
    painter.setFont(m_font);
    qreal y = 0;
    for (const std::string& line :
         inventoryreport::TitleLines(localdates::DayBytes(m_date), page, m_columns, TitleWords())) {
        painter.drawText(QPointF(0, y + m_ascent), text::FromBytes(line));
        y += m_lineHeight;
    }
    y += m_lineHeight; // one empty line
    for (const Piece& piece : m_pages[static_cast<std::size_t>(page - 1)].pieces) {
        const std::vector<std::string> lines = BlockLines(piece.block);
        const int end = piece.endLine < 0 ? static_cast<int>(lines.size()) : piece.endLine;
        for (int k = piece.firstLine; k < end; ++k) {
            painter.drawText(QPointF(0, y + m_ascent),
                             text::FromBytes(lines[static_cast<std::size_t>(k)]));
            y += m_lineHeight;
        }
        y += m_lineHeight; // the empty line after it
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
