#pragma once

#include <initializer_list>

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Texts for tests built without implicit conversions from char strings.
inline QString S(const char* text) {
    return QString::fromLatin1(text);
}

inline QStringList L(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << S(text);
    return list;
}

// Lets answer handle the next modal dialog, which must be a T, once the running
// command has opened it.
template <typename T, typename F> void AnswerDialog(QObject* context, F answer) {
    QTimer::singleShot(0, context, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}
