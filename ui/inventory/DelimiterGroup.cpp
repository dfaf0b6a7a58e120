#include "ui/inventory/DelimiterGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

#include "model/core/DelimitedText.h"
#include "model/core/DelimiterChoice.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/TypedText.h"
#include "ui/common/UserMessage.h"

CDelimiterGroup::CDelimiterGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), m_tab(new QCheckBox(tr("Tab"), this)),
      m_semicolon(new QCheckBox(tr("Semicolon"), this)), m_comma(new QCheckBox(tr("Comma"), this)),
      m_other(new QCheckBox(tr("Other"), this)), m_otherText(new QLineEdit(this)) {
    m_tab->setObjectName(QStringLiteral("tab"));
    m_semicolon->setObjectName(QStringLiteral("semicolon"));
    m_comma->setObjectName(QStringLiteral("comma"));
    m_other->setObjectName(QStringLiteral("other"));
    m_otherText->setObjectName(QStringLiteral("otherText"));
    m_otherText->setMaximumWidth(m_otherText->fontMetrics().horizontalAdvance(u'M') * 6);
    m_tab->setChecked(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_tab, 0, 0);
    grid->addWidget(m_semicolon, 0, 1);
    grid->addWidget(m_comma, 1, 0);
    grid->addWidget(m_other, 1, 1);
    grid->addWidget(m_otherText, 1, 2);
}

std::optional<std::string> CDelimiterGroup::Delimiter(QWidget* parent,
                                                      CMessageSink& messages) const {
    CDelimiterChoice choice;
    choice.tab = m_tab->isChecked();
    choice.semicolon = m_semicolon->isChecked();
    choice.comma = m_comma->isChecked();
    choice.other = m_other->isChecked();
    if (choice.other) {
        const std::optional<std::string> typed =
            typedtext::BytesOrRefuse(parent, m_otherText->text(), tr("delimiter"), messages);
        if (!typed)
            return std::nullopt;
        choice.otherText = *typed;
    }
    return choice.Text();
}

QString CDelimiterGroup::QuotedBoxText() {
    return tr("Quote values (spreadsheet CSV)");
}

QStringList CDelimiterGroup::TextFileFilters() {
    return {tr("Text and CSV files (*.txt *.csv *.tsv)"), tr("All Files(*.*) (*)")};
}

bool CDelimiterGroup::QuotedDelimiterAllowed(QWidget* parent, const std::string& delimiter,
                                             CMessageSink& messages) {
    const CUserText refused = delimitedtext::CheckQuotedDelimiter(delimiter);
    if (refused.Empty())
        return true;
    messages.Show(parent, {UserMessage(refused), captions::Error(), MessageIcon::Critical,
                           MessageButtons::Ok});
    return false;
}

QComboBox* CDelimiterGroup::MakeEncodingBox(TextEncoding encoding, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("encoding"));
    box->addItem(QStringLiteral("Windows-1252"), static_cast<int>(TextEncoding::Windows1252));
    box->addItem(QStringLiteral("UTF-8"), static_cast<int>(TextEncoding::Utf8));
    box->setCurrentIndex(box->findData(static_cast<int>(encoding)));
    return box;
}

TextEncoding CDelimiterGroup::EncodingOf(const QComboBox* box) {
    return static_cast<TextEncoding>(box->currentData().toInt());
}
