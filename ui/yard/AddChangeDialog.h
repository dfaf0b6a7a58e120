#pragma once

#include <string>

#include <QDialog>

class CMessageSink;
class QLineEdit;
class QPushButton;

// "Classification Yard - Add/Change": one value of an attribute, typed. OK is
// enabled while the field holds text.
class CAddChangeDialog : public QDialog {
    Q_OBJECT

public:
    // text is the value to change (empty to add one); messages must outlive the dialog.
    CAddChangeDialog(const std::string& text, CMessageSink& messages, QWidget* parent = nullptr);

    // The text as typed, once the dialog was closed with OK.
    const std::string& GetText() const { return m_text; }

    // Closes with OK unless the text holds characters no file could hold.
    void accept() override;

private:
    CMessageSink& m_messages;
    std::string m_text;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_ok = nullptr;
};
