#pragma once

#include <optional>

#include <QString>

// What an update handler says about one command right now: whether it can run,
// whether its entry is checked or shown, and the text its menu entry carries.
// A command starts out enabled, unchecked, visible and with its standard text.
class CCommandUpdate {
public:
    explicit CCommandUpdate(int id) : m_id(id) {}

    int GetId() const { return m_id; }

    void Enable(bool enabled = true) { m_enabled = enabled; }
    void SetCheck(bool checked = true) { m_checked = checked; }
    void SetVisible(bool visible = true) { m_visible = visible; }
    // Replaces the entry's text ("&" marks the mnemonic, "\t" starts the key text).
    void SetText(const QString& text) { m_text = text; }

    bool IsEnabled() const { return m_enabled; }
    bool IsChecked() const { return m_checked; }
    bool IsVisible() const { return m_visible; }
    // The text set by the handler; none when the standard text stays.
    const std::optional<QString>& GetText() const { return m_text; }

private:
    int m_id;
    bool m_enabled = true;
    bool m_checked = false;
    bool m_visible = true;
    std::optional<QString> m_text;
};
