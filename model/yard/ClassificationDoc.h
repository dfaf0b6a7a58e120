#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/core/Catalogue.h"
#include "model/core/InventoryElement.h"
#include "model/framework/Document.h"
#include "model/framework/UserText.h"
#include "model/yard/Manufacturer.h"
#include "model/yard/YardFormat.h"

class CClock;
class CManufacturerLoader;

// The Classification Yard: the catalogue of allowed values of every attribute but
// Item Number, the fourteen headings, the two build preferences and the
// application clipboard. One per run, opened from Classyrd.mst.
class CClassificationDoc : public CDocument, public CCatalogue {
public:
    // The clock gives the current year to the year ranges and the year list extension.
    // A manufacturer file path starts the loader thread of that file at once; without
    // one the document has no loader and its manufacturer list stays empty.
    // onManufacturerMessage is called on the loader thread (see CManufacturerLoader).
    explicit CClassificationDoc(const CClock& clock, const std::string& manufacturerFilePath = {},
                                std::function<void(const CUserText&)> onManufacturerMessage = {});
    ~CClassificationDoc() override;

    // The value list of an attribute; null for Item Number and indexes outside 0..13.
    CValueList* GetValueList(int attribute);
    const CValueList* GetValueList(int attribute) const override;

    // Appends text to the list and marks modified; always true.
    bool AddValue(CValueList& list, std::string text);
    // Removes the first entry equal to text (case-sensitive); marks modified and
    // returns true only when one was removed.
    bool DeleteValue(CValueList& list, const std::string& text);
    // Replaces the list with the years from the current one down to lowestYear.
    void SetYearRange(CValueList& list, int lowestYear);
    // Replaces the list with every whole amount from first to last, "0.00", "1.00", ...
    void SetDollarRange(CValueList& list, int first, int last);
    // The number of entries of all thirteen lists.
    std::size_t GetValueEntryCount() const;
    // Whether the catalogue could still be saved with list holding entries entries
    // instead of the ones it has (the file counts its records in 16 bits).
    bool CanHoldValues(const CValueList& list, std::size_t entries) const;
    // The number of entries SetYearRange and SetDollarRange would give.
    std::size_t YearRangeSize(int lowestYear) const;
    static std::size_t DollarRangeSize(int first, int last);

    // Indexes other than 0..12 give the heading of User Defined 2.
    const std::string& GetHeading(int attribute) const override;
    int GetHeadingLength(int attribute) const;
    void SetHeading(int attribute, std::string heading);

    // Whether another catalogue has the same value lists and headings.
    bool HasSameListsAndHeadings(const CClassificationDoc& other) const;
    // Takes over another catalogue's value lists and headings; marks modified.
    void TakeListsAndHeadings(const CClassificationDoc& other);

    // Undo for the customization pages.
    void SnapshotValues();
    void RestoreValues();
    void SnapshotHeadings();
    void RestoreHeadings();

    // Setting a preference does not mark the document modified; callers follow with SaveNow.
    bool GetUseManufacturerFile() const { return m_catalogue.useManufacturerFile; }
    void SetUseManufacturerFile(bool use) { m_catalogue.useManufacturerFile = use; }
    bool GetUseWizard() const { return m_catalogue.useWizard; }
    void SetUseWizard(bool use) { m_catalogue.useWizard = use; }

    // The application clipboard: one item, owned by the yard.
    void SetClipboardItem(const CInventoryElement& item) override;
    // Hands the clipboard item to the caller and keeps a fresh copy; null when empty.
    std::unique_ptr<CInventoryElement> TakeClipboardItem() override;
    bool HasClipboardItem() const override { return m_clipboard != nullptr; }

    // Whether opening rebuilt a year list for the current year (forces the save on close).
    bool IsYearListExtended() const { return m_yearListExtended; }

    // Writes the catalogue to its path at once.
    FileResult SaveNow();
    // At the end of the program: writes the catalogue when it is modified or a year
    // list was extended, without asking. Ok when nothing needed writing.
    FileResult SaveOnClose();

    // The manufacturer list and the thread that loads it from ExtMFile.mst.
    // What the loader read; empty while it still runs (read it once
    // IsManufacturerLoaderRunning() is false) and when there is no manufacturer file.
    const CManufacturerList& GetManufacturerList() const;
    // Whether the loader thread still runs; false once it ended and without a loader.
    bool IsManufacturerLoaderRunning() const;
    // Raises the loader thread's priority where the platform allows; false otherwise.
    bool RaiseManufacturerLoaderPriority();
    // Blocks until the loader thread has ended (at once without a loader).
    void WaitForManufacturerLoader();
    // The loader's messages for the user (see CManufacturerLoader::GetMessages)
    // once it has ended; the GUI thread shows them.
    const std::vector<std::string>& GetManufacturerMessages() const;

private:
    const CManufacturerList m_noManufacturers;
    const std::vector<std::string> m_noManufacturerMessages;
    // Joined when the document is destroyed.
    std::unique_ptr<CManufacturerLoader> m_manufacturerLoader;

protected:
    // Reads Classyrd.mst and applies the year list extension to Date Built, then
    // Purchase Date.
    FileResult ReadFromFile(const std::string& path) override;
    // Refuses, writing nothing, a catalogue the 16-bit record count cannot hold.
    FileResult WriteToFile(const std::string& path) override;

private:
    void ExtendYearList(CValueList& list);

    const CClock& m_clock;
    CYardFileContents m_catalogue;
    std::array<CValueList, kAttributeCount> m_backupValues;
    std::array<std::string, kAttributeCount> m_backupHeadings;
    bool m_yearListExtended = false;
    std::unique_ptr<CInventoryElement> m_clipboard;
};
