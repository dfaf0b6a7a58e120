#include "model/core/InventoryFormat.h"

#include <algorithm>

#include "model/core/ArchiveReader.h"
#include "model/core/ArchiveWriter.h"
#include "model/framework/FileMessages.h"

namespace inventoryformat {
namespace {

// Sixteen texts of at least one byte each: the least an item block can take.
constexpr std::size_t kSmallestItemBlock = 16;

std::unique_ptr<CInventoryElement> ReadItem(CArchiveReader& in, unsigned version) {
    auto item = std::make_unique<CInventoryElement>();
    item->SetManufacturer(in.ReadString());
    item->SetRoadName(in.ReadString());
    item->SetScale(in.ReadString());
    item->SetBodyClassification(in.ReadString());
    item->SetDateBuilt(in.ReadString());
    item->SetReservedText2(in.ReadString());
    item->SetPurchasePrice(in.ReadString());
    item->SetPurchaseDate(in.ReadString());
    item->SetCurrentValue(in.ReadString());
    item->SetReservedText1(in.ReadString());
    item->SetCondition(in.ReadString());
    item->SetPaintScheme(in.ReadString());
    item->SetItemNumber(in.ReadString());
    item->SetUserDefined1(in.ReadString());
    item->SetUserDefined2(in.ReadString());
    item->SetOriginalBox(in.ReadString());
    if (version >= 211 && version <= 213) {
        item->SetComments(in.ReadString());
        const int month = in.ReadWord();
        const int day = in.ReadWord();
        const int year = in.ReadWord();
        item->SetEntryDate(month, day, year);
        if (version == 213)
            item->SetPicture(in.ReadString());
    }
    return item;
}

void WriteItem(CArchiveWriter& out, const CInventoryElement& item) {
    out.WriteString(item.GetManufacturer());
    out.WriteString(item.GetRoadName());
    out.WriteString(item.GetScale());
    out.WriteString(item.GetBodyClassification());
    out.WriteString(item.GetDateBuilt());
    out.WriteString(item.GetReservedText2());
    out.WriteString(item.GetPurchasePrice());
    out.WriteString(item.GetPurchaseDate());
    out.WriteString(item.GetCurrentValue());
    out.WriteString(item.GetReservedText1());
    out.WriteString(item.GetCondition());
    out.WriteString(item.GetPaintScheme());
    out.WriteString(item.GetItemNumber());
    out.WriteString(item.GetUserDefined1());
    out.WriteString(item.GetUserDefined2());
    out.WriteString(item.GetOriginalBox());
    out.WriteString(item.GetComments());
    // The entry date is stored in words: only the low 16 bits of each part are kept.
    out.WriteWord(static_cast<std::uint16_t>(item.GetEntryMonth()));
    out.WriteWord(static_cast<std::uint16_t>(item.GetEntryDay()));
    out.WriteWord(static_cast<std::uint16_t>(item.GetEntryYear()));
    out.WriteString(item.GetPicture());
}

} // namespace

FileResult Read(std::string_view bytes, CInventoryFileContents& contents) {
    contents = CInventoryFileContents{};
    if (bytes.empty())
        return FileResult::Success();
    CInventoryFileContents read;
    try {
        CArchiveReader in(bytes);
        read.signature = in.ReadString();
        if (read.signature != kPrimarySignature && read.signature != kSecondarySignature) {
            contents.signature = std::move(read.signature);
            return FileResult::With(FileOutcome::WrongSignature,
                                    CUserText::Make(filemessages::kNotOurFile));
        }
        read.version = in.ReadWord();
        const std::size_t count = in.ReadWord();
        in.Require(count * kSmallestItemBlock);
        read.items.reserve(count);
        for (std::size_t k = 0; k < count; ++k)
            read.items.push_back(ReadItem(in, read.version));
        if (read.version == 212 || read.version == 213) {
            const std::size_t historyCount = in.ReadWord();
            in.Require(historyCount);
            read.searchHistory.reserve(historyCount);
            for (std::size_t k = 0; k < historyCount; ++k)
                read.searchHistory.push_back(in.ReadString());
        }
    } catch (const CArchiveError&) {
        return FileResult::Failure(CUserText::Make(filemessages::kUnexpectedFormat));
    }
    contents = std::move(read);
    return FileResult::Success();
}

std::string Write(const std::vector<std::unique_ptr<CInventoryElement>>& items,
                  const std::vector<std::string>& searchHistory) {
    CArchiveWriter out;
    out.Reserve(64 + items.size() * 160);
    out.WriteString(kPrimarySignature);
    out.WriteWord(static_cast<std::uint16_t>(kVersion));
    out.WriteWord(static_cast<std::uint16_t>(items.size()));
    for (const auto& item : items)
        WriteItem(out, *item);
    const std::size_t historyCount = std::min(searchHistory.size(), kStoredSearchHistory);
    out.WriteWord(static_cast<std::uint16_t>(historyCount));
    for (std::size_t k = 0; k < historyCount; ++k)
        out.WriteString(searchHistory[k]);
    return out.TakeBytes();
}

} // namespace inventoryformat
