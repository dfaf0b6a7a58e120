#pragma once

#include <algorithm>
#include <string_view>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTranslator>

// Answers every text of the program with a copy whose every line is marked, as a
// catalogue that knows them all would: a text on the screen without the mark never
// went through the translation system, and stays English in every language. Like a
// real catalogue it knows no text with the user's letters in it (the program's own
// texts are plain ASCII).
class CMarkingTranslator : public QTranslator {
public:
    static constexpr char16_t kMark = u'\u00BB';

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const std::string_view text(source);
        if (std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; }))
            return {};
        QString marked = QString::fromUtf8(source).prepend(kMark);
        return marked.replace(u'\n', QString{u'\n', kMark});
    }
};

// The texts a window shows in so many words that the mark has not reached: its
// title, labels, buttons, group titles, tabs and list lines.
inline QStringList UnmarkedTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << label->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            texts << group->title();
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
        else if (const auto* list = qobject_cast<const QListWidget*>(widget))
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
    }
    texts.removeIf([](const QString& text) {
        return text.isEmpty() || text.startsWith(CMarkingTranslator::kMark);
    });
    return texts;
}
