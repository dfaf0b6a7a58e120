#include "ui/inventory/CommentsViewer.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/core/InventoryElement.h"
#include "ui/common/HelpPage.h"
#include "ui/common/Text.h"
#include "ui/inventory/CommentsEdit.h"

CCommentsViewer::CCommentsViewer(const CInventoryElement& item, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Comments for %1").arg(text::FromBytes(item.GetBodyClassification())));
    help::SetHelpPage(this, QStringLiteral("comments-pictures.html#comments"));
    auto* layout = new QVBoxLayout(this);
    m_text = new CCommentsEdit(this);
    m_text->setObjectName(QStringLiteral("comments"));
    m_text->setReadOnly(true);
    m_text->SetSizeInDialogUnits(279, 134);
    m_text->SetComments(item.GetComments());
    layout->addWidget(m_text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    // OK has the focus so that Enter closes the viewer.
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

void CCommentsViewer::Run(QWidget* parent, const CInventoryElement& item) {
    CCommentsViewer viewer(item, parent);
    viewer.exec();
}
