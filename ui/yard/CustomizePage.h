#pragma once

#include <QWidget>

class CClassificationDoc;
class CMessageSink;

// A page of the customization sheet. Every change it makes to the catalogue sets
// its pending-changes flag (which enables the sheet's Apply); Apply saves the
// catalogue, clears the flag and sets applied. The sheet's owner reads both flags
// afterwards to decide what to refresh and what to undo.
class CCustomizePage : public QWidget {
    Q_OBJECT

public:
    // yard and messages must outlive the page.
    CCustomizePage(CClassificationDoc& yard, CMessageSink& messages, QWidget* parent = nullptr);

    bool HasPendingChanges() const { return m_pending; }
    bool WasApplied() const { return m_applied; }

    // The page becomes the visible tab.
    virtual void OnSetActive() {}
    // Saves pending changes; does nothing without them. False when the catalogue
    // could not be written (the message was shown and the changes stay pending).
    bool Apply();

signals:
    // The page now holds changes not yet applied (true), or no longer (false).
    void ModifiedChanged(bool modified);

protected:
    // Records a change of the catalogue made by the page.
    void SetModified();
    // The page's part of Apply: what it hands to the catalogue before the save.
    virtual void BeforeSave() {}
    // The page's part of Apply after a successful save (the new undo point).
    virtual void AfterSave() {}
    // The page's part of Apply when the save failed: take back what BeforeSave handed over.
    virtual void AfterSaveFailed() {}
    // Writes the catalogue; shows the failure.
    bool SaveCatalogue();

    CClassificationDoc& m_yard;
    CMessageSink& m_messages;

private:
    bool m_pending = false;
    bool m_applied = false;
};
