#include "ui/app/AppSettings.h"

#include <QCoreApplication>
#include <QSettings>

#include "model/framework/ProgramVersion.h"

namespace {

QString Key(QLatin1String group, const QString& name) {
    return group + u'/' + name;
}

const QLatin1String kVersion("Version");
const QLatin1String kLicense("License");
const QLatin1String kSettings("Settings");
const QLatin1String kExchange("Import Export");
const QLatin1String kInsurance("Insurance Report");
const QLatin1String kPicturePane("Picture Pane");
const QLatin1String kListPictures("List Pictures");
const QLatin1String kRecentFileList("Recent File List");
const QLatin1String kTip("Tip");

QString RecentFileKey(int number) {
    return Key(kRecentFileList, QStringLiteral("File") + QString::number(number));
}

// An integer value; fallback when absent or not a number.
qint64 Integer(const QSettings& store, const QString& key, qint64 fallback) {
    bool ok = false;
    const qint64 value = store.value(key).toLongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

QString CAppSettings::CurrentRelease() {
    return QString::fromLatin1(kProgramVersion);
}

CAppSettings::CAppSettings()
    : m_store(std::make_unique<QSettings>(QStringLiteral("Larkmoor Works"),
                                          QStringLiteral("TheGaugewright"))) {}

CAppSettings::CAppSettings(const QString& iniFile)
    : m_store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

CAppSettings::CAppSettings(std::unique_ptr<QSettings> store) : m_store(std::move(store)) {}

CAppSettings::~CAppSettings() = default;

bool CAppSettings::CheckRelease() {
    const bool firstStart = Release() != CurrentRelease();
    if (firstStart) {
        SetShowWelcome(true);
        SetYardState(YardWindowState::Minimized);
    }
    SetRelease(CurrentRelease());
    return firstStart;
}

QString CAppSettings::Release() const {
    return m_store->value(Key(kVersion, QStringLiteral("Release"))).toString();
}

void CAppSettings::SetRelease(const QString& release) {
    m_store->setValue(Key(kVersion, QStringLiteral("Release")), release);
}

bool CAppSettings::ShowWelcome() const {
    return m_store->value(Key(kLicense, QStringLiteral("Welcome"))).toString() !=
           QLatin1String("0");
}

void CAppSettings::SetShowWelcome(bool show) {
    m_store->setValue(Key(kLicense, QStringLiteral("Welcome")),
                      show ? QStringLiteral("1") : QStringLiteral("0"));
}

YardWindowState CAppSettings::YardState() const {
    const QString state = m_store->value(Key(kSettings, QStringLiteral("CYard"))).toString();
    if (state.isEmpty() || state == QLatin1String("I"))
        return YardWindowState::Minimized;
    if (state == QLatin1String("Z"))
        return YardWindowState::Maximized;
    return YardWindowState::Normal;
}

void CAppSettings::SetYardState(YardWindowState state) {
    QString text = QStringLiteral("R");
    if (state == YardWindowState::Minimized)
        text = QStringLiteral("I");
    else if (state == YardWindowState::Maximized)
        text = QStringLiteral("Z");
    m_store->setValue(Key(kSettings, QStringLiteral("CYard")), text);
}

QString CAppSettings::ViewSettings(const QString& documentTitle) const {
    if (documentTitle.isEmpty())
        return {};
    return m_store->value(Key(kSettings, documentTitle)).toString();
}

void CAppSettings::SetViewSettings(const QString& documentTitle, const QString& settings) {
    // An empty key would name the group itself.
    if (!documentTitle.isEmpty())
        m_store->setValue(Key(kSettings, documentTitle), settings);
}

// A group of its own: the keys of "Settings" are also inventory titles.
QString CAppSettings::ExchangeFolder() const {
    return m_store->value(Key(kExchange, QStringLiteral("Folder"))).toString();
}

void CAppSettings::SetExchangeFolder(const QString& folder) {
    m_store->setValue(Key(kExchange, QStringLiteral("Folder")), folder);
}

QStringList CAppSettings::InsuranceOwner() const {
    return {m_store->value(Key(kInsurance, QStringLiteral("Owner"))).toString(),
            m_store->value(Key(kInsurance, QStringLiteral("Address"))).toString()};
}

void CAppSettings::SetInsuranceOwner(const QStringList& nameAndAddress) {
    m_store->setValue(Key(kInsurance, QStringLiteral("Owner")), nameAndAddress.value(0));
    m_store->setValue(Key(kInsurance, QStringLiteral("Address")), nameAndAddress.value(1));
}

bool CAppSettings::ShowPicturePane() const {
    return m_store->value(Key(kPicturePane, QStringLiteral("Shown"))).toString() ==
           QLatin1String("1");
}

void CAppSettings::SetShowPicturePane(bool show) {
    m_store->setValue(Key(kPicturePane, QStringLiteral("Shown")),
                      show ? QStringLiteral("1") : QStringLiteral("0"));
}

// A group of its own, beside the tree's values in "Settings", which the older
// releases read and write in their own format.
bool CAppSettings::ListShowsPictures(const QString& documentTitle) const {
    return !documentTitle.isEmpty() &&
           m_store->value(Key(kListPictures, documentTitle)).toString() == QLatin1String("1");
}

void CAppSettings::SetListShowsPictures(const QString& documentTitle, bool shown) {
    if (!documentTitle.isEmpty())
        m_store->setValue(Key(kListPictures, documentTitle),
                          shown ? QStringLiteral("1") : QStringLiteral("0"));
}

int CAppSettings::PreviewPages() const {
    return static_cast<int>(Integer(*m_store, Key(kSettings, QStringLiteral("PreviewPages")), 0));
}

void CAppSettings::SetPreviewPages(int pages) {
    m_store->setValue(Key(kSettings, QStringLiteral("PreviewPages")), pages);
}

QStringList CAppSettings::RecentFiles() const {
    QStringList files;
    for (int number = 1; number <= kRecentFiles; ++number) {
        const QVariant value = m_store->value(RecentFileKey(number));
        if (value.isValid())
            files.append(value.toString());
    }
    return files;
}

void CAppSettings::SetRecentFiles(const QStringList& files) {
    for (int number = 1; number <= kRecentFiles; ++number) {
        if (number <= files.size())
            m_store->setValue(RecentFileKey(number), files.at(number - 1));
        else
            m_store->remove(RecentFileKey(number));
    }
}

void CAppSettings::RemoveRecentFile(int number) {
    if (number >= 1 && number <= kRecentFiles)
        m_store->remove(RecentFileKey(number));
}

int CAppSettings::RemoveYardFromRecentFiles() {
    for (int number = 1; number <= kRecentFiles; ++number) {
        if (m_store->value(RecentFileKey(number))
                .toString()
                .contains(QLatin1String("Classyrd.mst"), Qt::CaseSensitive)) {
            RemoveRecentFile(number);
            return number;
        }
    }
    return 0;
}

bool CAppSettings::ShowTipsAtStartUp() const {
    return Integer(*m_store, Key(kTip, QStringLiteral("StartUp")), 0) == 0;
}

void CAppSettings::SetShowTipsAtStartUp(bool show) {
    m_store->setValue(Key(kTip, QStringLiteral("StartUp")), show ? 0 : 1);
}

qint64 CAppSettings::TipFilePosition() const {
    const qint64 position = Integer(*m_store, Key(kTip, QStringLiteral("FilePos")), 0);
    return position < 0 ? 0 : position;
}

void CAppSettings::SetTipFilePosition(qint64 position) {
    m_store->setValue(Key(kTip, QStringLiteral("FilePos")), position);
}

QString CAppSettings::TipTimeStamp() const {
    return m_store->value(Key(kTip, QStringLiteral("TimeStamp"))).toString();
}

void CAppSettings::SetTipTimeStamp(const QString& timeStamp) {
    m_store->setValue(Key(kTip, QStringLiteral("TimeStamp")), timeStamp);
}

bool CAppSettings::Flush(QString* errorText) {
    m_store->sync();
    const QSettings::Status status = m_store->status();
    if (status == QSettings::NoError)
        return true;
    if (errorText) {
        *errorText =
            status == QSettings::AccessError
                ? QCoreApplication::translate("CAppSettings",
                                              "The settings could not be written to %1.")
                      .arg(m_store->fileName())
                : QCoreApplication::translate("CAppSettings", "The settings file %1 is damaged.")
                      .arg(m_store->fileName());
    }
    return false;
}
