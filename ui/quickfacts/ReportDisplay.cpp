#include "ui/quickfacts/ReportDisplay.h"

#include "model/quickfacts/QuickFactsReport.h"
#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"

namespace {

MessageIcon IconOf(ReportIcon icon) {
    switch (icon) {
    case ReportIcon::Information:
        return MessageIcon::Information;
    case ReportIcon::Warning:
        return MessageIcon::Warning;
    case ReportIcon::Stop:
        return MessageIcon::Critical;
    case ReportIcon::Question:
        return MessageIcon::Question;
    }
    return MessageIcon::None;
}

} // namespace

namespace quickfacts {

void ShowReport(const CQuickFactsReport& report, CMessageSink& messages, CSoundPlayer& sounds,
                QWidget* parent) {
    if (!report.sound.empty())
        sounds.Play(text::FromBytes(report.sound));
    // Item texts and amounts are the file's bytes.
    const QString text = report.userText.Empty()
                             ? text::FromBytes(report.text)
                             : UserMessage(report.userText, MessageBytes::Windows1252);
    const QString caption = report.userCaption.Empty()
                                ? text::FromBytes(report.caption)
                                : UserMessage(report.userCaption, MessageBytes::Windows1252);
    messages.Show(parent, {text, caption, IconOf(report.icon), MessageButtons::Ok});
}

} // namespace quickfacts
