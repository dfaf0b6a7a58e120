#include "ui/app/MessageBoxSink.h"

#include <memory>

#include "ui/common/Captions.h"

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton FirstButton(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? QMessageBox::Yes
               : QMessageBox::Ok;
}

} // namespace

MessageAnswer CMessageBoxSink::Show(QWidget* parent, const CMessage& message) {
    const std::unique_ptr<QMessageBox> box(CreateBox(parent, message));
    box->exec();
    return AnswerFor(message.buttons, box->standardButton(box->clickedButton()));
}

QMessageBox* CMessageBoxSink::CreateBox(QWidget* parent, const CMessage& message) {
    auto* box =
        new QMessageBox(BoxIcon(message.icon),
                        message.caption.isEmpty() ? captions::ApplicationTitle() : message.caption,
                        message.text, BoxButtons(message.buttons), parent);
    // File names and typed texts appear in messages; none of them is markup.
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(FirstButton(message.buttons));
    return box;
}

MessageAnswer CMessageBoxSink::AnswerFor(MessageButtons buttons,
                                         QMessageBox::StandardButton pressed) {
    switch (pressed) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    // The box was closed without a button (Escape or the close box).
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}
