#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RecoverDiscardLater };
enum class MessageAnswer { Ok, Cancel, Yes, No, Recover, Discard, Later };

// One message box: text, caption, icon and buttons.
struct CMessage {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    friend bool operator==(const CMessage&, const CMessage&) = default;
};

// Every message box of the program goes through one sink: the program shows real
// boxes, the tests record them and give the answers they choose.
class CMessageSink {
public:
    virtual ~CMessageSink() = default;
    // Shows the message modally over parent (may be null) and returns the button pressed.
    virtual MessageAnswer Show(QWidget* parent, const CMessage& message) = 0;
};
