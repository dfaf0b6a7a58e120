#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

#include "model/core/CodePage1252.h"
#include "model/core/InventoryElement.h"

class CDelimiterGroup;
class CFileChooser;
class CMessageSink;
class QCheckBox;
class QListWidget;
class QPushButton;

// What the import dialog asks for.
struct CImportRequest {
    QString path;
    std::string delimiter;
    std::vector<int> fieldOrder; // attribute indexes in the file's order
    bool firstRecordHoldsNames = true;
    bool quoted = false;
    // Chosen in the preview, which presets it from the file.
    TextEncoding encoding = TextEncoding::Windows1252;
};

// "Import Inventory": the fields of the file in their order (picked from the
// available ones, which show the current headings), the separator boxes, "First
// record contains Field Names" and "Quote values (spreadsheet CSV)". OK refuses
// an empty delimiter, then asks for the file (starting in folder) and shows the
// preview; cancelling the file question or going back from the preview keeps the
// dialog open.
class CImportDialog : public QDialog {
    Q_OBJECT

public:
    using Headings = std::array<std::string, kAttributeCount>;
    // Shows what the import of request would do, where the user may change its
    // encoding; true goes on with it, false ("Back") returns to the dialog.
    using Preview = std::function<bool(QWidget* parent, CImportRequest& request)>;

    // messages and files must outlive the dialog.
    CImportDialog(const Headings& headings, CMessageSink& messages, CFileChooser& files,
                  QWidget* parent = nullptr, const QString& folder = QString());

    void SetPreview(Preview preview) { m_preview = std::move(preview); }
    // The choices, once the dialog was accepted.
    const CImportRequest& Request() const { return m_request; }

    QListWidget* Available() const { return m_available; }
    QListWidget* Selected() const { return m_selected; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* AddAllButton() const { return m_addAll; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* RemoveAllButton() const { return m_removeAll; }
    QPushButton* MoveUpButton() const { return m_moveUp; }
    QPushButton* MoveDownButton() const { return m_moveDown; }
    QPushButton* OkButton() const { return m_ok; }
    CDelimiterGroup* Delimiters() const { return m_delimiters; }
    QCheckBox* NamesBox() const { return m_names; }
    QCheckBox* QuotedBox() const { return m_quoted; }

    void Add();
    void AddAll();
    void Remove();
    void RemoveAll();
    void MoveUp();
    void MoveDown();

public slots:
    void accept() override;

private:
    // Moves the current entry of from to the end of to, then selects the first
    // entry of both lists.
    void MoveAcross(QListWidget* from, QListWidget* to);
    void Exchange(int offset);
    void UpdateButtons();

    CMessageSink& m_messages;
    CFileChooser& m_files;
    Preview m_preview;
    QString m_folder;
    CImportRequest m_request;
    QListWidget* m_available;
    QListWidget* m_selected;
    QPushButton* m_add;
    QPushButton* m_addAll;
    QPushButton* m_remove;
    QPushButton* m_removeAll;
    QPushButton* m_moveUp;
    QPushButton* m_moveDown;
    QPushButton* m_ok = nullptr;
    CDelimiterGroup* m_delimiters;
    QCheckBox* m_names;
    QCheckBox* m_quoted;
};
