#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/framework/Clock.h"

class CInventoryElement;

// An item's earlier current values, kept in its Reserved Text 1: every reader of
// the .inv format stores, loads and copies that text unchanged, so the history
// travels with the item to any copy of the program. The text is
//   GWVH1;YYYY-MM-DD=value|note;YYYY-MM-DD=value...
// oldest first; the note and its "|" are left out when there is none. Values and
// notes escape "%", ";", "|" and the control bytes as %XX (upper-case hex), so
// any byte string round-trips; other bytes stand as they are.
namespace valuehistory {

inline constexpr std::string_view kTag = "GWVH1";
// The longest text written: what the format stores with its short (16-bit) length
// prefix, which keeps each item of a file small however often it is valued. The
// oldest entries give way first.
inline constexpr std::size_t kMaxText = 65533;

struct Entry {
    CDate date;
    std::string value;
    std::string note;
    friend bool operator==(const Entry&, const Entry&) = default;
};

enum class Kind {
    None,    // empty: no history yet
    History, // a history in this form
    Foreign, // anything else, which is never touched
};

struct Parsed {
    Kind kind = Kind::None;
    std::vector<Entry> entries; // oldest first
};

// Reads a Reserved Text 1. Dates must be real and never go back; anything that is
// not exactly this form (another version among it) is Foreign.
Parsed Parse(std::string_view text);

// The text of entries (sorted oldest first); empty for no entries. Drops the
// oldest entries until the text fits kMaxText; nothing when even the newest alone
// does not.
std::optional<std::string> Format(std::vector<Entry> entries);

// "YYYY-MM-DD"; nothing for a date that is not a real one of years 0 to 9999.
std::optional<std::string> IsoDate(const CDate& date);
// The item's entry date when it is a real date.
std::optional<CDate> EntryDate(const CInventoryElement& item);

enum class Outcome {
    Recorded,  // values carries the history with the new entry
    Unchanged, // the current value is the same: nothing to record
    NotKept,   // Reserved Text 1 holds something else, or the entry does not fit
};

// Records the change of current value from before to values (the values a change
// is about to give the item) into values' Reserved Text 1: an entry dated on with
// the new value and note, and, for the first, also one with the value replaced,
// dated on the item's entry date. Entries stay in date order; a later entry of
// the same date comes after the earlier ones, and values' Current Value becomes
// that of the newest entry (a valuation dated before a later one changes only the
// past). Leaves values alone unless Recorded.
Outcome Record(CInventoryElement& values, const CInventoryElement& before, CDate on,
               std::string note = {});

// The value the history gives on a date: the latest entry not after it, or the
// oldest entry when all are later. Entries must not be empty.
const std::string& ValueOn(const std::vector<Entry>& entries, const CDate& date);

// True when a is an earlier day than b.
bool Before(const CDate& a, const CDate& b);

} // namespace valuehistory
