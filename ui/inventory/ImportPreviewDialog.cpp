#include "ui/inventory/ImportPreviewDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/core/DelimitedText.h"
#include "ui/common/Text.h"

CImportPreviewDialog::CImportPreviewDialog(const CImportPreview& preview,
                                           const QStringList& headings, QWidget* parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_table(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Import Preview"));
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setText(SummaryText(preview.recordCount, preview.records.size()));
    m_table->setObjectName(QStringLiteral("records"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setRowCount(static_cast<int>(preview.records.size()));

    const QIcon cutShort = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    bool anyCutShort = false;
    for (std::size_t row = 0; row < preview.records.size(); ++row) {
        const CRecordValues& record = preview.records[row];
        const int line = static_cast<int>(row);
        auto* header = new QTableWidgetItem(QString::number(row + 1));
        if (record.cutShort) {
            anyCutShort = true;
            header->setIcon(cutShort);
            header->setToolTip(QStringLiteral("This record ends before every field was read."));
        }
        m_table->setVerticalHeaderItem(line, header);
        for (int column = 0; column < headings.size(); ++column) {
            const auto position = static_cast<std::size_t>(column);
            auto* cell = new QTableWidgetItem;
            if (position < record.values.size()) {
                cell->setText(text::FromBytes(record.values[position]));
            } else {
                cell->setText(NotReadText());
                QFont font = cell->font();
                font.setItalic(true);
                cell->setFont(font);
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            }
            m_table->setItem(line, column, cell);
        }
    }
    m_table->resizeColumnsToContents();

    auto* legend = new QLabel(
        QStringLiteral("Marked records end before every field was read: the fields shown as "
                       "\"%1\" stay empty.")
            .arg(NotReadText()),
        this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setWordWrap(true);
    legend->setVisible(anyCutShort);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import =
        buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("import"));
    import->setDefault(true);
    buttons->addButton(QStringLiteral("Back"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("back"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(legend);
    layout->addWidget(buttons);
    resize(720, 420);
}

QString CImportPreviewDialog::SummaryText(std::size_t count, std::size_t shown) {
    const QString items =
        count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count);
    if (shown == count)
        return QStringLiteral("The import will add %1, read as shown:").arg(items);
    return QStringLiteral("The import will add %1. The first %2 records, read as shown:")
        .arg(items)
        .arg(shown);
}
