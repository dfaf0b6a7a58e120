#include "ui/app/MessageBoxSink.h"

#include <memory>

#include <QCoreApplication>
#include <QPushButton>

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
    case MessageButtons::RecoverDiscardLater:
        return QMessageBox::NoButton; // named buttons, added by CreateBox
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The buttons a standard button cannot name, in the order they stand.
struct NamedButton {
    const char* text;
    QMessageBox::ButtonRole role;
    MessageAnswer answer;
};
constexpr NamedButton kRecoverDiscardLater[] = {
    {QT_TRANSLATE_NOOP("CMessageBoxSink", "&Recover"), QMessageBox::AcceptRole,
     MessageAnswer::Recover},
    {QT_TRANSLATE_NOOP("CMessageBoxSink", "&Discard"), QMessageBox::DestructiveRole,
     MessageAnswer::Discard},
    {QT_TRANSLATE_NOOP("CMessageBoxSink", "&Later"), QMessageBox::RejectRole, MessageAnswer::Later},
};
// Which answer a named button gives; its shown text is the reader's language.
const char* const kAnswerProperty = "gaugewrightAnswer";

QMessageBox::StandardButton FirstButton(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
               ? QMessageBox::Yes
               : QMessageBox::Ok;
}

} // namespace

MessageAnswer CMessageBoxSink::Show(QWidget* parent, const CMessage& message) {
    const std::unique_ptr<QMessageBox> box(CreateBox(parent, message));
    box->exec();
    if (message.buttons == MessageButtons::RecoverDiscardLater) {
        const QAbstractButton* clicked = box->clickedButton();
        // Escape or the close box: nothing is decided now.
        if (!clicked || !clicked->property(kAnswerProperty).isValid())
            return MessageAnswer::Later;
        return static_cast<MessageAnswer>(clicked->property(kAnswerProperty).toInt());
    }
    return AnswerFor(message.buttons, box->standardButton(box->clickedButton()));
}

QMessageBox* CMessageBoxSink::CreateBox(QWidget* parent, const CMessage& message) {
    auto* box =
        new QMessageBox(BoxIcon(message.icon),
                        message.caption.isEmpty() ? captions::ApplicationTitle() : message.caption,
                        message.text, BoxButtons(message.buttons), parent);
    // File names and typed texts appear in messages; none of them is markup.
    box->setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::RecoverDiscardLater) {
        for (const NamedButton& named : kRecoverDiscardLater) {
            QPushButton* button = box->addButton(
                QCoreApplication::translate("CMessageBoxSink", named.text), named.role);
            button->setProperty(kAnswerProperty, static_cast<int>(named.answer));
            if (named.answer == MessageAnswer::Recover)
                box->setDefaultButton(button);
            if (named.answer == MessageAnswer::Later)
                box->setEscapeButton(button);
        }
        return box;
    }
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
    case MessageButtons::RecoverDiscardLater:
        return MessageAnswer::Later;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}
