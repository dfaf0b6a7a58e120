#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "ui/inventory/InventoryViewSettings.h"
#include "ui/yard/YardWindowSettings.h"

class QSettings;

// Every value the program keeps in its settings store, by group and name, with its
// default. On Windows the store is HKCU\Software\Larkmoor Works\TheGaugewright, on
// Linux an INI file of that organisation and application.
class CAppSettings : public CYardWindowSettings, public CInventoryViewSettings {
public:
    // The release this program is; stored at start-up and shown by the About box.
    static QString CurrentRelease();
    // The number of entries of the recent file list.
    static constexpr int kRecentFiles = 4;

    // The user's own store.
    CAppSettings();
    // An INI file at iniFile (for tests and portable installations).
    explicit CAppSettings(const QString& iniFile);
    // Takes over store.
    explicit CAppSettings(std::unique_ptr<QSettings> store);
    ~CAppSettings();
    CAppSettings(const CAppSettings&) = delete;
    CAppSettings& operator=(const CAppSettings&) = delete;

    // Start-up's release check: when the stored release differs from this one (also
    // when none is stored), the Welcome dialog is shown again and the Classification
    // Yard window starts minimized. The current release is stored in every case.
    // True when it was the first start of this release.
    bool CheckRelease();

    // Version/Release: the release that last ran; empty when none did.
    QString Release() const;
    void SetRelease(const QString& release);

    // Picture Pane/Shown: "1" shows the picture pane at start-up.
    bool ShowPicturePane() const;
    void SetShowPicturePane(bool show);

    // License/Welcome: only "0" hides the Welcome dialog at start-up.
    bool ShowWelcome() const;
    void SetShowWelcome(bool show);

    // Settings/CYard: missing, empty or "I" minimized, "Z" maximized, else normal.
    YardWindowState YardState() const override;
    void SetYardState(YardWindowState state) override;

    // Settings/<document title>: an inventory tree view's detail flags and sort
    // attribute as text; empty when absent or when the title is empty.
    QString ViewSettings(const QString& documentTitle) const override;
    void SetViewSettings(const QString& documentTitle, const QString& settings) override;
    QString ExchangeFolder() const override;
    void SetExchangeFolder(const QString& folder) override;
    // "Insurance Report"/Owner and /Address: the owner the insurance report was
    // last given.
    QStringList InsuranceOwner() const override;
    void SetInsuranceOwner(const QStringList& nameAndAddress) override;
    // "List Pictures"/<document title>: "1" when the inventory's list shows its
    // pictures; absent or anything else, it does not.
    bool ListShowsPictures(const QString& documentTitle) const override;
    void SetListShowsPictures(const QString& documentTitle, bool shown) override;

    // Settings/PreviewPages: pages shown by print preview, 0 when absent.
    int PreviewPages() const;
    void SetPreviewPages(int pages);

    // "Recent File List"/File1..File4: the stored entries, most recent first, those
    // absent left out.
    QStringList RecentFiles() const;
    // Writes files as File1.. (at most four) and deletes the values not written.
    void SetRecentFiles(const QStringList& files);
    // Deletes the value "File<number>" (1 to 4).
    void RemoveRecentFile(int number);
    // Start-up's clean-up: deletes the first of File1..File4 that contains
    // "Classyrd.mst" (exact case) and returns its number, or 0 when none does.
    int RemoveYardFromRecentFiles();

    // Tip/StartUp: stored 0 shows the Tip of the Day at start-up (also when absent).
    bool ShowTipsAtStartUp() const;
    void SetShowTipsAtStartUp(bool show);
    // Tip/FilePos: byte position of the next tip; 0 when absent or not a position.
    qint64 TipFilePosition() const;
    void SetTipFilePosition(qint64 position);
    // Tip/TimeStamp: time of the tips file last seen; empty when absent.
    QString TipTimeStamp() const;
    void SetTipTimeStamp(const QString& timeStamp);

    // Writes what was changed to permanent storage; false (with the reason in
    // errorText) when the store could not be written or read.
    bool Flush(QString* errorText = nullptr);

private:
    std::unique_ptr<QSettings> m_store;
};
