// Gaugewright: keeps inventories of model railroad rolling stock and follows their value.
#include <cstdio>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcessEnvironment>

#include "model/framework/ProgramVersion.h"
#include "model/framework/SystemClock.h"
#include "ui/app/AppSettings.h"
#include "ui/app/DataDirectory.h"
#include "ui/app/DesktopIntegration.h"
#include "ui/app/MessageBoxSink.h"
#include "ui/app/PdfReport.h"
#include "ui/app/ProgramArguments.h"
#include "ui/app/ProgramLanguage.h"
#include "ui/app/SidingWardApp.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/WaveSoundPlayer.h"
#include "ui/common/Captions.h"
#include "ui/common/DialogFileChooser.h"
#include "ui/common/XdgDirectories.h"

namespace {

// Writes text to out; false when it did not all arrive (a full disk, a closed pipe).
bool Write(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(out) == 0;
}

int Answer(const QString& text) {
    if (Write(stdout, text))
        return 0;
    std::fputs("gaugewright: standard output could not be written\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Help, the version and mistakes are answered before anything needs a display
    // or touches the user's files.
    QStringList given;
    for (int k = 0; k < argc; ++k)
        given << QString::fromLocal8Bit(argv[k]);
    const CProgramArguments request = CProgramArguments::Parse(given);
    switch (request.request) {
    case CProgramArguments::Request::Help:
        return Answer(CProgramArguments::Usage());
    case CProgramArguments::Request::Version:
        return Answer(QStringLiteral("gaugewright %1\n").arg(QLatin1String(kProgramVersion)));
    case CProgramArguments::Request::Mistake:
        Write(stderr, QStringLiteral("gaugewright: ") + request.problem + u'\n' +
                          CProgramArguments::Usage());
        return 64;
    case CProgramArguments::Request::Run:
    case CProgramArguments::Request::PrintPdf:
    case CProgramArguments::Request::InsurancePdf:
        break;
    }
    Q_INIT_RESOURCE(icons);
    // The report goes to a file: no window is shown, and none needs a display.
    const bool printPdf = request.request == CProgramArguments::Request::PrintPdf ||
                          request.request == CProgramArguments::Request::InsurancePdf;
    if (printPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    // Before any text is made: the application's names, the command tables and every
    // window read their texts through the translators. The catalogues come with the
    // program's data, which a given data directory may bring along too.
    programlanguage::Install(
        application,
        programlanguage::Choose(request.language, QProcessEnvironment::systemEnvironment()),
        programlanguage::CatalogueFolders(
            {CDataDirectory::GivenDirectory(arguments),
             CDataDirectory::FirstDefaults(CDataDirectory::DefaultsCandidates())}));
    CSidingWardApp::SetApplicationIdentity();

    CSystemClock clock;
    if (printPdf) {
        // A script's run reads the user's data and settings but leaves them as they are.
        const CDataDirectory data = CDataDirectory::Find(CDataDirectory::SystemPlaces(arguments));
        const CAppSettings settings;
        return pdfreport::Run(request, data.Path(), settings, clock);
    }
    const CDataDirectory data = CDataDirectory::Locate(CDataDirectory::SystemPlaces(arguments));
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
    const bool registerDesktop =
        CDesktopIntegration::IsWanted(QCoreApplication::applicationFilePath());

    CSidingWardApp app(
        {settings, messages, sounds, files, clock, &singleInstance,
         registerDesktop ? &desktop : nullptr,
         [](const QUrl& url) { return QDesktopServices::openUrl(url); },
         CXdgDirectories::ForCurrentUser().stateHome + QStringLiteral("/gaugewright/recovery")},
        data.Path());
    if (!app.InitInstance(arguments))
        return 0;
    return application.exec();
}
