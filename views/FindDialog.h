#pragma once

#include <string>
#include <vector>

#include <QDialog>

class CMessageSink;
class QCheckBox;
class QComboBox;
class QPushButton;

// "Find": the text to look for (with the inventory's earlier search texts, newest
// first), "Match Case", and "Find First" or "Find Next". Closing with either
// button moves the text to the end of the search history.
class CFindDialog : public QDialog {
    Q_OBJECT

public:
    // history (oldest first) and messages must outlive the dialog.
    CFindDialog(std::vector<std::string>& history, CMessageSink& messages,
                QWidget* parent = nullptr);

    // After the dialog closed with Find First or Find Next.
    const std::string& GetSearchText() const { return m_searchText; }
    bool GetMatchCase() const { return m_matchCase; }
    bool IsFindNext() const { return m_findNext; }

    QComboBox* TextBox() const { return m_text; }
    QCheckBox* MatchCaseBox() const { return m_matchCaseBox; }
    QPushButton* FindFirstButton() const { return m_findFirst; }
    QPushButton* FindNextButton() const { return m_findNextButton; }

private:
    void EnableButtons(bool enabled);
    void Close(bool findNext);

    std::vector<std::string>& m_history;
    CMessageSink& m_messages;
    QComboBox* m_text;
    QCheckBox* m_matchCaseBox;
    QPushButton* m_findFirst;
    QPushButton* m_findNextButton;
    std::string m_searchText;
    bool m_matchCase = false;
    bool m_findNext = false;
};
