#include "ui/app/WelcomeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"

using namespace Qt::StringLiterals;

CWelcomeDialog::CWelcomeDialog(QWidget* parent) : QDialog(parent) {
    const QString welcome = tr("Welcome to The Gaugewright!");
    setWindowTitle(welcome);
    help::SetHelpPage(this, QStringLiteral("getting-started.html#welcome"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(u":/icons/app/gaugewright.svg"_s).pixmap(48, 48));
    auto* greeting = new QLabel(welcome, this);
    QFont font = greeting->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    greeting->setFont(font);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(greeting, 1);

    auto* group = new QGroupBox(tr("Please choose an option"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const QString texts[4] = {tr("Take the Tutorial (25 minutes)"), tr("Create a new inventory"),
                              tr("Open an existing inventory"), tr("Continue")};
    const char* names[4] = {"tutorial", "create", "open", "continue"};
    for (int k = 0; k < 4; ++k) {
        m_choices[k] = new QRadioButton(texts[k], group);
        m_choices[k]->setObjectName(QLatin1String(names[k]));
        groupLayout->addWidget(m_choices[k]);
    }
    ChoiceButton(Choice::Open)->setChecked(true);
    // The keyboard starts on the chosen option, so the arrow keys change the choice.
    ChoiceButton(Choice::Open)->setFocus();

    m_doNotShow = new QCheckBox(tr("Do not show this window again "), this);
    m_doNotShow->setObjectName(u"doNotShow"_s);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->addWidget(m_doNotShow);
    layout->addWidget(buttons);
}

QRadioButton* CWelcomeDialog::ChoiceButton(Choice choice) const {
    return m_choices[static_cast<int>(choice)];
}

CWelcomeDialog::Choice CWelcomeDialog::GetChoice() const {
    for (Choice choice : {Choice::Tutorial, Choice::Create, Choice::Open})
        if (ChoiceButton(choice)->isChecked())
            return choice;
    return Choice::Continue;
}

bool CWelcomeDialog::DoNotShowAgain() const {
    return m_doNotShow->isChecked();
}
