#include "model/yard/ClassificationDoc.h"

#include <algorithm>

#include "model/framework/Clock.h"
#include "model/framework/FileMessages.h"
#include "model/framework/SafeFile.h"
#include "model/yard/ManufacturerLoader.h"

namespace {
constexpr int kItemNumber = static_cast<int>(Attribute::ItemNumber);
constexpr int kDateBuilt = static_cast<int>(Attribute::DateBuilt);
constexpr int kPurchaseDate = static_cast<int>(Attribute::PurchaseDate);

bool HasValueList(int attribute) {
    return attribute >= 0 && attribute < kAttributeCount && attribute != kItemNumber;
}
} // namespace

CClassificationDoc::CClassificationDoc(const CClock& clock, const std::string& manufacturerFilePath,
                                       std::function<void(const CUserText&)> onManufacturerMessage)
    : m_clock(clock) {
    // Started before the catalogue is read, so that the file loads beside the start-up.
    if (!manufacturerFilePath.empty()) {
        m_manufacturerLoader = std::make_unique<CManufacturerLoader>(
            manufacturerFilePath, std::move(onManufacturerMessage));
    }
}

CClassificationDoc::~CClassificationDoc() = default;

CValueList* CClassificationDoc::GetValueList(int attribute) {
    return HasValueList(attribute) ? &m_catalogue.values[static_cast<std::size_t>(attribute)]
                                   : nullptr;
}

const CValueList* CClassificationDoc::GetValueList(int attribute) const {
    return HasValueList(attribute) ? &m_catalogue.values[static_cast<std::size_t>(attribute)]
                                   : nullptr;
}

bool CClassificationDoc::AddValue(CValueList& list, std::string text) {
    list.push_back(std::move(text));
    SetModifiedFlag(true);
    return true;
}

bool CClassificationDoc::DeleteValue(CValueList& list, const std::string& text) {
    const auto found = std::find(list.begin(), list.end(), text);
    if (found == list.end())
        return false;
    list.erase(found);
    SetModifiedFlag(true);
    return true;
}

void CClassificationDoc::SetYearRange(CValueList& list, int lowestYear) {
    list.clear();
    for (long long year = m_clock.Today().year; year >= lowestYear; --year)
        list.push_back(std::to_string(year));
    SetModifiedFlag(true);
}

void CClassificationDoc::SetDollarRange(CValueList& list, int first, int last) {
    list.clear();
    if (first <= last)
        list.reserve(static_cast<std::size_t>(static_cast<long long>(last) - first + 1));
    for (long long amount = first; amount <= last; ++amount)
        list.push_back(AmountText(amount));
    SetModifiedFlag(true);
}

std::size_t CClassificationDoc::GetValueEntryCount() const {
    std::size_t count = 0;
    for (const CValueList& list : m_catalogue.values)
        count += list.size();
    return count;
}

bool CClassificationDoc::CanHoldValues(const CValueList& list, std::size_t entries) const {
    const std::size_t others = GetValueEntryCount() - list.size();
    return entries <= yardformat::kMaxValueEntries &&
           others <= yardformat::kMaxValueEntries - entries;
}

std::size_t CClassificationDoc::YearRangeSize(int lowestYear) const {
    const long long current = m_clock.Today().year;
    return lowestYear > current ? 0 : static_cast<std::size_t>(current - lowestYear + 1);
}

std::size_t CClassificationDoc::DollarRangeSize(int first, int last) {
    return first > last ? 0 : static_cast<std::size_t>(static_cast<long long>(last) - first + 1);
}

const std::string& CClassificationDoc::GetHeading(int attribute) const {
    const int index = (attribute >= 0 && attribute <= 12) ? attribute : 13;
    return m_catalogue.headings[static_cast<std::size_t>(index)];
}

int CClassificationDoc::GetHeadingLength(int attribute) const {
    return static_cast<int>(GetHeading(attribute).size());
}

void CClassificationDoc::SetHeading(int attribute, std::string heading) {
    const int index = (attribute >= 0 && attribute <= 12) ? attribute : 13;
    m_catalogue.headings[static_cast<std::size_t>(index)] = std::move(heading);
    SetModifiedFlag(true);
}

bool CClassificationDoc::HasSameListsAndHeadings(const CClassificationDoc& other) const {
    return m_catalogue.values == other.m_catalogue.values &&
           m_catalogue.headings == other.m_catalogue.headings;
}

void CClassificationDoc::TakeListsAndHeadings(const CClassificationDoc& other) {
    m_catalogue.values = other.m_catalogue.values;
    m_catalogue.headings = other.m_catalogue.headings;
    SetModifiedFlag(true);
}

void CClassificationDoc::SnapshotValues() {
    m_backupValues = m_catalogue.values;
}

void CClassificationDoc::RestoreValues() {
    for (std::size_t k = 0; k < m_backupValues.size(); ++k) {
        m_catalogue.values[k].swap(m_backupValues[k]);
        m_backupValues[k].clear();
    }
}

void CClassificationDoc::SnapshotHeadings() {
    m_backupHeadings = m_catalogue.headings;
}

void CClassificationDoc::RestoreHeadings() {
    m_catalogue.headings = m_backupHeadings;
}

void CClassificationDoc::SetClipboardItem(const CInventoryElement& item) {
    m_clipboard = std::make_unique<CInventoryElement>(item);
}

std::unique_ptr<CInventoryElement> CClassificationDoc::TakeClipboardItem() {
    if (!m_clipboard)
        return nullptr;
    auto taken = std::move(m_clipboard);
    m_clipboard = std::make_unique<CInventoryElement>(*taken);
    return taken;
}

FileResult CClassificationDoc::SaveNow() {
    FileResult result = WriteToFile(GetPathName());
    if (result.Succeeded())
        SetModifiedFlag(false);
    return result;
}

FileResult CClassificationDoc::SaveOnClose() {
    if (!IsModified() && !m_yearListExtended)
        return FileResult::Success();
    FileResult result = SaveNow();
    if (result.Succeeded())
        m_yearListExtended = false;
    return result;
}

const CManufacturerList& CClassificationDoc::GetManufacturerList() const {
    return m_manufacturerLoader ? m_manufacturerLoader->GetManufacturers() : m_noManufacturers;
}

bool CClassificationDoc::IsManufacturerLoaderRunning() const {
    return m_manufacturerLoader && m_manufacturerLoader->IsRunning();
}

bool CClassificationDoc::RaiseManufacturerLoaderPriority() {
    return m_manufacturerLoader && m_manufacturerLoader->RaisePriority();
}

void CClassificationDoc::WaitForManufacturerLoader() {
    if (m_manufacturerLoader)
        m_manufacturerLoader->Wait();
}

const std::vector<std::string>& CClassificationDoc::GetManufacturerMessages() const {
    return m_manufacturerLoader ? m_manufacturerLoader->GetMessages() : m_noManufacturerMessages;
}

void CClassificationDoc::ExtendYearList(CValueList& list) {
    // An empty list has no lowest year to extend down to: it stays empty.
    if (list.empty())
        return;
    const int currentYear = m_clock.Today().year;
    if (std::find(list.begin(), list.end(), std::to_string(currentYear)) != list.end())
        return;
    const std::string& last = list.back();
    const auto lowest = AmountValue(last.size() > 4 ? last.substr(last.size() - 4) : last);
    // A list whose lowest year lies ahead of today's (the clock was set back) would be
    // emptied by the range; keep it as it is instead.
    if (lowest > currentYear)
        return;
    SetYearRange(list, static_cast<int>(lowest));
    m_yearListExtended = true;
}

FileResult CClassificationDoc::ReadFromFile(const std::string& path) {
    std::string bytes;
    FileResult result = safefile::ReadAll(path, bytes);
    if (!result.Succeeded())
        return result;
    CYardFileContents contents;
    result = yardformat::Read(bytes, contents);
    if (!result.Succeeded())
        return result;
    const bool readRecords = result.outcome == FileOutcome::Ok && !bytes.empty();
    m_catalogue = std::move(contents);
    if (readRecords) {
        ExtendYearList(m_catalogue.values[kDateBuilt]);
        ExtendYearList(m_catalogue.values[kPurchaseDate]);
    }
    return result;
}

FileResult CClassificationDoc::WriteToFile(const std::string& path) {
    if (path.empty())
        return FileResult::Failure(CUserText::Make(filemessages::kFailedToSave));
    const std::size_t entries = GetValueEntryCount();
    if (entries > yardformat::kMaxValueEntries) {
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages",
                              "The Classification Yard cannot be saved: its value lists hold %1 "
                              "entries in all, and the file holds at most %2."),
            std::to_string(entries), std::to_string(yardformat::kMaxValueEntries)));
    }
    return safefile::WriteAll(path, yardformat::Write(m_catalogue));
}
