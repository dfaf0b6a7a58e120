#include "ui/common/DialogFileChooser.h"

#include <QFileDialog>

std::optional<QString> CDialogFileChooser::ChooseFileToOpen(QWidget* parent,
                                                            const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> CDialogFileChooser::ChooseFileToOpenTitled(QWidget* parent,
                                                                  const QString& title,
                                                                  const QStringList& filters,
                                                                  const QString& defaultSuffix) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.constFirst());
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
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
                                                                  const QString& defaultSuffix) {
    QFileDialog dialog(parent, title);
    // Replacing an existing file is asked about (QFileDialog's default).
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.constFirst());
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
