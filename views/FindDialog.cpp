#include "views/FindDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/MessageSink.h"
#include "framework/Text.h"

CFindDialog::CFindDialog(std::vector<std::string>& history, CMessageSink& messages,
                         QWidget* parent)
    : QDialog(parent), m_history(history), m_messages(messages), m_text(new QComboBox(this)),
      m_matchCaseBox(new QCheckBox(QStringLiteral("Match Case"), this)),
      m_findFirst(new QPushButton(QStringLiteral("Find First"), this)),
      m_findNextButton(new QPushButton(QStringLiteral("Find Next"), this)) {
    setWindowTitle(QStringLiteral("Find"));
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->setMinimumContentsLength(30);
    m_text->setObjectName(QStringLiteral("findText"));
    auto* label = new QLabel(QStringLiteral("Find what: "), this);
    label->setBuddy(m_text);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_findFirst->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_matchCaseBox, 1, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_findFirst);
    buttons->addWidget(m_findNextButton);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    // The newest text on top.
    EnableButtons(false);
    for (const std::string& earlier : m_history)
        m_text->insertItem(0, text::FromBytes(earlier));
    if (!m_history.empty()) {
        EnableButtons(true);
        m_text->setCurrentIndex(0);
    }
    m_matchCaseBox->setChecked(false);

    // Typing enables the buttons, emptying the field disables them.
    connect(m_text->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& typed) { EnableButtons(!typed.isEmpty()); });
    connect(m_text, &QComboBox::activated, this, [this] { EnableButtons(true); });
    connect(m_findFirst, &QPushButton::clicked, this, [this] { Close(false); });
    connect(m_findNextButton, &QPushButton::clicked, this, [this] { Close(true); });
    connect(cancel, &QPushButton::clicked, this, &CFindDialog::reject);
}

void CFindDialog::EnableButtons(bool enabled) {
    m_findFirst->setEnabled(enabled);
    m_findNextButton->setEnabled(enabled);
}

void CFindDialog::Close(bool findNext) {
    const QString typed = m_text->currentText();
    const auto bytes = text::ToBytes(typed);
    if (!bytes) {
        m_messages.Show(this, {text::RefusedCharactersMessage(
                                   QStringLiteral("search text"),
                                   text::UnrepresentableCharacters(typed)),
                               QStringLiteral("Gaugewright Error"), MessageIcon::Critical,
                               MessageButtons::Ok});
        return;
    }
    m_searchText = *bytes;
    m_matchCase = m_matchCaseBox->isChecked();
    m_findNext = findNext;
    const auto earlier = std::find(m_history.begin(), m_history.end(), m_searchText);
    if (earlier != m_history.end())
        m_history.erase(earlier);
    m_history.push_back(m_searchText);
    accept();
}
