#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "ui/app/AppSettings.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/CommandRouter.h"
#include "ui/support/EventLog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/SoundRecorder.h"

class CBreakdownCommands;
class CClassificationDoc;
class CClassificationView;
class CImportExportCommands;
class CSidingWardView;
class CSidingWardView2;
class CThumbnailLoader;
class CCommandTarget;

// What the inventory view tests share: a Classification Yard (headings "H" + the
// default name, two values "A<n>" and "b<n>" per attribute) with its build form,
// a settings store in a temporary folder, the recorders, and a command router
// whose view level is the view the test names active.
class CInventoryBench {
public:
    CInventoryBench();
    ~CInventoryBench();

    // A view on document, registered with the yard, shown (initial update done)
    // and active for the router.
    std::unique_ptr<CSidingWardView> MakeView(CSidingWardDoc& document, bool withYard = true);
    // A list window on document, the same way.
    std::unique_ptr<CSidingWardView2> MakeListView(CSidingWardDoc& document, bool withYard = true);
    void SetActive(CCommandTarget* view) { m_active = view; }

    // Whether the command is enabled now, and its menu text.
    bool Enabled(int id);
    QString Text(int id);
    // Runs the command through the router (only when enabled); false when not run.
    bool Run(int id);

    // An item whose attribute n holds values[n] (missing ones: "b<n>").
    static std::unique_ptr<CInventoryElement> Item(const std::vector<std::string>& values = {});
    // Adds items labelled (Body Classification) as given, in that order.
    static void Fill(CSidingWardDoc& document, const std::vector<std::string>& bodies);

    CFixedClock clock{CDate{2026, 12, 8}};
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CAppSettings> settings;
    CEventLog log;
    CMessageRecorder messages{&log};
    CSoundRecorder sounds{&log};
    std::unique_ptr<CClassificationDoc> yard;
    std::unique_ptr<CClassificationView> yardView;
    CCommandRouter router;
    std::unique_ptr<CActionRegistry> actions;
    // The export and import commands the views made from now on get (not owned).
    CImportExportCommands* importExport = nullptr;
    // The breakdown reports the views made from now on get (not owned).
    CBreakdownCommands* breakdowns = nullptr;
    // The thumbnails the views made from now on get (not owned).
    CThumbnailLoader* thumbnails = nullptr;

private:
    CCommandTarget* m_active = nullptr;
};
