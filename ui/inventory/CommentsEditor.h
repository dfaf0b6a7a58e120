#pragma once

#include <optional>
#include <string>

#include <QDialog>

class CCommentsEdit;
class CMessageSink;

// "Comments": a multi-line field in which Enter starts a new line, "OK" and "No
// Comments" (which closes it without change). A character that an item's text
// cannot hold is refused with a message as it is typed or pasted.
class CCommentsEditor : public QDialog {
    Q_OBJECT

public:
    // comments: the text to edit (the item's bytes). messages shows the refusals and
    // must outlive the dialog.
    CCommentsEditor(const std::string& comments, CMessageSink& messages, QWidget* parent = nullptr);

    // The edited comments; the given bytes unchanged when the text was not changed.
    std::string GetComments() const;

    // Edits comments modally: the edited text on "OK", nothing on "No Comments".
    static std::optional<std::string> Run(QWidget* parent, const std::string& comments,
                                          CMessageSink& messages);

private:
    void OnRefused(const QString& characters);

    CMessageSink& m_messages;
    CCommentsEdit* m_text = nullptr;
};
