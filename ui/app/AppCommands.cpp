#include "ui/app/AppCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>

#include "model/app/TipsFile.h"
#include "ui/app/AboutDialog.h"
#include "ui/app/TipOfTheDayDialog.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"

using namespace Qt::StringLiterals;

namespace {

bool IsContentsCommand(int id) {
    return id == CommandId::HelpTopics || id == CommandId::DefaultHelp;
}

} // namespace

CAppCommands::CAppCommands(Services services, QString dataDirectory,
                           std::function<QWidget*()> parent, CCommandTarget& next)
    : m_services(std::move(services)), m_dataDirectory(std::move(dataDirectory)),
      m_parent(std::move(parent)), m_next(next) {}

CAppCommands::~CAppCommands() = default;

std::vector<CCommandInfo> CAppCommands::Commands() {
    using namespace CommandId;
    return {
        {FilePrintSetup, QCoreApplication::translate("Commands", "P&rint Setup..."),
         QCoreApplication::translate("Commands",
                                     "Change the printer and printing options\nPrint Setup")},
        {HelpTopics, QCoreApplication::translate("Commands", "&Help Topics"),
         QCoreApplication::translate("Commands", "List Help topics\nHelp Topics")},
        {TipOfTheDay, QCoreApplication::translate("Commands", "&Tip of the Day"),
         QCoreApplication::translate("Commands",
                                     "Display a tip about the program\nTip of the Day")},
        {AppAbout, QCoreApplication::translate("Commands", "&About The Gaugewright..."),
         QCoreApplication::translate(
             "Commands", "Display program information, version number and copyright\nAbout"),
         ToolbarIcon(u"about"_s)},
    };
}

const QString& CAppCommands::ManualFolder() {
    static const QString name = u"manual"_s;
    return name;
}

const QString& CAppCommands::TutorialTopic() {
    static const QString topic = QString::fromLatin1(help::kGettingStartedPage);
    return topic;
}

bool CAppCommands::HandlesCommand(int id) const {
    return id == CommandId::AppAbout || id == CommandId::TipOfTheDay ||
           id == CommandId::FilePrintSetup || IsContentsCommand(id) || id == CommandId::Help ||
           m_next.HandlesCommand(id);
}

void CAppCommands::OnCommand(int id) {
    if (id == CommandId::AppAbout)
        ShowAbout();
    else if (id == CommandId::TipOfTheDay)
        ShowTipOfTheDay();
    else if (IsContentsCommand(id))
        ShowHelp(QString::fromLatin1(help::kContentsPage));
    else if (id == CommandId::Help)
        ShowHelp(help::HelpPageInFront());
    else if (id == CommandId::FilePrintSetup)
        QPageSetupDialog(&Printer(), m_parent ? m_parent() : nullptr).exec();
    else
        m_next.OnCommand(id);
}

void CAppCommands::OnUpdateCommand(int id, CCommandUpdate& update) {
    if (m_next.HandlesCommand(id))
        m_next.OnUpdateCommand(id, update);
}

void CAppCommands::ShowAbout() {
    m_services.sounds.Play(u"GAUGEWRT.WAV"_s);
    CAboutDialog(m_services.settings, m_services.messages, m_parent ? m_parent() : nullptr).exec();
}

void CAppCommands::ShowTipOfTheDay() {
    CTipOfTheDayDialog(m_services.settings, m_services.messages,
                       QDir(m_dataDirectory).filePath(QString::fromLatin1(CTipsFile::kFileName)),
                       m_parent ? m_parent() : nullptr)
        .exec();
}

void CAppCommands::ShowHelp(const QString& page) {
    QWidget* parent = m_parent ? m_parent() : nullptr;
    const qsizetype hash = page.indexOf(u'#');
    const QString file = page.left(hash);
    const QString path = QDir(m_dataDirectory).filePath(ManualFolder() + u'/' + file);
    if (!QFileInfo(path).isFile()) {
        m_services.messages.Show(
            parent,
            {QCoreApplication::translate("CAppCommands", "The help file %1 cannot be found.")
                 .arg(path),
             captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    if (!m_services.openUrl || !m_services.openUrl(url)) {
        m_services.messages.Show(
            parent,
            {QCoreApplication::translate(
                 "CAppCommands", "The help cannot be shown: no program of this desktop opens %1.")
                 .arg(path),
             captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
    }
}

QPrinter& CAppCommands::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}
