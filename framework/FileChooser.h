#pragma once

#include <optional>

#include <QString>

class QWidget;

// Asks the user for a file to open or a name to save under. The program shows the
// desktop's file dialogs; the tests answer themselves.
class CFileChooser {
public:
    virtual ~CFileChooser() = default;
    // filter as the file dialogs take it, e.g. "Inventory (*.inv)". Nothing when cancelled.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter) = 0;
    // suggested: the file name proposed; defaultSuffix: appended when the user gives none.
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& suggested,
                                                    const QString& filter,
                                                    const QString& defaultSuffix) = 0;
};
