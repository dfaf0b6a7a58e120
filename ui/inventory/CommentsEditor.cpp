#include "ui/inventory/CommentsEditor.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/inventory/CommentsEdit.h"

CCommentsEditor::CCommentsEditor(const std::string& comments, CMessageSink& messages,
                                 QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(tr("Comments"));
    help::SetHelpPage(this, QStringLiteral("comments-pictures.html#comments"));
    auto* layout = new QVBoxLayout(this);
    m_text = new CCommentsEdit(this);
    m_text->setObjectName(QStringLiteral("comments"));
    m_text->SetSizeInDialogUnits(270, 131);
    m_text->SetComments(comments);
    layout->addWidget(m_text);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    QPushButton* none = buttons->addButton(tr("No Comments"), QDialogButtonBox::RejectRole);
    none->setObjectName(QStringLiteral("noComments"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_text, &CCommentsEdit::CharactersRefused, this, &CCommentsEditor::OnRefused);
    m_text->setFocus();
}

std::string CCommentsEditor::GetComments() const {
    return m_text->GetComments();
}

std::optional<std::string> CCommentsEditor::Run(QWidget* parent, const std::string& comments,
                                                CMessageSink& messages) {
    CCommentsEditor editor(comments, messages, parent);
    if (editor.exec() != QDialog::Accepted)
        return std::nullopt;
    return editor.GetComments();
}

void CCommentsEditor::OnRefused(const QString& characters) {
    m_messages.Show(this, {text::RefusedCharactersMessage(tr("comments"), characters),
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
}
