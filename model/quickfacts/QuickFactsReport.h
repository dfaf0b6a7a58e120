#pragma once

#include <string>

#include "model/framework/UserText.h"

class CInventoryElement;

// The icon of a message box, as the widgets are to show it.
enum class ReportIcon {
    Information,
    Warning, // the exclamation mark
    Stop,
    Question,
};

// One Quick Facts answer, ready for the widgets to show: a message box with an OK
// button, and the wave file to play just before it (empty for none).
struct CQuickFactsReport {
    std::string text;    // in English
    std::string caption; // in English
    ReportIcon icon = ReportIcon::Warning;
    std::string sound;
    // text and caption for the window layer to translate; empty when given as plain
    // texts only.
    CUserText userText{};
    CUserText userCaption{};

    // The same answer in English, with the same icon and sound.
    bool operator==(const CQuickFactsReport& other) const {
        return text == other.text && caption == other.caption && icon == other.icon &&
               sound == other.sound;
    }
};

// A performer report and the item it names, which the view selects; null when none.
struct CPerformerReport {
    CQuickFactsReport report;
    CInventoryElement* item = nullptr;
};

namespace quickfacts {

inline constexpr const char* kLossSound = "GAUGEWST.WAV";
inline constexpr const char* kBreakEvenSound = "GAUGECOI.WAV";
inline constexpr const char* kGainSound = "GAUGECSH.WAV";
inline constexpr const char* kStarSound = "GAUGESTR.WAV";

// A report with the exclamation icon and the application title as caption.
CQuickFactsReport MakeReport(CUserText text, std::string sound = {});

// The item's Body Classification and Manufacturer as the item reports head their
// result: BC + "\n" + MF + "\n\n".
std::string ItemHeadline(const CInventoryElement& item);

// Whether a gain text reads as a loss ("-"), as break-even or as a gain. Dollar
// texts break even when they begin with "0", ratio texts when they begin with "0.00".
enum class GainClass { Loss, BreakEven, Gain };
GainClass ClassifyDollarText(const std::string& amountText);
GainClass ClassifyRatioText(const std::string& ratioText);

// "Loss of: " or "Gain of: " + unit ('$' or '%') + figure, or "Break Even!".
CUserText OutcomeText(GainClass gain, char unit, const std::string& figure);
// pattern with the item's Body Classification and Manufacturer as %1 and %2.
CUserText ItemReportText(const char* pattern, const CInventoryElement& item, CUserText result);
// The sound of an inventory gain report of that class.
const char* OutcomeSound(GainClass gain);

} // namespace quickfacts
