#pragma once

#include <QDialog>

class CAppSettings;
class CMessageSink;
class QCheckBox;
class QLabel;

// "About The Gaugewright": the release that last ran, and, when the user turned the
// Welcome dialog off, a check box that turns it on again for the next start.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    // The settings and the sink must outlive the dialog.
    CAboutDialog(CAppSettings& settings, CMessageSink& messages, QWidget* parent = nullptr);

    QString ReleaseLine() const;
    QCheckBox* RestoreWelcomeBox() const { return m_restoreWelcome; }

private:
    void RestoreWelcome();

    CAppSettings& m_settings;
    CMessageSink& m_messages;
    QLabel* m_release = nullptr;
    QCheckBox* m_restoreWelcome = nullptr;
};
