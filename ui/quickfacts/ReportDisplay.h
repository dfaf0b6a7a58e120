#pragma once

class CMessageSink;
class CSoundPlayer;
class QWidget;
struct CQuickFactsReport;

namespace quickfacts {

// Shows a Quick Facts answer: its sound starts first (when it has one), then its
// message box opens over parent with an OK button.
void ShowReport(const CQuickFactsReport& report, CMessageSink& messages, CSoundPlayer& sounds,
                QWidget* parent);

} // namespace quickfacts
