#pragma once

#include <initializer_list>
#include <vector>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

// Offers OK only while every spin box shows a number of its range, so that a number
// typed halfway is never silently replaced by the box's last value when OK is pressed.
inline void EnableOkWhileAcceptable(QDialogButtonBox* buttons,
                                    std::initializer_list<QSpinBox*> boxes) {
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    const auto update = [ok, list = std::vector<QSpinBox*>(boxes)] {
        bool acceptable = true;
        for (QSpinBox* box : list)
            acceptable = acceptable && box->hasAcceptableInput();
        ok->setEnabled(acceptable);
    };
    // The box tells only of numbers it accepts; its editor tells of every keystroke.
    for (QSpinBox* box : boxes)
        QObject::connect(box->findChild<QLineEdit*>(), &QLineEdit::textChanged, ok, update);
}
