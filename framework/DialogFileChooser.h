#pragma once

#include "framework/FileChooser.h"

// The file chooser of the program: QFileDialog.
class CDialogFileChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter) override;
    std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& suggested,
                                            const QString& filter,
                                            const QString& defaultSuffix) override;
};
