#pragma once

#include <QDialog>

#include "model/app/TipsFile.h"

class CAppSettings;
class CMessageSink;
class QCheckBox;
class QLabel;
class QPushButton;

// "The Gaugewright Tip of the Day": one tip of the tips file at a time, where the
// last run left off. Constructing it already reads a tip (so every start moves the
// stored position on by one, shown or not); the position is stored when the object
// goes. "&Close" stores whether tips show at start-up; Escape stores nothing of it.
class CTipOfTheDayDialog : public QDialog {
    Q_OBJECT

public:
    // tipsPath: the tips file (it need not exist). The settings and the sink must
    // outlive the dialog.
    CTipOfTheDayDialog(CAppSettings& settings, CMessageSink& messages, const QString& tipsPath,
                       QWidget* parent = nullptr);
    ~CTipOfTheDayDialog() override;

    // The start-up setting as the dialog was made with it (the check box's state).
    bool ShowAtStartUp() const;
    // The tip shown, without its line break.
    QString TipText() const;

private:
    void ReadNextTip();
    void ReportTroubleReading();
    void OnClose();

    CAppSettings& m_settings;
    CMessageSink& m_messages;
    CTipsFile m_tips;
    QString m_tipText;
    QLabel* m_tipLabel = nullptr;
    QCheckBox* m_showAtStartUp = nullptr;
    QPushButton* m_nextTip = nullptr;
};
