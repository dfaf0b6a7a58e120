#pragma once

#include <string>

#include <QPlainTextEdit>

// The text field of an item's comments: shows the comment bytes with their line
// breaks, wraps lines at its width, and refuses (with CharactersRefused) any typed,
// pasted or dropped character that an item's text cannot hold.
class CCommentsEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CCommentsEdit(QWidget* parent = nullptr);

    // Shows comments; "\r\n" and "\n" both break lines.
    void SetComments(const std::string& comments);
    // The comment bytes of what the field shows: the bytes given to SetComments when
    // the text was not changed, otherwise the text with "\r\n" line breaks.
    std::string GetComments() const;

    // Makes the field ask for width x height dialog units of room.
    void SetSizeInDialogUnits(int width, int height);
    QSize sizeHint() const override;

signals:
    // Input holding these characters was not taken.
    void CharactersRefused(const QString& characters);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // True when text may go in; otherwise signals the refusal.
    bool Accepts(const QString& text);
    // The field's text with every line break as "\n", other characters untouched.
    QString ShownText() const;

    std::string m_original;
    QString m_originalShown;
    QSize m_dialogUnits;
};
