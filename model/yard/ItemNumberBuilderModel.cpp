#include "model/yard/ItemNumberBuilderModel.h"

#include <array>

namespace {

using Key = CItemNumberBuilderModel::Key;

constexpr std::array<Key, 5> kDigitsLow{
    {{'0', 1065}, {'1', 1066}, {'2', 1067}, {'3', 1068}, {'4', 1070}}};
constexpr std::array<Key, 5> kDigitsHigh{
    {{'5', 1071}, {'6', 1072}, {'7', 1073}, {'8', 1074}, {'9', 1075}}};
// The control ids do not follow the alphabet everywhere (G, H, I); they are kept
// as they are for whoever looks a key up by its id.
constexpr std::array<Key, 7> kLettersAToG{
    {{'A', 1077}, {'B', 1078}, {'C', 1079}, {'D', 1080}, {'E', 1081}, {'F', 1082}, {'G', 1085}}};
constexpr std::array<Key, 7> kLettersHToN{
    {{'H', 1086}, {'I', 1083}, {'J', 1088}, {'K', 1089}, {'L', 1090}, {'M', 1091}, {'N', 1092}}};
constexpr std::array<Key, 7> kLettersOToU{
    {{'O', 1100}, {'P', 1101}, {'Q', 1102}, {'R', 1103}, {'S', 1104}, {'T', 1105}, {'U', 1106}}};
constexpr std::array<Key, 5> kLettersVToZ{
    {{'V', 1107}, {'W', 1108}, {'X', 1109}, {'Y', 1110}, {'Z', 1111}}};
constexpr std::array<Key, 1> kHyphen{{{'-', 1114}}};

constexpr std::array<std::span<const Key>, 7> kRows{
    kDigitsLow, kDigitsHigh, kLettersAToG, kLettersHToN, kLettersOToU, kLettersVToZ, kHyphen};

} // namespace

std::span<const std::span<const CItemNumberBuilderModel::Key>> CItemNumberBuilderModel::KeyRows() {
    return kRows;
}

std::string CItemNumberBuilderModel::TitleFor(const std::string& itemNumberHeading) {
    return itemNumberHeading + " Builder";
}

void CItemNumberBuilderModel::UndoLast() {
    if (!m_text.empty())
        m_text.pop_back();
}

std::optional<std::string> CItemNumberBuilderModel::Accept() const {
    if (m_text.empty())
        return std::nullopt;
    return m_text;
}
