#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class QWidget;

// Asks the user for a file to open or a name to save under. The program shows the
// desktop's file dialogs; the tests answer themselves.
class CFileChooser {
public:
    virtual ~CFileChooser() = default;
    // filter as the file dialogs take it, e.g. "Inventory (*.inv)". Nothing when cancelled.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& filter) = 0;
    // A file to open asked for under a title of its own: filters are the file types
    // offered, the first one preselected; defaultSuffix is added to a typed name
    // without one. Nothing when cancelled. A chooser without its own answer gives
    // ChooseFileToOpen's for the filters joined. folder: where the question starts;
    // empty for the dialog's own choice.
    virtual std::optional<QString> ChooseFileToOpenTitled(QWidget* parent, const QString& /*title*/,
                                                          const QStringList& filters,
                                                          const QString& /*defaultSuffix*/,
                                                          const QString& /*folder*/ = QString()) {
        return ChooseFileToOpen(parent, filters.join(QStringLiteral(";;")));
    }
    // suggested: the file name proposed; defaultSuffix: appended when the user gives none.
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const QString& suggested,
                                                    const QString& filter,
                                                    const QString& defaultSuffix) = 0;
    // A name to save under asked for under a title of its own, with the file types
    // offered (the first one preselected); the user is asked before an existing file
    // is replaced, starting in folder when one is given. A chooser without its own
    // answer gives ChooseFileToSave's.
    virtual std::optional<QString> ChooseFileToSaveTitled(QWidget* parent, const QString& /*title*/,
                                                          const QStringList& filters,
                                                          const QString& defaultSuffix,
                                                          const QString& /*folder*/ = QString()) {
        return ChooseFileToSave(parent, QString(), filters.join(QStringLiteral(";;")),
                                defaultSuffix);
    }
};
