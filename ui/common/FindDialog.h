#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

class CMessageSink;
class QCheckBox;
class QComboBox;
class QPushButton;

// What the user asked the Find dialog for.
struct CFindRequest {
    std::string text;
    bool matchCase = false;
    // False for "Find First", true for "Find Next".
    bool findNext = false;
};

// The "Find" dialog shared by the inventory tree and the manufacturer listing: an
// editable drop-down list of earlier search texts (newest at the top), "Match
// Case" (always starting cleared), "Find First", "Find Next" and "Cancel".
class CFindDialog : public QDialog {
    Q_OBJECT

public:
    // history is the owner's list of earlier search texts, oldest first; closing
    // with Find First or Find Next moves the text searched for to its end.
    // history and messages must outlive the dialog.
    CFindDialog(std::vector<std::string>& history, CMessageSink& messages,
                QWidget* parent = nullptr);

    // Runs the dialog modally; nothing on Cancel.
    static std::optional<CFindRequest> Run(QWidget* parent, std::vector<std::string>& history,
                                           CMessageSink& messages);

    // Whether text contains what anywhere; without matchCase both are compared in
    // upper case.
    static bool Contains(const QString& text, const QString& what, bool matchCase);

    // Set when the dialog was closed with Find First or Find Next.
    const CFindRequest& GetRequest() const { return m_request; }
    const std::string& GetSearchText() const { return m_request.text; }
    bool GetMatchCase() const { return m_request.matchCase; }
    bool IsFindNext() const { return m_request.findNext; }

    QComboBox* TextBox() const { return m_text; }
    QCheckBox* MatchCaseBox() const { return m_matchCase; }
    QPushButton* FindFirstButton() const { return m_findFirst; }
    QPushButton* FindNextButton() const { return m_findNext; }

private:
    void Close(bool findNext);
    void UpdateButtons();

    std::vector<std::string>& m_history;
    CMessageSink& m_messages;
    CFindRequest m_request;
    QComboBox* m_text = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QPushButton* m_findFirst = nullptr;
    QPushButton* m_findNext = nullptr;
};
