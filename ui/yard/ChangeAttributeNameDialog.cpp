#include "ui/yard/ChangeAttributeNameDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/TypedText.h"

CChangeAttributeNameDialog::CChangeAttributeNameDialog(const std::string& from,
                                                       CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(tr("Change Attribute Name"));
    help::SetHelpPage(this, QStringLiteral("yard-customize.html#change-attribute-name"));
    auto* fromEdit = new QLineEdit(text::FromBytes(from), this);
    fromEdit->setObjectName(QStringLiteral("from"));
    fromEdit->setReadOnly(true);
    m_toEdit = new QLineEdit(this);
    m_toEdit->setObjectName(QStringLiteral("to"));
    m_toEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
    auto* fields = new QFormLayout;
    fields->addRow(tr("From:"), fromEdit);
    fields->addRow(tr("To:"), m_toEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_toEdit, &QLineEdit::textChanged, this,
            [this](const QString& typed) { m_ok->setEnabled(!typed.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangeAttributeNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChangeAttributeNameDialog::reject);
    m_toEdit->setFocus();
}

void CChangeAttributeNameDialog::accept() {
    const QString typed = m_toEdit->text();
    if (typed.isEmpty())
        return;
    const std::optional<std::string> bytes =
        typedtext::BytesOrRefuse(this, typed, tr("heading"), m_messages);
    if (!bytes)
        return;
    m_to = *bytes;
    QDialog::accept();
}
