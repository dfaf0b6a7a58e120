#include "ui/inventory/PictureDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/Captions.h"
#include "ui/common/DialogUnits.h"
#include "ui/common/FileChooser.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/inventory/PictureViewer.h"

namespace {

QPushButton* AddButton(QHBoxLayout* row, QWidget* owner, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, owner);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

CPictureDialog::CPictureDialog(const std::string& path, bool viewOnly, CPictureViewer& viewer,
                               CFileChooser& files, CMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_path(path), m_viewOnly(viewOnly), m_viewer(viewer), m_files(files),
      m_messages(messages) {
    setWindowTitle(tr("Picture"));
    help::SetHelpPage(this, QStringLiteral("comments-pictures.html#pictures"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    layout->addWidget(m_label);
    m_shownPath = new QLineEdit(this);
    m_shownPath->setObjectName(QStringLiteral("path"));
    m_shownPath->setReadOnly(true);
    // Shown text, not a field to type in: it looks like the dialog behind it and
    // takes the focus only when clicked (to select and copy the path).
    m_shownPath->setFocusPolicy(Qt::ClickFocus);
    QPalette shown = m_shownPath->palette();
    shown.setColor(QPalette::Base, shown.color(QPalette::Window));
    m_shownPath->setPalette(shown);
    m_shownPath->setMinimumWidth(DialogUnitsToPixels(fontMetrics(), 234, 15).width());
    layout->addWidget(m_shownPath);

    auto* row = new QHBoxLayout;
    m_add = AddButton(row, this, tr("Add"), QStringLiteral("add"));
    m_change = AddButton(row, this, tr("Change"), QStringLiteral("change"));
    m_delete = AddButton(row, this, tr("Delete"), QStringLiteral("delete"));
    m_view = AddButton(row, this, tr("View"), QStringLiteral("view"));
    row->addStretch();
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* none = buttons->addButton(tr("No Picture"), QDialogButtonBox::RejectRole);
    none->setObjectName(QStringLiteral("noPicture"));
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_add, &QPushButton::clicked, this, &CPictureDialog::ChooseFile);
    connect(m_change, &QPushButton::clicked, this, &CPictureDialog::ChooseFile);
    connect(m_delete, &QPushButton::clicked, this, &CPictureDialog::DeletePath);
    connect(m_view, &QPushButton::clicked, this, &CPictureDialog::ViewPicture);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowPath();
}

QString CPictureDialog::FileDialogTitle() {
    return tr("Please select a file containing the picture");
}

QStringList CPictureDialog::FileTypes() {
    // "*.*" would leave out files without an extension here, so all files is "*".
    return {tr("JPG File(*.jpg) (*.jpg)"), tr("GIF File(*.gif) (*.gif)"),
            tr("Bitmaps(*.bmp) (*.bmp)"), tr("All Files(*.*) (*)")};
}

int CPictureDialog::exec() {
    if (m_viewOnly && !m_path.empty()) {
        // The user sees only the picture program start, never the dialog.
        m_viewer.View(parentWidget(), m_path);
        setResult(QDialog::Accepted);
        return QDialog::Accepted;
    }
    return QDialog::exec();
}

std::optional<std::string> CPictureDialog::Run(QWidget* parent, const std::string& path,
                                               bool viewOnly, CPictureViewer& viewer,
                                               CFileChooser& files, CMessageSink& messages) {
    CPictureDialog dialog(path, viewOnly, viewer, files, messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetPath();
}

void CPictureDialog::ShowPath() {
    const bool hasPath = !m_path.empty();
    m_label->setText(hasPath ? tr("File path Link to picture")
                             : tr("No picture currently specified"));
    m_shownPath->setText(text::FromBytes(m_path));
    m_shownPath->setCursorPosition(0);
    m_add->setEnabled(!hasPath);
    m_change->setEnabled(hasPath);
    m_delete->setEnabled(hasPath);
    m_view->setEnabled(hasPath);
}

void CPictureDialog::ChooseFile() {
    const std::optional<QString> chosen =
        m_files.ChooseFileToOpenTitled(this, FileDialogTitle(), FileTypes(), QStringLiteral("jpg"));
    if (!chosen || chosen->isEmpty())
        return;
    const std::optional<std::string> bytes = text::ToBytes(*chosen);
    if (!bytes) {
        // An item's path is held in the code page of its file; a path it cannot
        // hold would no longer name the file once saved.
        m_messages.Show(this, {text::RefusedCharactersMessage(
                                   tr("picture path"), text::UnrepresentableCharacters(*chosen)),
                               captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    m_path = *bytes;
    ShowPath();
}

void CPictureDialog::DeletePath() {
    m_path.clear();
    ShowPath();
}

void CPictureDialog::ViewPicture() {
    m_viewer.View(this, m_path);
}
