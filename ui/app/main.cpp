// Gaugewright: keeps inventories of model railroad rolling stock and follows their value.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>

#include "model/framework/ProgramVersion.h"
#include "model/framework/SystemClock.h"
#include "ui/app/AppSettings.h"
#include "ui/app/DataDirectory.h"
#include "ui/app/DesktopIntegration.h"
#include "ui/app/MessageBoxSink.h"
#include "ui/app/PdfReport.h"
#include "ui/app/SidingWardApp.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/WaveSoundPlayer.h"
#include "ui/common/Captions.h"
#include "ui/common/DialogFileChooser.h"

int main(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::printf("gaugewright %s\n", kProgramVersion);
            return 0;
        }
    }
    Q_INIT_RESOURCE(icons);
    // The report goes to a file: no window is shown, and none needs a display.
    const bool printPdf = pdfreport::Requested(argc, argv);
    if (printPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    CSidingWardApp::SetApplicationIdentity();

    const QStringList arguments = QCoreApplication::arguments();
    const CDataDirectory data = CDataDirectory::Locate(CDataDirectory::SystemPlaces(arguments));
    CSystemClock clock;
    if (printPdf) {
        const CAppSettings settings;
        return pdfreport::Run(arguments, data.Path(), settings, clock);
    }
    CMessageBoxSink messages;
    if (!data.Error().isEmpty()) {
        messages.Show(
            nullptr, {data.Error(), captions::Warning(), MessageIcon::Warning, MessageButtons::Ok});
    }
    CAppSettings settings;
    CWaveSoundPlayer sounds(data.Path());
    CDialogFileChooser files;
    CSingleInstance singleInstance;
    CDesktopIntegration desktop = CDesktopIntegration::ForCurrentUser();

    CSidingWardApp app({settings, messages, sounds, files, clock, &singleInstance, &desktop,
                        [](const QUrl& url) { return QDesktopServices::openUrl(url); }},
                       data.Path());
    if (!app.InitInstance(arguments))
        return 0;
    return application.exec();
}
