#include "ui/inventory/CommentsEdit.h"

#include <algorithm>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include "ui/common/DialogUnits.h"
#include "ui/common/Text.h"

CCommentsEdit::CCommentsEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Enter starts a new line; Tab moves on to the buttons, as in any dialog.
    setTabChangesFocus(true);
}

void CCommentsEdit::SetComments(const std::string& comments) {
    m_original = comments;
    QString shown = text::FromBytes(comments);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    m_originalShown = ShownText();
}

QString CCommentsEdit::ShownText() const {
    // toPlainText() would turn the no-break space (a byte of the code page) into a
    // plain one; the raw text keeps it and marks line breaks with separators.
    QString shown = document()->toRawText();
    shown.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    shown.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return shown;
}

std::string CCommentsEdit::GetComments() const {
    QString shown = ShownText();
    if (shown == m_originalShown)
        return m_original;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Input was refused before it went in, so every character converts.
    return text::ToBytes(shown).value_or(m_original);
}

void CCommentsEdit::SetSizeInDialogUnits(int width, int height) {
    m_dialogUnits = QSize(width, height);
    updateGeometry();
}

QSize CCommentsEdit::sizeHint() const {
    if (m_dialogUnits.isEmpty())
        return QPlainTextEdit::sizeHint();
    return DialogUnitsToPixels(fontMetrics(), m_dialogUnits.width(), m_dialogUnits.height());
}

bool CCommentsEdit::Accepts(const QString& text) {
    const QString refused = text::UnrepresentableCharacters(text);
    if (refused.isEmpty())
        return true;
    emit CharactersRefused(refused);
    return false;
}

void CCommentsEdit::keyPressEvent(QKeyEvent* event) {
    // Keys that produce no text (arrows, Enter, shortcuts) are the field's own business.
    const QString typed = event->text();
    const bool printable =
        !typed.isEmpty() && std::any_of(typed.begin(), typed.end(), [](QChar character) {
            return character.isPrint() || character.isSurrogate();
        });
    if (printable && !isReadOnly() && !Accepts(typed)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCommentsEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && !Accepts(event->commitString())) {
        // Drop the composition as well, so nothing half-typed stays behind.
        QInputMethodEvent cleared;
        QPlainTextEdit::inputMethodEvent(&cleared);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CCommentsEdit::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText() && !Accepts(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}
