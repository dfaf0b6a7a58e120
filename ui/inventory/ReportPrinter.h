#pragma once

#include <string>
#include <vector>

#include <QFont>
#include <QSizeF>

#include "model/core/InventoryReport.h"
#include "model/framework/Clock.h"

class CSidingWardDoc;
class QPainter;
class QPaintDevice;
class QPrinter;

// Lays out the inventory report on a page and draws its pages: the title line
// and an empty line, the column heading line, then the item lines each followed
// by an empty line, in the system's fixed-pitch font at 12 points, wrapped at the
// page width with tab stops every eighth character.
class CReportPrinter {
public:
    // The report of document's columns; document must outlive the printer. The
    // report's text is built by each layout, for the line width of its page.
    CReportPrinter(const CSidingWardDoc& document, inventoryreport::ColumnFlags columns,
                   CDate date);

    // Measures the report on device for a page of the given size (device units)
    // and splits it into pages; returns the page count (at least 1).
    int LayOut(QPaintDevice& device, const QSizeF& page);
    // Lays out on the printer's printable area, within the margins every report
    // keeps (PrintMargins.h).
    int LayOut(QPrinter& printer);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // The items a page holds at most (n), as the last layout found it.
    int ItemsPerPage() const { return m_itemsPerPage; }

    // Draws page (counted from 1) with painter, whose device is the one laid out on.
    void DrawPage(QPainter& painter, int page) const;
    // Lays out on printer and prints its page range (every page when it has none).
    // False when the printer cannot be drawn on.
    bool Print(QPrinter& printer);

private:
    // A part of a page: lines [firstLine, endLine) of the heading line (block
    // kHeadingBlock) or of an item line (block = its index); endLine -1: to its end.
    static constexpr long kHeadingBlock = -1;
    struct Piece {
        long block = kHeadingBlock;
        int firstLine = 0;
        int endLine = -1;
    };
    struct Page {
        std::vector<Piece> pieces;
    };
    // The printed lines of a block at the page width.
    std::vector<std::string> BlockLines(long block) const;

    const CSidingWardDoc& m_document;
    inventoryreport::ColumnFlags m_shown;
    CInventoryReport m_report;
    CDate m_date;
    QFont m_font;
    qreal m_lineHeight = 0;
    qreal m_ascent = 0;
    std::size_t m_columns = 1;
    // The most lines a page's title takes at this width.
    int m_titleLines = 1;
    std::vector<Page> m_pages;
    int m_itemsPerPage = inventoryreport::kDefaultItemsPerPage;
};
