#include "model/quickfacts/Valuation.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/AmountSum.h"

namespace {

constexpr int kPurchasePrice = static_cast<int>(Attribute::PurchasePrice);
constexpr int kCurrentValue = static_cast<int>(Attribute::CurrentValue);

long long GainOf(const CInventoryElement& item) {
    return SaturatingSubtract(AmountValue(item.GetCurrentValue()),
                              AmountValue(item.GetPurchasePrice()));
}

long long SumOf(const CSidingWardDoc::ItemList& items, int attribute) {
    CAmountSum sum;
    for (const auto& item : items)
        sum.Add(AmountValue(item->GetAttributeText(attribute)));
    return sum.Value();
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

long long SaturatingAdd(long long a, long long b) {
    if (b > 0 && a > LLONG_MAX - b)
        return LLONG_MAX;
    if (b < 0 && a < -LLONG_MAX - b)
        return -LLONG_MAX;
    return std::clamp(a + b, -LLONG_MAX, LLONG_MAX);
}

long long SaturatingSubtract(long long a, long long b) {
    // -LLONG_MIN would overflow; the amounts never hold it, but a caller might.
    return SaturatingAdd(a, b == LLONG_MIN ? LLONG_MAX : -b);
}

std::string GainRatioText(double ratio) {
    if (!std::isfinite(ratio))
        return std::isnan(ratio) ? "nan" : (ratio < 0 ? "-inf" : "inf");

    // Seventeen significant digits: "d.dddddddddddddddde+XX".
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(ratio),
                                       std::chars_format::scientific, 16);
    const std::string_view form(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = form.find('e');
    std::string digits;
    for (const char c : form.substr(0, e))
        if (c != '.')
            digits += c;
    std::string_view exponentText = form.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // The magnitude in hundredths: every digit down to the second decimal place.
    const int kept = exponent + 3;
    const int available = static_cast<int>(digits.size());
    std::string hundredths;
    if (kept > 0) {
        hundredths = digits.substr(0, static_cast<std::size_t>(std::min(kept, available)));
        if (kept > available)
            hundredths.append(static_cast<std::size_t>(kept - available), '0');
    }
    if (kept >= 0 && kept < available && digits[static_cast<std::size_t>(kept)] >= '5')
        Increment(hundredths);

    const auto firstNonZero = hundredths.find_first_not_of('0');
    hundredths.erase(0, firstNonZero == std::string::npos ? hundredths.size() : firstNonZero);
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    std::string text = ratio < 0 ? "-" : "";
    text.append(hundredths, 0, hundredths.size() - 2);
    text += '.';
    text.append(hundredths, hundredths.size() - 2, 2);
    return text;
}

std::string GainRatioOf(long long current, long long purchase) {
    if (purchase == 0)
        return kCannotCalculateText;
    // The exact integer gain, unless it saturated; then the doubles' own difference.
    const long long gain = SaturatingSubtract(current, purchase);
    const double numerator = (gain == LLONG_MAX || gain == -LLONG_MAX)
                                 ? static_cast<double>(current) - static_cast<double>(purchase)
                                 : static_cast<double>(gain);
    return GainRatioText(numerator / static_cast<double>(purchase));
}

namespace valuation {

std::string DollarGainLoss(const CInventoryElement& item) {
    return AmountText(GainOf(item));
}

std::string PercentGainLoss(const CInventoryElement& item) {
    return GainRatioOf(AmountValue(item.GetCurrentValue()), AmountValue(item.GetPurchasePrice()));
}

std::string TotalExpenditures(const CSidingWardDoc::ItemList& items) {
    return AmountText(SumOf(items, kPurchasePrice));
}

std::string TotalAssetValue(const CSidingWardDoc::ItemList& items) {
    return AmountText(SumOf(items, kCurrentValue));
}

std::string DollarGainLoss(const CSidingWardDoc::ItemList& items) {
    // The difference of the two totals as they are shown, so the three answers agree.
    return AmountText(
        SaturatingSubtract(SumOf(items, kCurrentValue), SumOf(items, kPurchasePrice)));
}

std::string PercentGainLoss(const CSidingWardDoc::ItemList& items) {
    return GainRatioOf(SumOf(items, kCurrentValue), SumOf(items, kPurchasePrice));
}

CPerformer FindWorstPerformer(const CSidingWardDoc::ItemList& items) {
    // The search starts at 0, so only a loser can be found; zero gains met before the
    // first loser count as ties until it resets the count.
    long long worst = 0;
    CPerformer found;
    for (const auto& item : items) {
        const long long gain = GainOf(*item);
        if (gain < worst) {
            found.item = item.get();
            found.ties = 1;
            worst = gain;
        } else if (gain == worst) {
            ++found.ties;
        }
    }
    return found;
}

CPerformer FindBestPerformer(const CSidingWardDoc::ItemList& items) {
    long long best = 0;
    CPerformer found;
    for (const auto& item : items) {
        const long long gain = GainOf(*item);
        if (gain > best) {
            found.item = item.get();
            found.ties = 1;
            best = gain;
        } else if (gain == best) {
            ++found.ties;
        }
    }
    return found;
}

} // namespace valuation
