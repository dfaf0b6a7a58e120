#include "model/yard/YardFormat.h"

#include "model/core/ArchiveReader.h"
#include "model/core/ArchiveWriter.h"
#include "model/core/InventoryFormat.h"
#include "model/framework/FileMessages.h"

namespace yardformat {
namespace {

// Attribute index of the value list with tag 1..13, and of the heading with tag 901..914.
constexpr int kAttributeOfValueTag[14] = {-1, 1, 4, 3, 5, 0, 6, 7, 8, 9, 10, 11, 12, 13};
constexpr int kAttributeOfHeadingTag[14] = {1, 2, 4, 3, 5, 0, 6, 7, 8, 9, 10, 11, 12, 13};

constexpr int kFirstHeadingTag = 901;
constexpr int kUseManufacturerFileTag = 950;
constexpr int kUseWizardTag = 951;
// A record is at least a tag word and an empty text.
constexpr std::size_t kSmallestRecord = 3;

void WriteRecord(CArchiveWriter& out, int tag, std::string_view text) {
    out.WriteWord(static_cast<std::uint16_t>(tag));
    out.WriteString(text);
}

} // namespace

int ValueTag(int attribute) {
    for (int tag = 1; tag <= 13; ++tag) {
        if (kAttributeOfValueTag[tag] == attribute)
            return tag;
    }
    return 0;
}

int HeadingTag(int attribute) {
    for (int k = 0; k < 14; ++k) {
        if (kAttributeOfHeadingTag[k] == attribute)
            return kFirstHeadingTag + k;
    }
    return kFirstHeadingTag + 13;
}

FileResult Read(std::string_view bytes, CYardFileContents& contents) {
    contents = CYardFileContents{};
    if (bytes.empty())
        return FileResult::Success();
    CYardFileContents read;
    try {
        CArchiveReader in(bytes);
        read.signature = in.ReadString();
        if (read.signature != inventoryformat::kPrimarySignature &&
            read.signature != inventoryformat::kSecondarySignature) {
            contents.signature = std::move(read.signature);
            return FileResult::With(FileOutcome::WrongSignature,
                                    CUserText::Make(filemessages::kNotOurFile));
        }
        read.version = in.ReadWord();
        const std::size_t count = in.ReadWord();
        in.Require(count * kSmallestRecord);
        for (std::size_t k = 0; k < count; ++k) {
            const int tag = in.ReadWord();
            std::string text = in.ReadString();
            if (tag >= 1 && tag <= 13) {
                read.values[static_cast<std::size_t>(kAttributeOfValueTag[tag])].push_back(
                    std::move(text));
            } else if (tag >= kFirstHeadingTag && tag < kFirstHeadingTag + 14) {
                read.headings[static_cast<std::size_t>(
                    kAttributeOfHeadingTag[tag - kFirstHeadingTag])] = std::move(text);
            } else if (tag == kUseManufacturerFileTag) {
                read.useManufacturerFile = text == "1";
            } else if (tag == kUseWizardTag) {
                read.useWizard = text == "1";
            }
        }
    } catch (const CArchiveError&) {
        return FileResult::Failure(CUserText::Make(filemessages::kUnexpectedFormat));
    }
    contents = std::move(read);
    return FileResult::Success();
}

std::string Write(const CYardFileContents& contents) {
    std::size_t entries = 0;
    for (int tag = 1; tag <= 13; ++tag)
        entries += contents.values[static_cast<std::size_t>(kAttributeOfValueTag[tag])].size();

    CArchiveWriter out;
    out.Reserve(64 + entries * 12);
    out.WriteString(inventoryformat::kPrimarySignature);
    out.WriteWord(static_cast<std::uint16_t>(kVersion));
    out.WriteWord(static_cast<std::uint16_t>(entries + kFixedRecords));
    for (int tag = 1; tag <= 13; ++tag) {
        for (const std::string& value :
             contents.values[static_cast<std::size_t>(kAttributeOfValueTag[tag])])
            WriteRecord(out, tag, value);
    }
    for (int k = 0; k < 14; ++k) {
        WriteRecord(out, kFirstHeadingTag + k,
                    contents.headings[static_cast<std::size_t>(kAttributeOfHeadingTag[k])]);
    }
    for (int tag = 915; tag <= 920; ++tag)
        WriteRecord(out, tag, " ");
    WriteRecord(out, kUseManufacturerFileTag, contents.useManufacturerFile ? "1" : "0");
    WriteRecord(out, kUseWizardTag, contents.useWizard ? "1" : "0");
    for (int tag = 952; tag <= 959; ++tag)
        WriteRecord(out, tag, " ");
    return out.TakeBytes();
}

} // namespace yardformat
