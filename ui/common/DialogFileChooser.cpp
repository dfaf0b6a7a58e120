#include "ui/common/DialogFileChooser.h"

#include <QFileDialog>

std::optional<QString> CDialogFileChooser::ChooseFileToOpen(QWidget* parent,
                                                            const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

namespace {

// A file dialog under its own title, showing each type without its last
// parenthesised pattern list; the first type preselected.
std::optional<QString> RunTitled(QWidget* parent, const QString& title, const QStringList& filters,
                                 const QString& defaultSuffix, const QString& folder,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, folder);
    // Saving asks before an existing file is replaced (QFileDialog's default).
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.constFirst());
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> CDialogFileChooser::ChooseFileToOpenTitled(QWidget* parent,
                                                                  const QString& title,
                                                                  const QStringList& filters,
                                                                  const QString& defaultSuffix,
                                                                  const QString& folder) {
    return RunTitled(parent, title, filters, defaultSuffix, folder, QFileDialog::AcceptOpen);
}

std::optional<QString> CDialogFileChooser::ChooseFileToSave(QWidget* parent,
                                                            const QString& suggested,
                                                            const QString& filter,
                                                            const QString& defaultSuffix) {
    QFileDialog dialog(parent, QString(), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CDialogFileChooser::ChooseFileToSaveTitled(QWidget* parent,
                                                                  const QString& title,
                                                                  const QStringList& filters,
                                                                  const QString& defaultSuffix,
                                                                  const QString& folder) {
    return RunTitled(parent, title, filters, defaultSuffix, folder, QFileDialog::AcceptSave);
}
