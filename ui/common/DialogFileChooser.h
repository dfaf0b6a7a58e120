#pragma once

#include "ui/common/FileChooser.h"

// The file chooser of the program: QFileDialog.
class CDialogFileChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter) override;
    // Shows each type without its last parenthesised pattern list, so "JPG File(*.jpg)
    // (*.jpg)" reads "JPG File(*.jpg)".
    std::optional<QString> ChooseFileToOpenTitled(QWidget* parent, const QString& title,
                                                  const QStringList& filters,
                                                  const QString& defaultSuffix,
                                                  const QString& folder = QString()) override;
    std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& suggested,
                                            const QString& filter,
                                            const QString& defaultSuffix) override;
    // Shows the types as ChooseFileToOpenTitled does.
    std::optional<QString> ChooseFileToSaveTitled(QWidget* parent, const QString& title,
                                                  const QStringList& filters,
                                                  const QString& defaultSuffix,
                                                  const QString& folder = QString()) override;
};
