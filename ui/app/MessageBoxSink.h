#pragma once

#include <QMessageBox>

#include "ui/common/MessageSink.h"

// Shows every message of the program as a real, modal QMessageBox.
class CMessageBoxSink : public CMessageSink {
public:
    // Runs the box over parent (may be null) and returns the button pressed; closing
    // the box without a button answers as its Cancel or No button would.
    MessageAnswer Show(QWidget* parent, const CMessage& message) override;

    // The box Show runs, not yet shown: plain text, caption as window title (the
    // application title when the message gives none), the message's icon and
    // buttons, the first button the default. Owned by the caller.
    static QMessageBox* CreateBox(QWidget* parent, const CMessage& message);

    // The answer for a button of a box made for buttons.
    static MessageAnswer AnswerFor(MessageButtons buttons, QMessageBox::StandardButton pressed);
};
