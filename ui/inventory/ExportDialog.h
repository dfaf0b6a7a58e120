#pragma once

#include <string>

#include <QDialog>
#include <QString>

class CDelimiterGroup;
class CFileChooser;
class CMessageSink;
class QCheckBox;

// "Export Inventory": the delimiter boxes, "Include Field Names" and "Quote values
// (spreadsheet CSV)". OK asks for the file to write; cancelling that question
// keeps the dialog open.
class CExportDialog : public QDialog {
    Q_OBJECT

public:
    // messages and files must outlive the dialog.
    CExportDialog(CMessageSink& messages, CFileChooser& files, QWidget* parent = nullptr);

    // The choices, once the dialog was accepted.
    const std::string& Delimiter() const { return m_delimiter; }
    bool IncludeFieldNames() const;
    bool Quoted() const;
    const QString& Path() const { return m_path; }

    CDelimiterGroup* Delimiters() const { return m_delimiters; }
    QCheckBox* IncludeNamesBox() const { return m_names; }
    QCheckBox* QuotedBox() const { return m_quoted; }

public slots:
    void accept() override;

private:
    CMessageSink& m_messages;
    CFileChooser& m_files;
    CDelimiterGroup* m_delimiters;
    QCheckBox* m_names;
    QCheckBox* m_quoted;
    std::string m_delimiter;
    QString m_path;
};
