#pragma once

#include <optional>
#include <string>

#include <QGroupBox>
#include <QString>
#include <QStringList>

enum class TextEncoding;
class CMessageSink;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The delimiter boxes of the export and import dialogs: "Tab", "Semicolon",
// "Comma" and "Other" with its text field, Tab alone checked at first.
class CDelimiterGroup : public QGroupBox {
    Q_OBJECT

public:
    CDelimiterGroup(const QString& title, QWidget* parent = nullptr);

    // The delimiter the boxes stand for (see CDelimiterChoice). Nothing when the
    // Other text holds a character no file can hold; that is said over parent.
    std::optional<std::string> Delimiter(QWidget* parent, CMessageSink& messages) const;

    // What both dialogs share beside the boxes: the text of the quoting box, the
    // file types offered for delimited text, and the check of a delimiter for
    // quoted values (false: refused, said over parent).
    static QString QuotedBoxText();
    static QStringList TextFileFilters();
    static bool QuotedDelimiterAllowed(QWidget* parent, const std::string& delimiter,
                                       CMessageSink& messages);
    // The encoding choice of both dialogs and the import preview: "Windows-1252"
    // (the inventory's own bytes) and "UTF-8", showing encoding.
    static QComboBox* MakeEncodingBox(TextEncoding encoding, QWidget* parent);
    static TextEncoding EncodingOf(const QComboBox* box);

    QCheckBox* Tab() const { return m_tab; }
    QCheckBox* Semicolon() const { return m_semicolon; }
    QCheckBox* Comma() const { return m_comma; }
    QCheckBox* Other() const { return m_other; }
    QLineEdit* OtherText() const { return m_otherText; }

private:
    QCheckBox* m_tab;
    QCheckBox* m_semicolon;
    QCheckBox* m_comma;
    QCheckBox* m_other;
    QLineEdit* m_otherText;
};
