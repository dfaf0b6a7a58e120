#pragma once

#include <functional>

#include <QDialog>
#include <QStringList>

#include "model/core/CodePage1252.h"

struct CImportPreview;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Shows, before anything is added, how an import will read its file: the number
// of items it will add, and its first records as a table under the headings of
// the chosen fields, with the values as they will be stored. A record that ends
// before every field was read is marked, and the fields it leaves empty read
// "(not read)". The file's encoding is shown and can be changed, which reads the
// file again; when the file cannot be imported the reason shows instead of the
// records and "Import" is disabled. "Import" goes on, "Back" returns to the
// import dialog.
class CImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // The preview of the file read in an encoding.
    using Reader = std::function<CImportPreview(TextEncoding)>;

    // headings: one per position of the field order. preview was read in
    // encoding; without reread the encoding cannot be changed.
    CImportPreviewDialog(const CImportPreview& preview, const QStringList& headings,
                         QWidget* parent = nullptr, Reader reread = {},
                         TextEncoding encoding = TextEncoding::Windows1252);

    QTableWidget* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QComboBox* EncodingBox() const { return m_encoding; }
    QPushButton* ImportButton() const { return m_import; }
    TextEncoding Encoding() const;

    // The summary line for a number of items.
    static QString SummaryText(std::size_t count, std::size_t shown);
    static QString NotReadText() { return tr("(not read)"); }

private:
    void Show(const CImportPreview& preview);

    QStringList m_headings;
    Reader m_reread;
    QLabel* m_summary;
    QTableWidget* m_table;
    QLabel* m_legend;
    QComboBox* m_encoding;
    QPushButton* m_import = nullptr;
};
