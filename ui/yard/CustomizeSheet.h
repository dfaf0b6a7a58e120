#pragma once

#include <array>

#include <QDialog>

class CClassificationDoc;
class CClock;
class CCustomizeHeadings;
class CCustomizePage;
class CCustomizePreferences;
class CCustomizeValues;
class CMessageSink;
class QDialogButtonBox;
class QTabWidget;

// "Classification Yard Customization": the pages "Attribute Values", "Attribute
// Headings" and "Preferences" with OK, Cancel and Apply. Apply (enabled while a
// page holds unapplied changes) saves the catalogue; OK applies every page first.
// What the owner does afterwards (refresh, relabel, undo) it reads from the pages,
// or from Run.
class CCustomizeSheet : public QDialog {
    Q_OBJECT

public:
    // What a run of the sheet leaves for its owner to do.
    struct Outcome {
        // The value lists changed: the form's lists are filled again.
        bool refresh = false;
        // The headings changed: the form and the inventories show the new ones.
        bool relabel = false;
        // The preferences were set.
        bool preferencesSet = false;
    };

    // The values page opens on startAttribute. yard, clock and messages must outlive it.
    CCustomizeSheet(CClassificationDoc& yard, const CClock& clock, CMessageSink& messages,
                    int startAttribute, QWidget* parent = nullptr);

    CCustomizeValues& Values() const { return *m_values; }
    CCustomizeHeadings& Headings() const { return *m_headings; }
    CCustomizePreferences& Preferences() const { return *m_preferences; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    // Snapshots the catalogue's values and headings and runs the sheet. After OK the
    // preferences are set from their page; after Cancel the values and headings go
    // back to the last snapshot (the first, or the one of the last Apply).
    Outcome Run();

    // Applies every page; closes with OK only when each could be saved.
    void accept() override;
    // The Apply button: applies every page.
    bool Apply();

private:
    void UpdateApply();
    void OnTabChanged(int index);

    CClassificationDoc& m_yard;
    QTabWidget* m_tabs = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    CCustomizeValues* m_values = nullptr;
    CCustomizeHeadings* m_headings = nullptr;
    CCustomizePreferences* m_preferences = nullptr;
    std::array<CCustomizePage*, 3> m_pages{};
};
