#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/CodePage1252.h"
#include "model/core/DelimiterSearch.h"
#include "model/framework/Clock.h"
#include "model/framework/FileResult.h"

class CDocumentView;
class CInventoryElement;
class CSidingWardDoc;

// How an import into an inventory ended.
enum class ImportOutcome {
    // The records were appended (possibly none: a file of names only is NoRecord).
    Imported,
    // Nothing was read and nothing changed: the delimiter or the field order is
    // unusable, or the items would not fit in an inventory. The message says why.
    Refused,
    // The file could not be read; no item was added.
    FileError,
    // The file holds no complete record; no item was added. The caller shows the
    // message and opens the file in a text editor.
    NoRecord,
};

// The outcome of an import with the program's message for the user.
struct CDelimitedImportResult {
    ImportOutcome outcome = ImportOutcome::Imported;
    std::string message; // in English
    CUserText text{};    // the same, for the window layer to translate
    // The number of items appended to the inventory.
    std::size_t added = 0;
    // The number of Purchase Prices and Current Values a quoted import wrote as
    // money texts (a spreadsheet's 125 stored as 125.00).
    std::size_t rewritten = 0;

    bool Succeeded() const { return outcome == ImportOutcome::Imported; }
    bool ShouldOpenInTextEditor() const { return outcome == ImportOutcome::NoRecord; }
};

// The values one record gives, position by position of a field order, as the
// import reads them.
struct CRecordValues {
    // At most one value per position of the field order.
    std::vector<std::string> values;
    // The record ended before every position had its value: the attributes of the
    // positions after the last value stay empty. Quoted records are never cut
    // short: spreadsheets leave out empty values at the end, so those read as empty.
    bool cutShort = false;
};

// What an import would do, read before it does it.
struct CImportPreview {
    // Imported when the file holds records to add; otherwise what the import
    // would end with (Refused, FileError, NoRecord), with its message.
    ImportOutcome outcome = ImportOutcome::Imported;
    std::string message; // in English
    CUserText text{};    // the same, for the window layer to translate
    // The number of items the import would add.
    std::size_t recordCount = 0;
    // The first records as the import reads them.
    std::vector<CRecordValues> records;
};

// The delimited text format: one record per line ended by CR LF, the values
// separated by a delimiter text, without quoting or escaping. Quoted, values that
// need it are written in double quotes as spreadsheets write CSV (RFC 4180).
namespace delimitedtext {

inline constexpr std::string_view kRecordEnd = "\r\n";

inline constexpr const char* kNoDelimiter = GW_TRANSLATE_NOOP(
    "Messages", "The import file must have at least 1 field delimiter specified!");
inline constexpr const char* kNoEndOfRecord =
    GW_TRANSLATE_NOOP("Messages", "Unable to detect the end of record indicator!"
                                  "\n\nMake sure that each record ends with carriage return "
                                  "line feed.\nCheck the integrity of the file using a text "
                                  "editor such as Notepad.");
inline constexpr const char* kImportFileErrorPrefix =
    "A file error has been detected!\nThe import file cannot be loaded.\n";
// The system's description of a file error is cut to this many characters.
inline constexpr std::size_t kMaxErrorDescription = 255;
inline constexpr const char* kQuotedDelimiter = GW_TRANSLATE_NOOP(
    "Messages",
    "With quoted values the field delimiter cannot hold a double quote or a line break.");
inline constexpr const char* kQuotedNoDelimiter =
    GW_TRANSLATE_NOOP("Messages", "With quoted values the field delimiter cannot be empty.");
inline constexpr const char* kBadFieldOrder = GW_TRANSLATE_NOOP(
    "Messages",
    "The field order must name from 1 to 14 different attributes, each by its index 0 to 13.");

// The refusal of a quoted file whose last quoted value has no closing quote.
CUserText UnclosedQuoteMessage(std::size_t line);

// A quoted import's money text for the value it reads into attribute: a plain
// number in Purchase Price or Current Value becomes whole dollars and ".00"
// (PlainNumberAsMoney); true when value changed.
bool RewriteMoney(int attribute, std::string& value);

// The records of a file image: the text before each CR LF pair, pairs taken from
// the left without overlapping. Text after the last pair is dropped; a lone CR or
// LF stays part of its record. The views point into bytes.
std::vector<std::string_view> SplitRecords(std::string_view bytes);

// The one record of an item's fourteen attribute texts in attribute index order,
// joined by delimiter and ended by CR LF, appended to out.
void AppendRecord(const CInventoryElement& item, std::string_view delimiter, std::string& out,
                  bool quoted = false);
// The same values without the record's end.
void AppendValues(const CInventoryElement& item, std::string_view delimiter, std::string& out,
                  bool quoted = false);
// One value as a record holds it. Quoted, a value that holds a double quote, CR,
// LF or anything that could be read as the delimiter is put in double quotes,
// its own quotes doubled; other values are written as they are.
void AppendValue(std::string_view value, std::string_view delimiter, bool quoted, std::string& out);

// Reads the records of a file image one after another, as the import does.
// Without quoting a record is the text before a CR LF pair and its values are read
// as ParseRecord reads them. Quoted, a record ends at CR LF or LF outside double
// quotes; a value that begins with a double quote runs to the closing quote (a
// doubled quote stands for one) and may hold the delimiter and line breaks; empty
// values are values, and nothing is trimmed. Text after the last record end is
// dropped either way; a quote that never closes ends the reading, which
// UnclosedQuoteAt then tells. bytes must outlive the reader. Finding the delimiter
// and the record ends takes time linear in the bytes, however long the delimiter.
class CRecordReader {
public:
    CRecordReader(std::string_view bytes, std::string_view delimiter, bool quoted);

    // Reads the next record's values for fieldCount positions into record; false
    // when no complete record is left.
    bool Next(std::size_t fieldCount, CRecordValues& record);
    // Reads the next record straight into item, setting the attributes fieldOrder
    // names; false when no complete record is left.
    bool Next(const std::vector<int>& fieldOrder, CInventoryElement& item);
    // Passes over the next record; false when none is left.
    bool Skip();
    // Where the quoted value starts whose closing quote is missing, once reading
    // stopped there; npos otherwise.
    std::size_t UnclosedQuoteAt() const { return m_unclosedQuote; }

private:
    bool NextQuoted(std::size_t fieldCount, CRecordValues* record);
    // The position of the first LF at or after at, or the end of the bytes.
    std::size_t LineEnd(std::size_t at);

    std::string_view m_bytes;
    CDelimiterSearch m_delimiter;
    bool m_quoted;
    std::size_t m_position = 0;
    std::size_t m_lineEnd = 0; // the last LineEnd answer, valid while above its question
    bool m_lineEndKnown = false;
    std::size_t m_unclosedQuote = std::string_view::npos;
    CRecordValues m_scratch;
};

// Sets the attributes that fieldOrder names, position by position, from the
// values of record. Parsing stops at the first empty value, and at a position
// other than the last when no delimiter follows; white space after each
// delimiter is skipped. The delimiter must not be empty.
void ParseRecord(std::string_view record, std::string_view delimiter,
                 const std::vector<int>& fieldOrder, CInventoryElement& item);

// Empty when fieldOrder names 1 to 14 different attribute indexes in 0..13;
// otherwise the message that refuses it.
CUserText CheckFieldOrder(const std::vector<int>& fieldOrder);
// Empty when delimiter can separate quoted values (it holds no double quote, CR
// or LF); otherwise the message that refuses it.
CUserText CheckQuotedDelimiter(std::string_view delimiter);

// Writes the document's items to path as delimited text, safely replacing an
// existing file: first, when includeFieldNames, a record of the fourteen headings
// of the document's linked Classification Yard (the default attribute names when
// none is linked), then one record per item in list order. An empty delimiter runs
// the values together. Changes nothing in the document; a failure carries the file
// error message and leaves an old file intact. Quoted, the delimiter must not be
// empty. In UTF-8 the bytes are written as the characters they stand for.
FileResult Export(const CSidingWardDoc& doc, const std::string& path, const std::string& delimiter,
                  bool includeFieldNames, bool quoted = false,
                  TextEncoding encoding = TextEncoding::Windows1252);

// Appends to the document one new item per record of the delimited text file at
// path (the first record skipped when firstRecordHoldsNames), setting the
// attributes that fieldOrder names (attribute indexes, in the file's order). The
// new items are entered on today, the day of the import.
// Unless the request is Refused, it then marks the document modified and tells
// every view but sender, as the import command does even when nothing was added.
// A UTF-8 file is converted to the inventory's Windows-1252 bytes first; a
// character that has none refuses the import with its line. Quoted, the file's
// plain numbers in Purchase Price and Current Value are stored as money texts
// (RewriteMoney), and a quote that never closes refuses the import.
CDelimitedImportResult Import(CSidingWardDoc& doc, const std::string& path,
                              const std::string& delimiter, const std::vector<int>& fieldOrder,
                              bool firstRecordHoldsNames, CDate today, CDocumentView* sender,
                              bool quoted = false,
                              TextEncoding encoding = TextEncoding::Windows1252);

// What Import would do with the same choices, without changing anything: the
// number of items it would add and the first `shown` records with the values it
// would store, or the outcome and message it would end with.
CImportPreview Preview(const std::string& path, const std::string& delimiter,
                       const std::vector<int>& fieldOrder, bool firstRecordHoldsNames, bool quoted,
                       std::size_t shown = 20, TextEncoding encoding = TextEncoding::Windows1252);

// The encoding the file at path most likely has (codepage1252::DetectEncoding);
// Windows-1252 when it cannot be read.
TextEncoding FileEncoding(const std::string& path);

// One item as the export writes it with field names: a line of the fourteen
// headings of the document's linked yard (or the default names), then a line of
// the item's fourteen values, each joined by delimiter and ended by lineEnd.
std::string ItemWithHeadings(const CSidingWardDoc& doc, const CInventoryElement& item,
                             std::string_view delimiter, std::string_view lineEnd);

} // namespace delimitedtext
