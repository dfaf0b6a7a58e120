#pragma once

#include <functional>

#include "model/framework/Clock.h"

class CBreakdownCommands;
class CCommentsPictureCommands;
class CImportExportCommands;
class CInsuranceReportCommands;
class CInventoryViewSettings;
class CMessageSink;
class CReportPrintCommands;
class CSoundPlayer;
class CThumbnailLoader;
class CYardWindow;

// Everything an inventory window (the tree or the list) uses from the program; it
// must outlive the window.
struct CInventoryViewServices {
    CMessageSink& messages;
    CSoundPlayer& sounds;
    CInventoryViewSettings& settings;
    // The Classification Yard window; null when there is no yard (registration
    // then fails with a message).
    std::function<CYardWindow*()> findYard;
    // The comments and picture commands; null leaves them disabled.
    CCommentsPictureCommands* commentsPictures = nullptr;
    // Export and Import Inventory; null leaves them disabled.
    CImportExportCommands* importExport = nullptr;
    // Print and Print Preview; null leaves them disabled.
    CReportPrintCommands* printing = nullptr;
    // The breakdown reports of the Quick Facts menu; null leaves them disabled.
    CBreakdownCommands* breakdowns = nullptr;
    // The thumbnails of the items' pictures; null leaves Show Pictures disabled and
    // the tree's tool tips without pictures.
    CThumbnailLoader* thumbnails = nullptr;
    // Dates the values an item is given (its value history); null: the system's clock.
    const CClock* clock = nullptr;
    // File > Insurance Report; null leaves it disabled.
    CInsuranceReportCommands* insurance = nullptr;
};

// Today, as the services' clock gives it.
CDate Today(const CInventoryViewServices& services);
