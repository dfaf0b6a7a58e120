#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QString>
#include <QUrl>

#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"

class CAppSettings;
class CMessageSink;
class CSoundPlayer;
class QPrinter;
class QWidget;

// The application's own commands: About, Tip of the Day, the help commands and
// Print Setup. Every other command goes on to the next target (the document
// commands), so the pair stands as the application's level of the router.
class CAppCommands : public CCommandTarget {
public:
    // Opens a URL in the desktop's viewer for it; false when that failed.
    using UrlOpener = std::function<bool(const QUrl&)>;

    struct Services {
        CAppSettings& settings;
        CMessageSink& messages;
        CSoundPlayer& sounds;
        UrlOpener openUrl;
    };

    // dataDirectory holds the tips file and the help; parent gives the window that
    // dialogs belong to (may return null); next gets the commands not handled here
    // and must outlive this object.
    CAppCommands(Services services, QString dataDirectory, std::function<QWidget*()> parent,
                 CCommandTarget& next);
    ~CAppCommands() override;

    // The application's own commands as the action registry shows them.
    static std::vector<CCommandInfo> Commands();

    // The manual's folder in the data directory.
    static const QString& ManualFolder();
    // The manual's page of the tutorial.
    static const QString& TutorialTopic();

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

    void ShowAbout();
    void ShowTipOfTheDay();
    // Opens page of the manual ("file.html" or "file.html#section") in the desktop's
    // browser. A missing page or a desktop that cannot show it is reported.
    void ShowHelp(const QString& page);
    // The printer whose page the setup chose (the reports print on it).
    QPrinter& Printer();

private:
    Services m_services;
    QString m_dataDirectory;
    std::function<QWidget*()> m_parent;
    CCommandTarget& m_next;
    std::unique_ptr<QPrinter> m_printer;
};
