#include "model/yard/ItemNumberBuilderModel.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// One step a user takes: a key (its character), "undo", "clear" or "type:<text>".
using Steps = std::vector<std::string>;

struct SequenceCase {
    const char* name;
    Steps steps;
    std::string text;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SequenceCase& sequence, std::ostream* out) {
    *out << sequence.name;
}

void Apply(CItemNumberBuilderModel& model, const std::string& step) {
    if (step == "undo")
        model.UndoLast();
    else if (step == "clear")
        model.Clear();
    else if (step.starts_with("type:"))
        model.SetText(step.substr(5));
    else
        model.Append(step.at(0));
}

class ItemNumberSequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(ItemNumberSequenceTest, ComposesTheText) {
    CItemNumberBuilderModel model;
    for (const std::string& step : GetParam().steps)
        Apply(model, step);
    const std::string& expected = GetParam().text;
    EXPECT_EQ(model.GetText(), expected);
    EXPECT_EQ(model.CanEdit(), !expected.empty());
    EXPECT_EQ(model.Accept(),
              expected.empty() ? std::nullopt : std::optional<std::string>(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ItemNumberSequenceTest,
    testing::Values(SequenceCase{"Nothing", {}, ""},
                    SequenceCase{"UndoReplacesTheLastKey", {"1", "2", "undo", "A"}, "1A"},
                    SequenceCase{"UndoOnEmptyChangesNothing", {"undo", "undo"}, ""},
                    SequenceCase{"UndoToEmpty", {"7", "undo"}, ""},
                    SequenceCase{"ClearEmpties", {"4", "-", "B", "clear"}, ""},
                    SequenceCase{"KeysAfterClear", {"4", "clear", "Z", "9"}, "Z9"},
                    SequenceCase{"HyphenAppends", {"4", "-", "0", "0"}, "4-00"},
                    SequenceCase{"TypedLowerCaseStays", {"type:ab-12c"}, "ab-12c"},
                    SequenceCase{"KeysAppendToTyped", {"type:x1", "K"}, "x1K"},
                    SequenceCase{"UndoTakesOneTypedByte", {"type:\xE9\x80", "undo"}, "\xE9"},
                    SequenceCase{"TypedSpacesKept", {"type: 1 "}, " 1 "},
                    SequenceCase{"TypingNothingEmpties", {"5", "type:"}, ""}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return info.param.name; });

TEST(ItemNumberBuilderModelTest, KeyboardRowsInOrder) {
    std::vector<std::string> rows;
    for (const auto row : CItemNumberBuilderModel::KeyRows()) {
        std::string characters;
        for (const CItemNumberBuilderModel::Key& key : row)
            characters += key.character;
        rows.push_back(characters);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"01234", "56789", "ABCDEFG", "HIJKLMN", "OPQRSTU",
                                              "VWXYZ", "-"}));
}

TEST(ItemNumberBuilderModelTest, KeysCarryTheirControlIds) {
    const std::map<char, int> expected{
        {'0', 1065}, {'1', 1066}, {'2', 1067}, {'3', 1068}, {'4', 1070}, {'5', 1071}, {'6', 1072},
        {'7', 1073}, {'8', 1074}, {'9', 1075}, {'A', 1077}, {'B', 1078}, {'C', 1079}, {'D', 1080},
        {'E', 1081}, {'F', 1082}, {'G', 1085}, {'H', 1086}, {'I', 1083}, {'J', 1088}, {'K', 1089},
        {'L', 1090}, {'M', 1091}, {'N', 1092}, {'O', 1100}, {'P', 1101}, {'Q', 1102}, {'R', 1103},
        {'S', 1104}, {'T', 1105}, {'U', 1106}, {'V', 1107}, {'W', 1108}, {'X', 1109}, {'Y', 1110},
        {'Z', 1111}, {'-', 1114}};
    std::map<char, int> actual;
    std::set<int> ids;
    for (const auto row : CItemNumberBuilderModel::KeyRows())
        for (const CItemNumberBuilderModel::Key& key : row) {
            EXPECT_TRUE(actual.emplace(key.character, key.controlId).second) << key.character;
            EXPECT_TRUE(ids.insert(key.controlId).second) << key.controlId;
        }
    EXPECT_EQ(actual, expected);
}

TEST(ItemNumberBuilderModelTest, TitleFollowsTheHeading) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Item Number", "Item Number Builder"},
        {"Cat. No.", "Cat. No. Builder"},
        {"N\xB0", "N\xB0 Builder"},
        {"", " Builder"}};
    for (const auto& [heading, title] : cases)
        EXPECT_EQ(CItemNumberBuilderModel::TitleFor(heading), title) << heading;
}

} // namespace
