#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "model/yard/ItemNumberBuilderModel.h"

class CMessageSink;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QToolButton;
class QVBoxLayout;

// The Item Number Builder: a small modal dialog with an on-screen keyboard of
// digits, capital letters and the hyphen with which the user composes an item
// number without typing. Typing into its text field works as well.
class CItemNumberBuilder : public QDialog {
    Q_OBJECT

public:
    // title is the window title (see CItemNumberBuilderModel::TitleFor); messages
    // shows the dialog's message boxes and must outlive it.
    CItemNumberBuilder(const std::string& title, CMessageSink& messages, QWidget* parent = nullptr);

    // Runs the builder modally, titled with the Item Number heading followed by
    // " Builder". Gives the composed text on OK (never empty), nothing on Cancel.
    static std::optional<std::string> Run(QWidget* parent, const std::string& itemNumberHeading,
                                          CMessageSink& messages);

    // The composed text, set when the dialog was closed with OK.
    const std::string& GetResult() const { return m_result; }

    // Checks the text and closes with OK, or says why not and stays open.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void AddKeyboard(QVBoxLayout* layout);
    void SizeKeys();
    void PressKey(char character);
    // Takes what the user typed, or refuses it when a file could not hold it.
    void OnTextChanged(const QString& typed);
    void OnReturnPressed();
    // Shows the model's text in the field and enables the buttons to match.
    void ShowText();
    void UpdateButtons();

    CMessageSink& m_messages;
    CItemNumberBuilderModel m_model;
    std::string m_result;
    QLineEdit* m_edit = nullptr;
    std::vector<QToolButton*> m_keys;
    // The gaps that set the digits, the letters and the hyphen apart.
    std::vector<QSpacerItem*> m_gaps;
    QPushButton* m_clear = nullptr;
    QPushButton* m_undoLast = nullptr;
    QPushButton* m_ok = nullptr;
};
