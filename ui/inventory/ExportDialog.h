#pragma once

#include <string>

#include <QDialog>
#include <QString>

#include "model/core/CodePage1252.h"

class CDelimiterGroup;
class CFileChooser;
class CMessageSink;
class QCheckBox;
class QComboBox;

// "Export Inventory": the delimiter boxes, "Include Field Names", "Quote values
// (spreadsheet CSV)" and the encoding (Windows-1252 at first, as the inventory
// stores its texts). OK asks for the file to write, starting in folder; cancelling
// that question keeps the dialog open.
class CExportDialog : public QDialog {
    Q_OBJECT

public:
    // messages and files must outlive the dialog.
    CExportDialog(CMessageSink& messages, CFileChooser& files, QWidget* parent = nullptr,
                  const QString& folder = QString());

    // The choices, once the dialog was accepted.
    const std::string& Delimiter() const { return m_delimiter; }
    bool IncludeFieldNames() const;
    bool Quoted() const;
    TextEncoding Encoding() const;
    const QString& Path() const { return m_path; }

    CDelimiterGroup* Delimiters() const { return m_delimiters; }
    QCheckBox* IncludeNamesBox() const { return m_names; }
    QCheckBox* QuotedBox() const { return m_quoted; }
    QComboBox* EncodingBox() const { return m_encoding; }

public slots:
    void accept() override;

private:
    CMessageSink& m_messages;
    CFileChooser& m_files;
    CDelimiterGroup* m_delimiters;
    QCheckBox* m_names;
    QCheckBox* m_quoted;
    QComboBox* m_encoding;
    QString m_folder;
    std::string m_delimiter;
    QString m_path;
};
