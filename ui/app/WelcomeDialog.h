#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

// "Welcome to The Gaugewright!": offers a first step. After OK exactly one of
// tutorial, create and open is set, or none for "Continue"; the check box's state
// is the do-not-show flag. The dialog itself writes nothing.
class CWelcomeDialog : public QDialog {
    Q_OBJECT

public:
    enum class Choice { Tutorial, Create, Open, Continue };

    explicit CWelcomeDialog(QWidget* parent = nullptr);

    Choice GetChoice() const;
    bool DoNotShowAgain() const;

    QRadioButton* ChoiceButton(Choice choice) const;
    QCheckBox* DoNotShowBox() const { return m_doNotShow; }

private:
    QRadioButton* m_choices[4] = {};
    QCheckBox* m_doNotShow = nullptr;
};
