#include "model/core/DelimitedText.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/LiteralImport.h"
#include "model/core/DelimiterChoice.h"
#include "model/core/DelimiterSearch.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/DocumentView.h"
#include "model/framework/FileMessages.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "support/ItemFields.h"
#include "support/TempDir.h"

namespace {

using Texts = std::vector<std::string>;
using Fields = std::vector<int>;

class CCountingView : public CDocumentView {
public:
    void OnDocumentUpdate(CDocumentView*, int) override { ++updates; }
    int updates = 0;
};

std::unique_ptr<CInventoryElement> ItemOf(const Texts& texts) {
    auto item = std::make_unique<CInventoryElement>();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        item->SetAttributeText(attribute, texts[static_cast<std::size_t>(attribute)]);
    return item;
}

struct ChoiceCase {
    CDelimiterChoice choice;
    std::string text;
};

TEST(DelimiterChoice, ConcatenatesTheCheckedBoxesInFixedOrder) {
    const ChoiceCase cases[] = {
        {{}, "\t"},
        {{true, false, true, false, ""}, "\t,"},
        {{false, true, true, false, ""}, ";,"},
        {{false, false, false, false, "|"}, ""},
        {{false, false, false, true, "|"}, "|"},
        {{true, true, true, true, "ab"}, "\t;,ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.choice.Text(), c.text);
}

class DelimitedTextDoc : public testing::Test {
protected:
    static constexpr CDate kImportDay{2026, 12, 9};

    std::string Export(const std::string& delimiter, bool names) {
        EXPECT_TRUE(delimitedtext::Export(doc, dir.Path("out.txt"), delimiter, names).Succeeded());
        return dir.Read("out.txt");
    }
    CDelimitedImportResult Import(const std::string& bytes, const std::string& delimiter,
                                  const Fields& fields, bool names = false) {
        dir.Write("in.txt", bytes);
        return delimitedtext::Import(doc, dir.Path("in.txt"), delimiter, fields, names, kImportDay,
                                     &view);
    }

    CTempDir dir;
    CSidingWardDoc doc;
    CCountingView view;
    CCountingView other;
};

TEST_F(DelimitedTextDoc, ExportWritesHeadingsAndValuesAsCrLfRecords) {
    Texts values;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        values.push_back("v" + std::to_string(attribute));
    doc.AddItem(ItemOf(values), nullptr);
    doc.SetModifiedFlag(false);
    const std::string line = "v0\tv1\tv2\tv3\tv4\tv5\tv6\tv7\tv8\tv9\tv10\tv11\tv12\tv13\r\n";
    const std::string defaults = "Body Classification\tManufacturer\tItem Number\tRoadName\t"
                                 "Paint Scheme\tScale\tCondition\tOriginal Box\tDate Built\t"
                                 "Purchase Date\tPurchase Price\tCurrent Value\tUser Defined 1\t"
                                 "User Defined 2\r\n";
    EXPECT_EQ(Export("\t", true), defaults + line);

    CFixedClock clock{CDate{2000, 1, 1}};
    CClassificationDoc yard{clock};
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        yard.SetHeading(attribute, "H" + std::to_string(attribute));
    doc.SetClassificationYard(&yard);
    EXPECT_EQ(Export(";,", true), "H0;,H1;,H2;,H3;,H4;,H5;,H6;,H7;,H8;,H9;,H10;,H11;,H12;,H13\r\n" +
                                      std::string("v0;,v1;,v2;,v3;,v4;,v5;,v6;,v7;,v8;,v9;,v10;,"
                                                  "v11;,v12;,v13\r\n"));
    EXPECT_EQ(Export("", false), "v0v1v2v3v4v5v6v7v8v9v10v11v12v13\r\n");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DelimitedTextDoc, ExportFailureCarriesTheFileError) {
    const std::string path = dir.Path("missing/out.txt");
    const FileResult result = delimitedtext::Export(doc, path, "\t", true);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.message, filemessages::FileErrorText(ENOENT, path));
}

struct ParseCase {
    std::string record;
    std::string delimiter;
    Fields fields;
    Texts expected; // the attributes named by fields, in that order
};

TEST(DelimitedTextParse, FollowsTheFieldOrderAndItsStoppingRules) {
    const int m = 1, scale = 5, cond = 6, box = 7;
    const ParseCase cases[] = {
        {"A;B", ";", {m, scale, cond}, {"A", "", ""}},
        {"A;B;C;D", ";", {m, scale}, {"A", "B"}},
        {" A; B ;C", ";", {m, scale, cond}, {" A", "B ", "C"}},
        {"A\t\tC", "\t", {m, scale, cond}, {"A", "", ""}},
        {"A\t\tC", "\t", {m, scale}, {"A", "C"}},
        {"A;;B", ";", {m, scale, cond}, {"A", "", ""}},
        {"", ";", {m, scale}, {"", ""}},
        {";A", ";", {m}, {""}},
        {"A", ";", {box}, {"A"}},
        {"xaaayaaz", "aa", {m, scale, cond}, {"x", "ay", "z"}},
        {"xabababy", "aba", {m, scale}, {"x", "baby"}},
        {"A;B", "", {m, scale}, {"", ""}},
    };
    for (const auto& c : cases) {
        CInventoryElement item;
        delimitedtext::ParseRecord(c.record, c.delimiter, c.fields, item);
        Texts got;
        for (const int attribute : c.fields)
            got.push_back(item.GetAttributeText(attribute));
        EXPECT_EQ(got, c.expected) << c.record << " / " << c.delimiter;
    }
}

TEST(DelimitedTextParse, RecordsAndItemsEqualTheByteAtATimeImport) {
    std::mt19937 random(1303);
    CTempDir dir;
    const std::string alphabet("ab;,\t \r\n\v\0x", 11);
    const std::string delimiters[] = {";", "\t", "aa", "aba", "\t,", "\n", "ab;", "a"};
    for (int round = 0; round < 1500; ++round) {
        std::string bytes(random() % 120, ' ');
        for (char& c : bytes)
            c = alphabet[random() % alphabet.size()];
        const std::vector<std::string_view> records = delimitedtext::SplitRecords(bytes);
        const std::vector<std::string> expected = literalimport::SplitRecords(bytes);
        ASSERT_EQ(std::vector<std::string>(records.begin(), records.end()), expected) << bytes;

        Fields fields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
        std::shuffle(fields.begin(), fields.end(), random);
        fields.resize(1 + random() % kAttributeCount);
        const std::string& delimiter = delimiters[random() % std::size(delimiters)];
        const bool names = random() % 2 == 0;
        const auto literal = literalimport::Import(bytes, delimiter, fields, names);
        dir.Write("in.txt", bytes);
        CSidingWardDoc doc;
        const auto result = delimitedtext::Import(doc, dir.Path("in.txt"), delimiter, fields, names,
                                                  CDate{}, nullptr);
        ASSERT_EQ(static_cast<std::size_t>(doc.GetItemCount()), literal.size());
        EXPECT_EQ(result.added, literal.size());
        EXPECT_EQ(result.outcome,
                  literal.empty() ? ImportOutcome::NoRecord : ImportOutcome::Imported);
        for (std::size_t k = 0; k < literal.size(); ++k)
            ASSERT_EQ(ItemFields(*doc.GetItemAt(static_cast<int>(k))), ItemFields(*literal[k]))
                << bytes << " / " << delimiter;
    }
}

TEST_F(DelimitedTextDoc, ImportAppendsNewItemsAndMarksModified) {
    doc.AddItem(ItemOf(Texts(kAttributeCount, "old")), nullptr);
    doc.GetItemAt(0)->SetEntryDate(5, 6, 2001);
    doc.SetModifiedFlag(false);
    doc.AddView(&view);
    doc.AddView(&other);
    const auto result = Import("Maker\tScale\r\nA\tHO\r\n\r\nB\tN\r\ntail", "\t", {1, 5}, true);
    EXPECT_EQ(result.outcome, ImportOutcome::Imported);
    EXPECT_EQ(result.added, 3u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(other.updates, 1);
    ASSERT_EQ(doc.GetItemCount(), 4);
    EXPECT_EQ(doc.GetItemAt(0)->GetManufacturer(), "old");
    // The items already there keep their entry date; the new ones are entered today.
    EXPECT_EQ(doc.GetItemAt(0)->GetEntryYear(), 2001);
    CInventoryElement expected;
    expected.SetEntryDate(kImportDay.month, kImportDay.day, kImportDay.year);
    EXPECT_EQ(ItemFields(*doc.GetItemAt(2)), ItemFields(expected));
    expected.SetManufacturer("B");
    expected.SetScale("N");
    EXPECT_EQ(ItemFields(*doc.GetItemAt(3)), ItemFields(expected));
}

TEST_F(DelimitedTextDoc, ImportWithoutACompleteRecordAsksForTheTextEditor) {
    for (const auto& [bytes, names] :
         {std::pair{"A\tB", false}, {"A\tB\n\r", false}, {"Names\r\n", true}, {"", false}}) {
        doc.SetModifiedFlag(false);
        const auto result = Import(bytes, "\t", {0, 1}, names);
        EXPECT_EQ(result.outcome, ImportOutcome::NoRecord);
        EXPECT_TRUE(result.ShouldOpenInTextEditor());
        EXPECT_EQ(result.message, "Unable to detect the end of record indicator!\n\nMake sure "
                                  "that each record ends with carriage return line feed.\nCheck "
                                  "the integrity of the file using a text editor such as Notepad.");
        EXPECT_TRUE(doc.IsModified());
    }
    EXPECT_EQ(doc.GetItemCount(), 0);
}

TEST_F(DelimitedTextDoc, ImportOfAnUnreadableFileReportsTheFileError) {
    const std::string path = dir.Path("absent.txt");
    const auto result = delimitedtext::Import(doc, path, "\t", {0}, false, CDate{}, nullptr);
    EXPECT_EQ(result.outcome, ImportOutcome::FileError);
    EXPECT_EQ(result.message, "A file error has been detected!\nThe import file cannot be "
                              "loaded.\n" +
                                  filemessages::FileErrorText(ENOENT, path));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetItemCount(), 0);

    const std::string longPath = dir.Path(std::string(240, 'x') + ".txt");
    const auto cut = delimitedtext::Import(doc, longPath, "\t", {0}, false, CDate{}, nullptr);
    EXPECT_EQ(cut.message.size(), std::string(delimitedtext::kImportFileErrorPrefix).size() + 255);
}

TEST_F(DelimitedTextDoc, UnusableRequestsAreRefusedWithoutChange) {
    const std::string records = "A;B\r\n";
    const std::pair<std::string, Fields> requests[] = {
        {"", {0}},      {";", {}},   {";", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
        {";", {0, 14}}, {";", {-1}}, {";", {3, 3}},
    };
    for (const auto& [delimiter, fields] : requests) {
        const auto result = Import(records, delimiter, fields);
        EXPECT_EQ(result.outcome, ImportOutcome::Refused);
        EXPECT_EQ(result.message,
                  delimiter.empty() ? delimitedtext::kNoDelimiter : delimitedtext::kBadFieldOrder);
    }
    doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    doc.SetModifiedFlag(false);
    std::string blankLines;
    for (int k = 0; k < 65535; ++k)
        blankLines += "\r\n";
    const auto full = Import(blankLines, ";", {0});
    EXPECT_EQ(full.outcome, ImportOutcome::Refused);
    EXPECT_EQ(full.message, "in.txt cannot be imported: an inventory holds at most 65535 items, "
                            "this one would hold 65536.");
    EXPECT_EQ(doc.GetItemCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

} // namespace

namespace {

// A value made of the bytes a quoted file must survive: every non-zero byte, the
// delimiter's characters, quotes, CR and LF, and sometimes nothing at all.
std::string RandomValue(std::mt19937& random, const std::string& delimiter) {
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string value;
    for (int n = length(random); n > 0; --n) {
        switch (kind(random)) {
        case 0:
            value += delimiter;
            break;
        case 1:
            value += '"';
            break;
        case 2:
            value += "\r\n";
            break;
        case 3:
            value += ' ';
            break;
        case 4: // a piece of the delimiter, which must not join with the real one
            value += delimiter[static_cast<std::size_t>(byte(random)) % delimiter.size()];
            break;
        default:
            value += static_cast<char>(byte(random));
        }
    }
    return value;
}

} // namespace

// Exported quoted and read back with the same choices, every item comes back with
// its fourteen attributes, whatever they hold (plain numbers in the money
// attributes as money texts).
TEST_F(DelimitedTextDoc, QuotedValuesSurviveTheRoundTrip) {
    std::mt19937 random(20261208);
    const Fields all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (const std::string delimiter : {",", "\t", ";,", "ab", "aa"}) {
        for (const bool names : {false, true}) {
            CSidingWardDoc source;
            for (int n = 0; n < 60; ++n) {
                Texts values;
                for (int attribute = 0; attribute < kAttributeCount; ++attribute)
                    values.push_back(RandomValue(random, delimiter));
                source.AddItem(ItemOf(values), nullptr);
            }
            ASSERT_TRUE(delimitedtext::Export(source, dir.Path("round.txt"), delimiter, names, true)
                            .Succeeded());
            CSidingWardDoc target;
            const CDelimitedImportResult result = delimitedtext::Import(
                target, dir.Path("round.txt"), delimiter, all, names, CDate{}, nullptr, true);
            ASSERT_TRUE(result.Succeeded()) << result.message;
            ASSERT_EQ(target.GetItemCount(), source.GetItemCount());
            for (std::size_t k = 0; k < source.GetItems().size(); ++k) {
                for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
                    std::string expected = source.GetItems()[k]->GetAttributeText(attribute);
                    delimitedtext::RewriteMoney(attribute, expected);
                    ASSERT_EQ(target.GetItems()[k]->GetAttributeText(attribute), expected)
                        << "delimiter " << delimiter << ", item " << k << ", attribute "
                        << attribute;
                }
            }
        }
    }
}

TEST_F(DelimitedTextDoc, QuotedExportQuotesOnlyWhatNeedsIt) {
    Texts values(kAttributeCount, "v");
    values[0] = "a,b";
    values[1] = "say \"hi\"";
    values[2] = "two\r\nlines";
    values[3] = "";
    values[4] = " padded ";
    doc.AddItem(ItemOf(values), nullptr);
    ASSERT_TRUE(delimitedtext::Export(doc, dir.Path("q.txt"), ",", false, true).Succeeded());
    EXPECT_EQ(dir.Read("q.txt"),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",, padded ,v,v,v,v,v,v,v,v,v\r\n");
    // A delimiter that could not be told from the quoting is refused, and nothing written.
    const FileResult refused = delimitedtext::Export(doc, dir.Path("r.txt"), "\"", false, true);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_EQ(refused.message, delimitedtext::kQuotedDelimiter);
}

// What a spreadsheet saves as CSV: names first, quotes where needed, lines that
// may end in LF alone.
TEST_F(DelimitedTextDoc, QuotedImportReadsASpreadsheetsCsv) {
    const std::string csv = "Manufacturer,Item Number,Road Name\n"
                            "Lionel,\"6464-1\",\"Santa Fe, \"\"Chief\"\"\"\r\n"
                            "\"Atlas\nO\",,Erie\n"
                            "Bachmann\n";
    dir.Write("sheet.csv", csv);
    const CDelimitedImportResult result = delimitedtext::Import(
        doc, dir.Path("sheet.csv"), ",", {1, 2, 3}, true, CDate{}, nullptr, true);
    ASSERT_TRUE(result.Succeeded()) << result.message;
    ASSERT_EQ(doc.GetItemCount(), 3);
    const auto text = [this](int item, int attribute) {
        return doc.GetItems()[static_cast<std::size_t>(item)]->GetAttributeText(attribute);
    };
    EXPECT_EQ(text(0, 1), "Lionel");
    EXPECT_EQ(text(0, 2), "6464-1");
    EXPECT_EQ(text(0, 3), "Santa Fe, \"Chief\"");
    EXPECT_EQ(text(1, 1), "Atlas\nO");
    EXPECT_EQ(text(1, 2), ""); // an empty value does not end the record
    EXPECT_EQ(text(1, 3), "Erie");
    EXPECT_EQ(text(2, 1), "Bachmann");
    EXPECT_EQ(text(2, 2), "");
}

TEST_F(DelimitedTextDoc, PreviewShowsTheFirstRecordsAsTheImportReadsThem) {
    std::string bytes = "names\r\n";
    bytes += "a;b;c\r\n"; // complete
    bytes += "a;;c\r\n";  // an empty value ends it
    bytes += "a\r\n";     // no delimiter before the last field: nothing read
    for (int n = 0; n < 30; ++n)
        bytes += "x;y;z\r\n";
    bytes += "dropped"; // no record end
    dir.Write("p.txt", bytes);
    const CImportPreview preview =
        delimitedtext::Preview(dir.Path("p.txt"), ";", {0, 1, 2}, true, false, 20);
    ASSERT_EQ(preview.outcome, ImportOutcome::Imported);
    EXPECT_EQ(preview.recordCount, 33U);
    ASSERT_EQ(preview.records.size(), 20U);
    EXPECT_EQ(preview.records[0].values, (Texts{"a", "b", "c"}));
    EXPECT_FALSE(preview.records[0].cutShort);
    EXPECT_EQ(preview.records[1].values, (Texts{"a"}));
    EXPECT_TRUE(preview.records[1].cutShort);
    EXPECT_TRUE(preview.records[2].values.empty());
    EXPECT_TRUE(preview.records[2].cutShort);
    EXPECT_EQ(doc.GetItemCount(), 0);

    // The import adds what the preview counted, with the values it showed.
    ASSERT_TRUE(Import(bytes, ";", {0, 1, 2}, true).Succeeded());
    ASSERT_EQ(doc.GetItemCount(), 33);
    EXPECT_EQ(doc.GetItems()[1]->GetAttributeText(0), "a");
    EXPECT_EQ(doc.GetItems()[1]->GetAttributeText(2), "");

    // Nothing to show: the outcome the import would end with.
    dir.Write("names.txt", "names\r\n");
    EXPECT_EQ(delimitedtext::Preview(dir.Path("names.txt"), ";", {0}, true, false).outcome,
              ImportOutcome::NoRecord);
    EXPECT_EQ(delimitedtext::Preview(dir.Path("none.txt"), ";", {0}, true, false).outcome,
              ImportOutcome::FileError);
    EXPECT_EQ(delimitedtext::Preview(dir.Path("p.txt"), "\"", {0}, true, true).outcome,
              ImportOutcome::Refused);
}

TEST(DelimiterSearch, FindsWhatAPlainFindFinds) {
    // Small alphabets make the partial matches a long delimiter must step through.
    std::mt19937 random(7);
    for (const std::string alphabet : {"ab", "aab", "abc\t"}) {
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        const auto draw = [&](std::size_t length) {
            std::string text;
            for (std::size_t k = 0; k < length; ++k)
                text += alphabet[pick(random)];
            return text;
        };
        for (int round = 0; round < 400; ++round) {
            const std::string delimiter = draw(1 + static_cast<std::size_t>(round) % 7);
            const std::string text = draw(static_cast<std::size_t>(round) % 60);
            const CDelimiterSearch search(delimiter);
            for (std::size_t from = 0; from <= text.size(); ++from)
                ASSERT_EQ(search.Find(text, from), std::string_view(text).find(delimiter, from))
                    << delimiter << " in " << text << " from " << from;
        }
    }
}

TEST_F(DelimitedTextDoc, QuotedImportRefusesAQuoteThatNeverCloses) {
    const std::string bytes = "a,b\r\n\"c,d\r\ne,f\r\ng,h\r\n";
    dir.Write("open.csv", bytes);
    const std::string message = "The quoted value that starts on line 2 is never closed.";
    const CImportPreview preview =
        delimitedtext::Preview(dir.Path("open.csv"), ",", {0, 1}, false, true);
    EXPECT_EQ(preview.outcome, ImportOutcome::Refused);
    EXPECT_EQ(preview.message, message);
    const CDelimitedImportResult result =
        delimitedtext::Import(doc, dir.Path("open.csv"), ",", {0, 1}, false, CDate{}, &view, true);
    EXPECT_EQ(result.outcome, ImportOutcome::Refused);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(doc.GetItemCount(), 0);
}

TEST(CodePage1252, DetectsUtf8ByItsMarkOrItsCharacters) {
    const std::pair<std::string, TextEncoding> cases[] = {
        {"Road,Scale\r\n", TextEncoding::Windows1252},
        {"M\xE4rklin\r\n", TextEncoding::Windows1252},
        {"M\xC3\xA4rklin\r\n", TextEncoding::Utf8},
        {"\xEF\xBB\xBFRoad\r\n", TextEncoding::Utf8},
        {"M\xC3\xA4rklin \xE4\r\n", TextEncoding::Windows1252},
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(codepage1252::DetectEncoding(bytes), encoding) << bytes;
}

// A spreadsheet's UTF-8 file: its mark is not part of the first value, its
// characters arrive as the inventory's bytes, and one the inventory cannot hold
// refuses the file with its line. UTF-8 export writes the characters back.
TEST_F(DelimitedTextDoc, Utf8FilesAreConvertedToTheInventorysBytes) {
    dir.Write("u.csv", "\xEF\xBB\xBF\"Road\",M\xC3\xA4rklin\r\n\xE2\x82\xAC,x\r\n");
    const auto result = delimitedtext::Import(doc, dir.Path("u.csv"), ",", {3, 1}, false, CDate{},
                                              &view, true, TextEncoding::Utf8);
    ASSERT_TRUE(result.Succeeded()) << result.message;
    ASSERT_EQ(doc.GetItemCount(), 2);
    EXPECT_EQ(doc.GetItems()[0]->GetAttributeText(3), "Road");
    EXPECT_EQ(doc.GetItems()[0]->GetAttributeText(1), "M\xE4rklin");
    EXPECT_EQ(doc.GetItems()[1]->GetAttributeText(3), "\x80");

    ASSERT_TRUE(
        delimitedtext::Export(doc, dir.Path("out.csv"), ",", false, true, TextEncoding::Utf8)
            .Succeeded());
    EXPECT_EQ(dir.Read("out.csv").substr(0, 16), ",M\xC3\xA4rklin,,Road,");

    dir.Write("arrow.csv", "a,b\r\nc,d\r\ne,\xE2\x86\x92\r\n");
    const auto refused = delimitedtext::Import(doc, dir.Path("arrow.csv"), ",", {3, 1}, false,
                                               CDate{}, &view, false, TextEncoding::Utf8);
    EXPECT_EQ(refused.outcome, ImportOutcome::Refused);
    EXPECT_EQ(refused.message, "Line 3 holds the character \"\xE2\x86\x92\" (U+2192), which an "
                               "inventory cannot store.");
    EXPECT_EQ(doc.GetItemCount(), 2);
}

TEST(PlainNumberAsMoney, RewritesOnlyPlainNumbers) {
    const std::pair<std::string, std::string> rewritten[] = {
        {"125", "125.00"},    {"1250", "1250.00"},       {"1250.5", "1250.00"},
        {"1,250", "1250.00"}, {"-1,250.75", "-1250.00"}, {"+7", "7.00"},
        {"007", "7.00"},      {"125.00", "125.00"},      {"1,234,567", "1234567.00"},
    };
    for (const auto& [text, money] : rewritten)
        EXPECT_EQ(PlainNumberAsMoney(text), money) << text;
    for (const std::string kept :
         {"", "$125", "125 ", " 125", "12a", "1,25", "1,2500", ",125", "1234,567", "125.", ".5",
          "1.2.3", "-", "N/A", "1234567890123456789012"})
        EXPECT_EQ(PlainNumberAsMoney(kept), std::nullopt) << kept;
}

// What a spreadsheet saves after opening a quoted export: numbers for the money
// texts, and no empty values at a record's end.
TEST_F(DelimitedTextDoc, QuotedImportStoresSpreadsheetNumbersAsMoneyTexts) {
    const Fields fields = {1, 10, 11, 12};
    dir.Write("sheet.csv", "Lionel;125;\"1,250\"\r\nAtlas;$5;1250.5\r\nErie\r\n");
    const CImportPreview shown =
        delimitedtext::Preview(dir.Path("sheet.csv"), ";", fields, false, true);
    ASSERT_EQ(shown.records.size(), 3U);
    EXPECT_EQ(shown.records[0].values, (Texts{"Lionel", "125.00", "1250.00", ""}));
    EXPECT_EQ(shown.records[2].values, (Texts{"Erie", "", "", ""}));
    EXPECT_FALSE(shown.records[2].cutShort);

    const auto result =
        delimitedtext::Import(doc, dir.Path("sheet.csv"), ";", fields, false, CDate{}, &view, true);
    ASSERT_TRUE(result.Succeeded()) << result.message;
    EXPECT_EQ(result.rewritten, 3U);
    ASSERT_EQ(doc.GetItemCount(), 3);
    EXPECT_EQ(doc.GetItems()[0]->GetAttributeText(11), "1250.00");
    EXPECT_EQ(doc.GetItems()[1]->GetAttributeText(10), "$5");
    EXPECT_EQ(doc.GetItems()[1]->GetAttributeText(11), "1250.00");

    // Unquoted, the values are stored as read.
    const auto literal = Import("Lionel;125\r\n", ";", {1, 10});
    EXPECT_EQ(literal.rewritten, 0U);
    EXPECT_EQ(doc.GetItems()[3]->GetAttributeText(10), "125");
}

TEST_F(DelimitedTextDoc, QuotedExportRefusesAnEmptyDelimiter) {
    doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    const FileResult refused = delimitedtext::Export(doc, dir.Path("e.csv"), "", false, true);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_EQ(refused.message, delimitedtext::kQuotedNoDelimiter);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("e.csv")));
}
