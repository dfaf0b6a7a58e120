#pragma once

#include <QStringList>

// Where an inventory window keeps its detail flags and sort attribute between
// runs, by document title; the application's settings implement it.
class CInventoryViewSettings {
public:
    // Empty when absent or when the title is empty.
    virtual QString ViewSettings(const QString& documentTitle) const = 0;
    virtual void SetViewSettings(const QString& documentTitle, const QString& settings) = 0;

    // The folder the export and import file questions start in: the folder of the
    // file last exported or imported; empty when there is none yet.
    virtual QString ExchangeFolder() const = 0;
    virtual void SetExchangeFolder(const QString& folder) = 0;

    // Whether the inventory's list shows its pictures; false when nothing is kept.
    virtual bool ListShowsPictures(const QString& documentTitle) const = 0;
    virtual void SetListShowsPictures(const QString& documentTitle, bool shown) = 0;

    // The owner's name and address the insurance report was last given; empty
    // when nothing is kept.
    virtual QStringList InsuranceOwner() const { return {}; }
    virtual void SetInsuranceOwner(const QStringList& /*nameAndAddress*/) {}

protected:
    ~CInventoryViewSettings() = default;
};
