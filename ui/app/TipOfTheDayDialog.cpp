#include "ui/app/TipOfTheDayDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/AppSettings.h"
#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"

using namespace Qt::StringLiterals;

CTipOfTheDayDialog::CTipOfTheDayDialog(CAppSettings& settings, CMessageSink& messages,
                                       const QString& tipsPath, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_messages(messages) {
    setWindowTitle(tr("The Gaugewright Tip of the Day"));
    help::SetHelpPage(this, QStringLiteral("getting-started.html#tip-of-the-day"));

    if (!m_tips.Open(tipsPath.toStdString()).Succeeded()) {
        m_tipText = tr("Tips file does not exist in the prescribed directory");
    } else {
        // A replaced tips file starts again at its first tip.
        const QString stamp = QString::fromStdString(m_tips.GetTimeStamp());
        const QString stored = m_settings.TipTimeStamp();
        if (stamp != stored)
            m_settings.SetTipTimeStamp(stamp);
        if (!m_tips.Resume(stored.toStdString(), m_settings.TipFilePosition()))
            ReportTroubleReading();
        else
            ReadNextTip();
    }

    // The white tip area: the picture, "Did you know..." beside it, the tip below.
    auto* area = new QFrame(this);
    area->setObjectName(u"tipArea"_s);
    area->setFrameShape(QFrame::StyledPanel);
    area->setAutoFillBackground(true);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    area->setPalette(white);
    auto* picture = new QLabel(area);
    picture->setPixmap(QIcon(u":/icons/app/tip.svg"_s).pixmap(48, 48));
    auto* heading = new QLabel(tr("Did you know..."), area);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    m_tipLabel = new QLabel(area);
    m_tipLabel->setObjectName(u"tipText"_s);
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipLabel->setMinimumSize(360, 96);
    m_tipLabel->setText(TipText());
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop | Qt::AlignLeft);
    top->addWidget(heading, 1, Qt::AlignVCenter);
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->addLayout(top);
    areaLayout->addWidget(m_tipLabel, 1);

    m_showAtStartUp = new QCheckBox(tr("&Show Tips on StartUp"), this);
    m_showAtStartUp->setObjectName(u"showAtStartUp"_s);
    m_showAtStartUp->setChecked(m_settings.ShowTipsAtStartUp());
    m_nextTip = new QPushButton(tr("&Next Tip"), this);
    m_nextTip->setObjectName(u"nextTip"_s);
    m_nextTip->setEnabled(m_tips.IsOpen());
    m_nextTip->setAutoDefault(false);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(u"close"_s);
    close->setDefault(true);
    connect(m_nextTip, &QPushButton::clicked, this, [this] {
        ReadNextTip();
        m_tipLabel->setText(TipText());
    });
    connect(close, &QPushButton::clicked, this, &CTipOfTheDayDialog::OnClose);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStartUp);
    buttons->addStretch(1);
    buttons->addWidget(m_nextTip);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);
}

CTipOfTheDayDialog::~CTipOfTheDayDialog() {
    // The next run goes on from here, whether the dialog was shown or not.
    if (m_tips.IsOpen())
        m_settings.SetTipFilePosition(m_tips.GetPosition());
}

bool CTipOfTheDayDialog::ShowAtStartUp() const {
    return m_showAtStartUp->isChecked();
}

QString CTipOfTheDayDialog::TipText() const {
    QString tip = m_tipText;
    while (tip.endsWith(u'\n') || tip.endsWith(u'\r'))
        tip.chop(1);
    return tip;
}

void CTipOfTheDayDialog::ReadNextTip() {
    // At the end of the file reading starts again at its beginning; a file without
    // a single tip leaves the text as it was.
    if (const std::optional<std::string> tip = m_tips.ReadNextTip())
        m_tipText = text::FromBytes(*tip);
}

void CTipOfTheDayDialog::ReportTroubleReading() {
    m_messages.Show(parentWidget(),
                    {tr("Trouble reading the tips file"), captions::ApplicationTitle(),
                     MessageIcon::Warning, MessageButtons::Ok});
}

void CTipOfTheDayDialog::OnClose() {
    m_settings.SetShowTipsAtStartUp(m_showAtStartUp->isChecked());
    accept();
}
