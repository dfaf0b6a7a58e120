#pragma once

// Message captions that model results carry themselves; the widgets show them
// through ui/common/Captions.h.
namespace captions {

inline constexpr const char* kApplicationTitle = "TheGaugewright";

} // namespace captions
