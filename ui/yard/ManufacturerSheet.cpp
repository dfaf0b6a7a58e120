#include "ui/yard/ManufacturerSheet.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/yard/ClassificationDoc.h"
#include "ui/common/HelpPage.h"
#include "ui/common/ProgressWindow.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/yard/ManufacturerPage.h"

CManufacturerSheet::CManufacturerSheet(CClassificationDoc& yard, CMessageSink& messages,
                                       int startTab, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(
        tr("%1 Listing")
            .arg(shownheadings::Shown(static_cast<int>(Attribute::Manufacturer),
                                      yard.GetHeading(static_cast<int>(Attribute::Manufacturer)))));
    help::SetHelpPage(this, QStringLiteral("yard-manufacturers.html#listing"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("manufacturers"));
    // Many manufacturers make many tabs: they scroll rather than squeeze.
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setElideMode(Qt::ElideNone);
    for (const CManufacturer& manufacturer : yard.GetManufacturerList()) {
        auto* page = new CManufacturerPage(manufacturer, yard, messages, m_tabs);
        m_pages.push_back(page);
        // A name is shown as it is: an ampersand in it is no mnemonic.
        QString caption = text::FromBytes(manufacturer.GetName());
        m_tabs->addTab(page, text::ShowAmpersands(caption));
    }
    if (!m_pages.empty())
        m_tabs->setCurrentIndex(std::clamp(startTab, 0, PageCount() - 1));
    m_shownTab = m_tabs->currentIndex();
    connect(m_tabs, &QTabWidget::currentChanged, this, &CManufacturerSheet::OnTabChanged);
    layout->addWidget(m_tabs);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CManufacturerSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CManufacturerSheet::reject);
    layout->addWidget(buttons);
    // Room for the five columns (600 pixels) beside the frame and a scroll bar.
    resize(660, 400);
}

std::optional<CManufacturerChoice> CManufacturerSheet::Open(QWidget* parent,
                                                            CClassificationDoc& yard,
                                                            CMessageSink& messages, int& lastTab) {
    CProgressWindow::WaitWhile(
        parent, tr("Please wait for the Manufacturer file to load..."),
        [&yard] { return yard.IsManufacturerLoaderRunning(); },
        [&yard] { yard.RaiseManufacturerLoaderPriority(); });
    if (yard.GetManufacturerList().empty())
        return std::nullopt;
    CManufacturerSheet sheet(yard, messages, lastTab, parent);
    if (sheet.exec() != QDialog::Accepted)
        return std::nullopt;
    lastTab = sheet.CurrentIndex();
    return sheet.GetChosen();
}

CManufacturerPage* CManufacturerSheet::Page(int index) const {
    return index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

int CManufacturerSheet::CurrentIndex() const {
    return m_tabs->currentIndex();
}

void CManufacturerSheet::OnTabChanged(int index) {
    if (CManufacturerPage* left = Page(m_shownTab))
        left->TakeSelection();
    m_shownTab = index;
}

void CManufacturerSheet::accept() {
    m_chosen.reset();
    if (CManufacturerPage* active = Page(CurrentIndex())) {
        active->TakeSelection();
        m_chosen = active->GetChosen();
    }
    QDialog::accept();
}
