#pragma once

class QPrinter;

namespace printmargins {

// The smallest margin a printed report keeps on every side, in millimetres.
inline constexpr double kLeastMillimetres = 10;

// Widens the printer's margins to the larger of its own minimum margins and
// kLeastMillimetres on every side; wider margins the user chose stay. Qt's
// default margins are narrower than many printers can print, which cut off the
// ends of the lines.
void Apply(QPrinter& printer);

} // namespace printmargins
