#include "ui/yard/ItemNumberBuilder.h"

#include <algorithm>
#include <limits>

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/Captions.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"

CItemNumberBuilder::CItemNumberBuilder(const std::string& title, CMessageSink& messages,
                                       QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setWindowTitle(text::FromBytes(title));
    help::SetHelpPage(this, QStringLiteral("yard-item-number.html#builder"));

    auto* layout = new QVBoxLayout(this);
    // The dialog is a keypad: it keeps the size its keys need.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("itemNumber"));
    m_edit->setMaxLength(std::numeric_limits<int>::max());
    layout->addWidget(m_edit);

    AddKeyboard(layout);
    m_gaps.push_back(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    layout->addSpacerItem(m_gaps.back());

    auto* buttons = new QHBoxLayout;
    m_clear = new QPushButton(tr("Clear"), this);
    m_clear->setObjectName(QStringLiteral("clear"));
    m_undoLast = new QPushButton(tr("Undo Last"), this);
    m_undoLast->setObjectName(QStringLiteral("undoLast"));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = box->button(QDialogButtonBox::Ok);
    m_ok->setDefault(true);
    buttons->addWidget(m_clear);
    buttons->addWidget(m_undoLast);
    buttons->addStretch();
    buttons->addWidget(box);
    layout->addLayout(buttons);

    // Like the keys, these leave the keyboard focus in the text field, so that typing
    // and Enter go on working after a click; Tab still reaches them.
    m_clear->setFocusPolicy(Qt::TabFocus);
    m_undoLast->setFocusPolicy(Qt::TabFocus);

    connect(m_edit, &QLineEdit::textChanged, this, &CItemNumberBuilder::OnTextChanged);
    connect(m_edit, &QLineEdit::returnPressed, this, &CItemNumberBuilder::OnReturnPressed);
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_model.Clear();
        ShowText();
    });
    connect(m_undoLast, &QPushButton::clicked, this, [this] {
        m_model.UndoLast();
        ShowText();
    });
    connect(box, &QDialogButtonBox::accepted, this, &CItemNumberBuilder::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CItemNumberBuilder::reject);

    SizeKeys();
    UpdateButtons();
    m_edit->setFocus();
}

std::optional<std::string> CItemNumberBuilder::Run(QWidget* parent,
                                                   const std::string& itemNumberHeading,
                                                   CMessageSink& messages) {
    // The heading is the user's; only the word after it is the program's. The dialog
    // takes its title in the files' characters: a translation they cannot hold keeps
    // the English title.
    const QString title = tr("%1 Builder").arg(text::FromBytes(itemNumberHeading));
    CItemNumberBuilder dialog(
        text::ToBytes(title).value_or(CItemNumberBuilderModel::TitleFor(itemNumberHeading)),
        messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.GetResult();
}

void CItemNumberBuilder::accept() {
    const std::optional<std::string> result = m_model.Accept();
    if (!result) {
        m_messages.Show(this, {UserMessage(CUserText::Make(CItemNumberBuilderModel::kEmptyMessage)),
                               captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
        m_edit->setFocus();
        return;
    }
    m_result = *result;
    QDialog::accept();
}

void CItemNumberBuilder::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        SizeKeys();
}

void CItemNumberBuilder::AddKeyboard(QVBoxLayout* layout) {
    const auto rows = CItemNumberBuilderModel::KeyRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (row == 2 || row + 1 == rows.size()) {
            m_gaps.push_back(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
            layout->addSpacerItem(m_gaps.back());
        }
        auto* line = new QHBoxLayout;
        line->addStretch();
        for (const CItemNumberBuilderModel::Key& key : rows[row]) {
            const QString caption(QLatin1Char(key.character));
            auto* button = new QToolButton(this);
            button->setText(caption);
            button->setObjectName(QStringLiteral("key") + caption);
            if (key.character == '-')
                button->setAccessibleName(tr("Hyphen"));
            button->setFocusPolicy(Qt::TabFocus);
            connect(button, &QToolButton::clicked, this,
                    [this, character = key.character] { PressKey(character); });
            line->addWidget(button);
            m_keys.push_back(button);
        }
        line->addStretch();
        layout->addLayout(line);
    }
}

void CItemNumberBuilder::SizeKeys() {
    // Square keys large enough for the widest capital at the current font.
    const QFontMetrics metrics = fontMetrics();
    const int side =
        std::max(metrics.height() * 2, metrics.horizontalAdvance(QLatin1Char('W')) * 2);
    for (QToolButton* key : m_keys)
        key->setFixedSize(side, side);
    for (QSpacerItem* gap : m_gaps)
        gap->changeSize(0, side / 3, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (layout())
        layout()->invalidate();
}

void CItemNumberBuilder::PressKey(char character) {
    m_model.Append(character);
    ShowText();
}

void CItemNumberBuilder::OnTextChanged(const QString& typed) {
    if (const std::optional<std::string> bytes = text::ToBytes(typed)) {
        m_model.SetText(*bytes);
        UpdateButtons();
        return;
    }
    // Put back the text as it was, with the cursor where the refused input began.
    const QString previous = text::FromBytes(m_model.GetText());
    const qsizetype grown = typed.size() - previous.size();
    const int cursor = static_cast<int>(
        std::clamp<qsizetype>(m_edit->cursorPosition() - grown, 0, previous.size()));
    m_edit->setText(previous);
    m_edit->setCursorPosition(cursor);
    m_messages.Show(this, {text::RefusedCharactersMessage(tr("item number"),
                                                          text::UnrepresentableCharacters(typed)),
                           captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
}

void CItemNumberBuilder::OnReturnPressed() {
    // With text in the field Enter presses the default button; the disabled OK
    // would not, so an empty field is answered here.
    if (!m_model.CanEdit())
        accept();
}

void CItemNumberBuilder::ShowText() {
    m_edit->setText(text::FromBytes(m_model.GetText()));
    m_edit->setFocus();
}

void CItemNumberBuilder::UpdateButtons() {
    const bool canEdit = m_model.CanEdit();
    m_ok->setEnabled(canEdit);
    m_clear->setEnabled(canEdit);
    m_undoLast->setEnabled(canEdit);
}
