#pragma once

#include <functional>

#include <QString>

class QDialogButtonBox;
class QWidget;

// Which page of the manual explains a window. Each window or dialog names its page
// (a file of the manual, optionally with a #section); F1 opens the page of the
// window in front.
namespace help {

inline constexpr const char* kContentsPage = "index.html";
inline constexpr const char* kGettingStartedPage = "getting-started.html#first-inventory";
inline constexpr const char* kTroubleshootingPage = "troubleshooting.html";

void SetHelpPage(QWidget* widget, const QString& page);

// The page of widget or of the nearest window or widget around it that names one;
// empty when none does.
QString HelpPageOf(const QWidget* widget);

// The page for what the user looks at: the modal dialog in front, else the focused
// widget of the active window, else (in the main window) its active document window.
// A message box leads to the troubleshooting page; nothing named, to the contents.
QString HelpPageInFront();

// How the program opens a page (set by the application; none in tests that do not).
void SetPageOpener(std::function<void(const QString& page)> opener);
// Opens the page of widget's window through the opener.
void ShowHelpOf(const QWidget* widget);
// A Help button on box that opens the page of its dialog.
void AddHelpButton(QDialogButtonBox* box);

} // namespace help
