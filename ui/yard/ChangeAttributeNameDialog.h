#pragma once

#include <string>

#include <QDialog>

class CMessageSink;
class QLineEdit;
class QPushButton;

// "Change Attribute Name": the current heading (read only) and the new one.
class CChangeAttributeNameDialog : public QDialog {
    Q_OBJECT

public:
    // from is the current heading; messages must outlive the dialog.
    CChangeAttributeNameDialog(const std::string& from, CMessageSink& messages,
                               QWidget* parent = nullptr);

    // The new heading as typed, once the dialog was closed with OK.
    const std::string& GetTo() const { return m_to; }

    // Closes with OK unless the text holds characters no file could hold.
    void accept() override;

private:
    CMessageSink& m_messages;
    std::string m_to;
    QLineEdit* m_toEdit = nullptr;
    QPushButton* m_ok = nullptr;
};
