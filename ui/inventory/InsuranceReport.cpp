#include "ui/inventory/InsuranceReport.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "model/quickfacts/AmountSum.h"
#include "ui/common/LocalDates.h"
#include "ui/common/PrintMargins.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailStore.h"

namespace {

using Items = std::vector<const CInventoryElement*>;

// The items by the text of one attribute, the groups in the order they first
// occur and the items of each in the inventory's order.
std::vector<std::pair<std::string, Items>> GroupsOf(const CSidingWardDoc& document, int attribute) {
    std::vector<std::pair<std::string, Items>> groups;
    for (const auto& item : document.GetItems()) {
        const std::string& key = item->GetAttributeText(attribute);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& entry) { return entry.first == key; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {key, {}});
        group->second.push_back(item.get());
    }
    return groups;
}

struct Totals {
    CAmountSum purchase;
    CAmountSum current;
    void Add(const CInventoryElement& item) {
        purchase.Add(AmountValue(item.GetPurchasePrice()));
        current.Add(AmountValue(item.GetCurrentValue()));
    }
};

QString Money(const CAmountSum& sum) {
    return text::FromBytes(AmountText(sum.Value()));
}

QString DateText(const CDate& date) {
    return localdates::DayText(date);
}

// A group's or an attribute's text after its heading.
QString Labelled(const QString& heading, const QString& value) {
    return QCoreApplication::translate("CInsuranceReport", "%1: %2").arg(heading, value);
}

QString Blank() {
    return QCoreApplication::translate("CInsuranceReport", "(blank)");
}

QFont Font(qreal points, bool bold = false) {
    QFont font;
    // Without ligatures, so that a search or a copy of the PDF's text finds the
    // words as they are typed ("fi" stays two letters).
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Puts text on the pages from top to bottom, starting a page when the next piece
// does not fit. Without a painter it only measures, which gives the page count
// that every page's footer names.
class Composer {
public:
    Composer(QPrinter& printer, QPainter* painter, QString title, int pageCount)
        : m_printer(printer), m_painter(painter), m_title(std::move(title)),
          m_pageCount(pageCount) {
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        const qreal band = QFontMetricsF(Font(9), &printer).lineSpacing() * 2;
        m_body = QRectF(0, band, page.width(), page.height() - 2 * band);
    }

    int Pages() const { return m_page; }
    qreal Width() const { return m_body.width(); }
    qreal Dpi() const { return m_printer.resolution(); }
    qreal Y() const { return m_y; }
    QPainter* Painter() const { return m_painter; }

    void NewPage() {
        if (m_page > 0 && m_painter)
            m_printer.newPage();
        ++m_page;
        m_y = m_body.top();
        if (!m_painter)
            return;
        const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
        m_painter->setFont(Font(9));
        m_painter->drawText(QRectF(0, 0, page.width(), m_body.top()), Qt::AlignLeft | Qt::AlignTop,
                            m_title);
        m_painter->drawText(
            QRectF(0, m_body.bottom(), page.width(), page.height() - m_body.bottom()),
            Qt::AlignHCenter | Qt::AlignBottom,
            QCoreApplication::translate("CInsuranceReport", "Page %1 of %2")
                .arg(m_page)
                .arg(m_pageCount));
    }

    // Starts a page unless height fits below what is there.
    void Ensure(qreal height) {
        if (m_page == 0 || (m_y + height > m_body.bottom() && m_y > m_body.top()))
            NewPage();
    }

    qreal Height(const QString& text, const QFont& font, qreal width) const {
        return QFontMetricsF(font, &m_printer)
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
            .height();
    }

    // A paragraph from indent to the right edge (or width, when given).
    void Paragraph(const QString& text, const QFont& font, qreal indent = 0, qreal width = 0) {
        const qreal w = width > 0 ? width : Width() - indent;
        const qreal h = Height(text, font, w);
        Ensure(h);
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->drawText(QRectF(m_body.left() + indent, m_y, w, h), Qt::TextWordWrap, text);
        }
        m_y += h;
    }

    // One line of cells, each in its column (left edges as fractions of the
    // width); the cells whose flag is set in toRight are right-aligned.
    void Row(const QStringList& cells, const QFont& font, const std::vector<qreal>& edges,
             const std::vector<bool>& toRight) {
        const qreal h = QFontMetricsF(font, &m_printer).lineSpacing();
        Ensure(h);
        if (m_painter) {
            m_painter->setFont(font);
            for (qsizetype k = 0; k < cells.size(); ++k) {
                const qreal left = edges[static_cast<std::size_t>(k)] * Width();
                const qreal right = static_cast<std::size_t>(k) + 1 < edges.size()
                                        ? edges[static_cast<std::size_t>(k) + 1] * Width()
                                        : Width();
                m_painter->drawText(
                    QRectF(left, m_y, right - left - Dpi() / 10, h),
                    (toRight[static_cast<std::size_t>(k)] ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter,
                    cells.at(k));
            }
        }
        m_y += h;
    }

    void Space(qreal height) { m_y += height; }
    void Skip(qreal height) { m_y = std::max(m_y, height); }

private:
    QPrinter& m_printer;
    QPainter* m_painter;
    QString m_title;
    int m_pageCount;
    QRectF m_body;
    qreal m_y = 0;
    int m_page = 0;
};

// The picture as printed: at most kPictureInches on its longer side, the pixels
// those inches take at kPictureDpi, on white and without alpha so that the PDF
// keeps it as a JPEG rather than a lossless full-colour bitmap.
QImage PrintedPicture(const QImage& thumbnail) {
    if (thumbnail.isNull())
        return {};
    const int pixels =
        static_cast<int>(CInsuranceReport::kPictureInches * CInsuranceReport::kPictureDpi);
    QImage scaled = thumbnail.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage flat(scaled.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, scaled);
    painter.end();
    return flat;
}

} // namespace

CInsuranceReport::CInsuranceReport(const CSidingWardDoc& document, CInsuranceOptions options,
                                   CDate date, const CThumbnailStore* thumbnails)
    : m_document(document), m_options(std::move(options)), m_date(date), m_thumbnails(thumbnails) {}

QImage CInsuranceReport::PictureOf(const CInventoryElement& item) const {
    if (item.GetPicture().empty() || m_thumbnails == nullptr)
        return {};
    return PrintedPicture(
        m_thumbnails->Load(text::FromBytes(item.GetPicture()), ThumbnailSize::Large));
}

bool CInsuranceReport::Print(QPrinter& printer) {
    printmargins::Apply(printer);
    const QString title = text::FromBytes(m_document.GetTitle());
    const inventoryreport::Headings headings =
        shownheadings::ShownBytes(inventoryreport::HeadingsOf(m_document));
    const int groupBy = std::clamp(m_options.groupBy, 0, kAttributeCount - 1);
    const auto groups = GroupsOf(m_document, groupBy);
    Totals all;
    for (const auto& item : m_document.GetItems())
        all.Add(*item);

    // The printed size of every item's picture (empty: none). Making a missing
    // thumbnail decodes a photo, which is what a report of many photos spends its
    // time on, so they are made on every core; only the sizes are kept, and each
    // picture is read again from its thumbnail when its page is drawn, so the
    // memory does not grow with the number of pictures.
    std::vector<const CInventoryElement*> ordered;
    for (const auto& group : groups)
        ordered.insert(ordered.end(), group.second.begin(), group.second.end());
    const bool withPictures = m_options.pictures && m_thumbnails;
    std::vector<QSize> pictureSizes(withPictures ? ordered.size() : 0);
    if (withPictures) {
        std::atomic<std::size_t> next{0};
        const auto measure = [&] {
            for (std::size_t k = next++; k < ordered.size(); k = next++)
                pictureSizes[k] = PictureOf(*ordered[k]).size();
        };
        std::vector<std::jthread> helpers(std::max(1U, std::thread::hardware_concurrency()) - 1);
        for (std::jthread& helper : helpers)
            helper = std::jthread(measure);
        measure();
    }

    const QFont body = Font(10);
    const QFont bold = Font(10, true);
    auto compose = [&](Composer& out) {
        const qreal line = QFontMetricsF(body, &printer).lineSpacing();
        // The cover.
        out.NewPage();
        out.Space(out.Dpi());
        out.Paragraph(
            QCoreApplication::translate("CInsuranceReport", "Collection Inventory for Insurance"),
            Font(22, true));
        out.Paragraph(title, Font(14));
        out.Space(line * 2);
        out.Paragraph(
            QCoreApplication::translate("CInsuranceReport", "Owner: %1").arg(m_options.owner),
            body);
        if (!m_options.address.isEmpty())
            out.Paragraph(m_options.address, body, out.Dpi() / 2);
        if (!m_options.policy.isEmpty())
            out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Policy number: %1")
                              .arg(m_options.policy),
                          body);
        out.Paragraph(
            QCoreApplication::translate("CInsuranceReport", "Date: %1").arg(DateText(m_date)),
            body);
        out.Space(line);
        out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Number of items: %1")
                          .arg(m_document.GetItemCount()),
                      body);
        out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Total current value: %1")
                          .arg(Money(all.current)),
                      body);
        out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Total purchase price: %1")
                          .arg(Money(all.purchase)),
                      body);

        // The totals per group.
        out.NewPage();
        out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Summary by %1")
                          .arg(text::FromBytes(headings[groupBy])),
                      Font(14, true));
        out.Space(line);
        const std::vector<qreal> edges{0, 0.5, 0.62, 0.81};
        const std::vector<bool> numbers{false, true, true, true};
        out.Row({text::FromBytes(headings[groupBy]),
                 QCoreApplication::translate("CInsuranceReport", "Items"),
                 QCoreApplication::translate("CInsuranceReport", "Purchase Price"),
                 QCoreApplication::translate("CInsuranceReport", "Current Value")},
                bold, edges, numbers);
        for (const auto& [key, items] : groups) {
            Totals group;
            for (const CInventoryElement* item : items)
                group.Add(*item);
            out.Row({key.empty() ? Blank() : text::FromBytes(key), QString::number(items.size()),
                     Money(group.purchase), Money(group.current)},
                    body, edges, numbers);
        }
        out.Space(line / 2);
        out.Row({QCoreApplication::translate("CInsuranceReport", "Total"),
                 QString::number(m_document.GetItemCount()), Money(all.purchase),
                 Money(all.current)},
                bold, edges, numbers);

        // The items.
        std::size_t picture = 0;
        int number = 0;
        const qreal pictureWidth = kPictureInches * out.Dpi();
        const qreal gap = out.Dpi() / 5;
        out.NewPage();
        for (const auto& [key, items] : groups) {
            // A group's heading stays with its first item.
            out.Ensure(line * 20);
            out.Space(line);
            out.Paragraph(Labelled(text::FromBytes(headings[groupBy]),
                                   key.empty() ? Blank() : text::FromBytes(key)),
                          Font(14, true));
            for (const CInventoryElement* item : items) {
                ++number;
                QStringList attributes;
                for (int a = 0; a < kAttributeCount; ++a)
                    attributes << Labelled(text::FromBytes(headings[a]),
                                           text::FromBytes(item->GetAttributeText(a)));
                attributes << QCoreApplication::translate("CInsuranceReport", "Entry date: %1")
                                  .arg(DateText({item->GetEntryYear(), item->GetEntryMonth(),
                                                 item->GetEntryDay()}));
                const QString facts = attributes.join(u'\n');
                const qreal textLeft = withPictures ? pictureWidth + gap : 0;
                const qreal factsHeight = out.Height(facts, body, out.Width() - textLeft);
                const QSize pixels = withPictures ? pictureSizes[picture++] : QSize();
                // Printed at kPictureDpi, the size it was scaled to.
                const QSizeF printed = QSizeF(pixels) * out.Dpi() / kPictureDpi;
                const qreal imageHeight = pixels.isEmpty() ? line : printed.height();
                out.Ensure(line * 2 + std::max(factsHeight, imageHeight));
                out.Space(line);
                out.Paragraph(
                    QCoreApplication::translate("CInsuranceReport", "Item %1").arg(number), bold);
                const qreal top = out.Y();
                if (withPictures && out.Painter()) {
                    const QImage image = pixels.isEmpty() ? QImage() : PictureOf(*item);
                    if (image.isNull())
                        out.Painter()->drawText(
                            QRectF(0, top, pictureWidth, line),
                            QCoreApplication::translate("CInsuranceReport", "no picture"));
                    else
                        out.Painter()->drawImage(QRectF(QPointF(0, top), printed), image);
                }
                out.Paragraph(facts, body, textLeft);
                out.Skip(top + imageHeight);
                if (m_options.comments && !item->GetComments().empty()) {
                    out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Comments:"),
                                  bold);
                    out.Paragraph(text::FromBytes(item->GetComments()), body, out.Dpi() / 4);
                }
                const valuehistory::Parsed history = valuehistory::Parse(item->GetReservedText1());
                if (!history.entries.empty()) {
                    out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Value history:"),
                                  bold);
                    for (const valuehistory::Entry& entry : history.entries)
                        out.Row({text::FromBytes(valuehistory::IsoDate(entry.date).value_or("")),
                                 text::FromBytes(entry.value), text::FromBytes(entry.note)},
                                body, {0.05, 0.2, 0.4}, {false, true, false});
                }
            }
        }

        // The declaration.
        out.NewPage();
        out.Paragraph(QCoreApplication::translate("CInsuranceReport", "Declaration"),
                      Font(14, true));
        out.Space(line);
        out.Paragraph(
            QCoreApplication::translate("CInsuranceReport",
                                        "I declare that this inventory of %1 items is true and "
                                        "complete to the best of my knowledge.")
                .arg(m_document.GetItemCount()),
            body);
        out.Space(line * 4);
        out.Paragraph(QCoreApplication::translate("CInsuranceReport",
                                                  "Signature: ______________________________"),
                      body);
        out.Space(line * 3);
        out.Paragraph(
            QCoreApplication::translate("CInsuranceReport", "Date: ______________________________"),
            body);
    };

    Composer measure(printer, nullptr, title, 0);
    compose(measure);
    m_pageCount = measure.Pages();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    Composer draw(printer, &painter, title, m_pageCount);
    compose(draw);
    return painter.end();
}
