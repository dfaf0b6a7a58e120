#pragma once

#include <optional>
#include <vector>

#include <QDialog>

#include "model/yard/Manufacturer.h"

class CClassificationDoc;
class CManufacturerPage;
class CMessageSink;
class QTabWidget;

// The manufacturer listing: one tab per manufacturer of the manufacturer file,
// OK and Cancel. OK gives the product selected on the active tab.
class CManufacturerSheet : public QDialog {
    Q_OBJECT

public:
    // Titled with the Manufacturer heading + " Listing", one page per manufacturer
    // in list order, opening on startTab (the last one when there are fewer).
    // yard and messages must outlive the sheet; the manufacturer list must not
    // change while it is open.
    CManufacturerSheet(CClassificationDoc& yard, CMessageSink& messages, int startTab,
                       QWidget* parent = nullptr);

    // Waits for the manufacturer loader to end, then runs the listing modally.
    // OK remembers the active tab in lastTab. Nothing is chosen on Cancel, when the
    // active tab has no product taken, or when there are no manufacturers (no
    // sheet is shown then).
    static std::optional<CManufacturerChoice> Open(QWidget* parent, CClassificationDoc& yard,
                                                   CMessageSink& messages, int& lastTab);

    CManufacturerPage* Page(int index) const;
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    int CurrentIndex() const;

    // The active page takes its selected row, then the sheet closes with OK.
    void accept() override;
    // After OK: the active page's product, if it took one.
    const std::optional<CManufacturerChoice>& GetChosen() const { return m_chosen; }

private:
    void OnTabChanged(int index);

    QTabWidget* m_tabs = nullptr;
    std::vector<CManufacturerPage*> m_pages;
    int m_shownTab = -1;
    std::optional<CManufacturerChoice> m_chosen;
};
