#include "ui/support/InventoryBench.h"

#include "model/yard/ClassificationDoc.h"
#include "ui/common/CommandUpdate.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/inventory/SidingWardView2.h"
#include "ui/yard/ClassificationView.h"

CInventoryBench::CInventoryBench()
    : dir(std::make_unique<QTemporaryDir>()),
      settings(std::make_unique<CAppSettings>(dir->filePath(QStringLiteral("settings.ini")))),
      yard(std::make_unique<CClassificationDoc>(clock)) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        yard->SetHeading(attribute, std::string("H") + AttributeName(attribute));
        if (CValueList* values = yard->GetValueList(attribute)) {
            *values = {std::string("b") + std::to_string(attribute),
                       std::string("A") + std::to_string(attribute)};
        }
    }
    // Builds run without the manufacturer listing and the wizard.
    yard->SetUseManufacturerFile(false);
    yard->SetUseWizard(false);
    yard->SetModifiedFlag(false);
    yardView = std::make_unique<CClassificationView>(*yard, clock, messages);
    router.SetSource(RouteLevel::View, [this]() -> CCommandTarget* { return m_active; });
    actions = std::make_unique<CActionRegistry>(router);
    actions->Register(CSidingWardView::Commands());
    actions->Register(CClassificationView::Commands());
}

CInventoryBench::~CInventoryBench() {
    actions.reset();
    yardView.reset();
}

std::unique_ptr<CSidingWardView> CInventoryBench::MakeView(CSidingWardDoc& document,
                                                           bool withYard) {
    CYardWindow* yardWindow = withYard ? yardView.get() : nullptr;
    auto view = std::make_unique<CSidingWardView>(
        document,
        CSidingWardView::Services{messages, sounds, *settings, [yardWindow] { return yardWindow; },
                                  nullptr, importExport, nullptr, breakdowns, thumbnails, &clock});
    view->SetActions(actions.get());
    view->resize(420, 360);
    view->show();
    m_active = view.get();
    return view;
}

std::unique_ptr<CSidingWardView2> CInventoryBench::MakeListView(CSidingWardDoc& document,
                                                                bool withYard) {
    CYardWindow* yardWindow = withYard ? yardView.get() : nullptr;
    auto view = std::make_unique<CSidingWardView2>(
        document,
        CInventoryViewServices{messages, sounds, *settings, [yardWindow] { return yardWindow; },
                               nullptr, importExport, nullptr, breakdowns, thumbnails, &clock});
    view->SetActions(actions.get());
    view->resize(620, 360);
    view->show();
    m_active = view.get();
    return view;
}

bool CInventoryBench::Enabled(int id) {
    return router.FindTarget(id) != nullptr && router.Update(id).IsEnabled();
}

QString CInventoryBench::Text(int id) {
    actions->UpdateAction(id);
    return actions->Action(id)->text();
}

bool CInventoryBench::Run(int id) {
    return router.Route(id);
}

std::unique_ptr<CInventoryElement> CInventoryBench::Item(const std::vector<std::string>& values) {
    auto item = std::make_unique<CInventoryElement>();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const auto slot = static_cast<std::size_t>(attribute);
        item->SetAttributeText(attribute, slot < values.size()
                                              ? values[slot]
                                              : std::string("b") + std::to_string(attribute));
    }
    return item;
}

void CInventoryBench::Fill(CSidingWardDoc& document, const std::vector<std::string>& bodies) {
    for (const std::string& body : bodies)
        document.AddItem(Item({body}), nullptr);
}
