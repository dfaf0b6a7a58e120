#pragma once

#include <QImage>
#include <QString>

#include "model/framework/Clock.h"

class CInventoryElement;
class CSidingWardDoc;
class CThumbnailStore;
class QPrinter;

// What the insurance report shows besides the items.
struct CInsuranceOptions {
    QString owner;   // the owner's name
    QString address; // may hold several lines
    QString policy;  // the policy number; left out when empty
    // The attribute the items are grouped by.
    int groupBy = 0;
    bool pictures = true;
    bool comments = true;
};

// The inventory written for an insurer: a cover page with the owner and the
// totals, a page of totals per group, every item with its picture, attributes,
// comments and value history, and a page to sign. Every page carries the
// inventory's name and "Page n of m".
class CInsuranceReport {
public:
    // Printed pictures are at most this wide, at this many dots per inch: enough
    // to recognise an item without carrying the full photo in the file.
    static constexpr double kPictureInches = 2.0;
    static constexpr int kPictureDpi = 200;

    // thumbnails gives the pictures (null: no pictures); document and thumbnails
    // must outlive the report.
    CInsuranceReport(const CSidingWardDoc& document, CInsuranceOptions options, CDate date,
                     const CThumbnailStore* thumbnails);

    // Lays out the pages on printer's page and draws them all; false when the
    // printer cannot be drawn on.
    bool Print(QPrinter& printer);
    // The pages of the last Print.
    int PageCount() const { return m_pageCount; }

private:
    // The item's picture as printed (null: none), from its large thumbnail.
    QImage PictureOf(const CInventoryElement& item) const;

    const CSidingWardDoc& m_document;
    CInsuranceOptions m_options;
    CDate m_date;
    const CThumbnailStore* m_thumbnails;
    int m_pageCount = 0;
};
