#include "ui/app/AboutDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/app/AppSettings.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"

using namespace Qt::StringLiterals;

CAboutDialog::CAboutDialog(CAppSettings& settings, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_messages(messages) {
    setWindowTitle(tr("About The Gaugewright"));
    help::SetHelpPage(this, QStringLiteral("getting-started.html#about"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(u":/icons/app/gaugewright.svg"_s).pixmap(64, 64));

    auto* group = new QGroupBox(u"The Gaugewright"_s, this);
    const QString release = m_settings.Release();
    m_release = new QLabel(
        release.isEmpty() ? tr("Registry Error!") : tr("Release %1").arg(release), group);
    m_release->setObjectName(u"release"_s);
    auto* purpose =
        new QLabel(tr("Inventories of model railroad rolling stock and their value."), group);
    purpose->setWordWrap(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_release);
    groupLayout->addWidget(purpose);

    m_restoreWelcome = new QCheckBox(tr("Restore the Welcome Dialog"), this);
    m_restoreWelcome->setObjectName(u"restoreWelcome"_s);
    // Offered only while the user keeps the Welcome dialog turned off.
    m_restoreWelcome->setVisible(!m_settings.ShowWelcome());
    connect(m_restoreWelcome, &QCheckBox::clicked, this, &CAboutDialog::RestoreWelcome);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(group, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_restoreWelcome);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

QString CAboutDialog::ReleaseLine() const {
    return m_release->text();
}

void CAboutDialog::RestoreWelcome() {
    m_settings.SetShowWelcome(true);
    m_messages.Show(this,
                    {tr("The Welcome dialog will appear the next time you start The Gaugewright."),
                     captions::Information(), MessageIcon::Warning, MessageButtons::Ok});
    m_restoreWelcome->hide();
}
