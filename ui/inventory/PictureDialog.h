#pragma once

#include <optional>
#include <string>

#include <QDialog>
#include <QStringList>

class CFileChooser;
class CMessageSink;
class CPictureViewer;
class QLabel;
class QLineEdit;
class QPushButton;

// "Picture": the path of an item's picture file with "Add", "Change", "Delete" and
// "View", closed with "OK" (the shown path is the result) or "No Picture" (no
// result). Only the path changes; the picture file is never touched.
class CPictureDialog : public QDialog {
    Q_OBJECT

public:
    // path: the item's picture path (bytes). viewOnly: exec() shows the picture at
    // once instead of the dialog (see exec). viewer, files and messages must outlive
    // the dialog.
    CPictureDialog(const std::string& path, bool viewOnly, CPictureViewer& viewer,
                   CFileChooser& files, CMessageSink& messages, QWidget* parent = nullptr);

    // The path the dialog shows (the result after "OK").
    const std::string& GetPath() const { return m_path; }

    // Runs the dialog modally. With the view-only flag and a path, it views the
    // picture instead and returns Accepted (as "OK") without showing itself.
    int exec() override;

    // Runs the dialog on path: the shown path after "OK", nothing after "No Picture".
    static std::optional<std::string> Run(QWidget* parent, const std::string& path, bool viewOnly,
                                          CPictureViewer& viewer, CFileChooser& files,
                                          CMessageSink& messages);

    // The title and the file types of the file dialog of "Add" and "Change", each
    // type as "<name> (<patterns>)".
    static QString FileDialogTitle();
    static QStringList FileTypes();

private:
    // Add and Change: a file chosen in the file dialog becomes the path.
    void ChooseFile();
    void DeletePath();
    void ViewPicture();
    // Label, path and buttons as the path says.
    void ShowPath();

    std::string m_path;
    bool m_viewOnly;
    CPictureViewer& m_viewer;
    CFileChooser& m_files;
    CMessageSink& m_messages;
    QLabel* m_label = nullptr;
    QLineEdit* m_shownPath = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_change = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_view = nullptr;
};
