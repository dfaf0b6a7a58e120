#include "ui/yard/AddChangeDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/TypedText.h"

CAddChangeDialog::CAddChangeDialog(const std::string& text, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(tr("Classification Yard - Add/Change"));
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#add-change"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Rolling Stock Attribute"), this);
    m_edit = new QLineEdit(text::FromBytes(text), this);
    m_edit->setObjectName(QStringLiteral("value"));
    // Room for a long value, and for the whole title in the title bar.
    m_edit->setMinimumWidth(std::max(fontMetrics().averageCharWidth() * 40,
                                     fontMetrics().horizontalAdvance(windowTitle()) + 64));
    label->setBuddy(m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_ok->setEnabled(!m_edit->text().isEmpty());
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& typed) { m_ok->setEnabled(!typed.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CAddChangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddChangeDialog::reject);
    m_edit->setFocus();
}

void CAddChangeDialog::accept() {
    const QString typed = m_edit->text();
    if (typed.isEmpty())
        return;
    const std::optional<std::string> bytes =
        typedtext::BytesOrRefuse(this, typed, tr("value"), m_messages);
    if (!bytes)
        return;
    m_text = *bytes;
    QDialog::accept();
}
