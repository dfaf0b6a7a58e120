#pragma once

// The numbers of the program's commands. Menus, toolbar buttons, accelerators and
// update handlers all name a command by its number; the standard ones keep the
// numbers of the classic document/view framework.
namespace CommandId {

// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
// The four entries of the recent file list.
inline constexpr int FileMru1 = 57616;
inline constexpr int FileMruCount = 4;
inline constexpr int AppExit = 57665;

// Edit
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditDelete = 32788;

// The context menu of an inventory tree repeats some Edit entries without their
// key texts; those entries have numbers of their own.
inline constexpr int EditCutPopup = 32924;
inline constexpr int EditCopyPopup = 32925;
inline constexpr int EditPastePopup = 32926;
inline constexpr int EditFindPopup = 32927;
inline constexpr int EditDeletePopup = 32928;

// Inventory view
inline constexpr int ExpandInventory = 32785;
inline constexpr int CollapseInventory = 32786;
inline constexpr int ViewAsList = 32876;
inline constexpr int SendToYard = 32840;
inline constexpr int ViewItemComments = 32841;
inline constexpr int ViewItemPicture = 32918;
inline constexpr int ViewItemPicturePopup = 32919;
// Sort Inventory by...: one command per attribute, SortByFirst + attribute index.
inline constexpr int SortByFirst = 32900;
inline constexpr int SortByCount = 14;
inline constexpr int InventoryDetails = 32914;
inline constexpr int ExportInventory = 32915;
inline constexpr int ImportInventory = 32916;
inline constexpr int IntegrityCheck = 32917;
inline constexpr int ChangeCondition = 32920;
inline constexpr int ChangeCurrentValue = 32921;
inline constexpr int ChangeComments = 32922;
inline constexpr int ChangePicture = 32923;

// Quick Facts
inline constexpr int DollarGainLoss = 32791;
inline constexpr int PercentGainLoss = 32804;
inline constexpr int BestPerformer = 32796;
inline constexpr int WorstPerformer = 32797;
inline constexpr int TotalExpenditures = 32798;
inline constexpr int TotalAssetValue = 32800;
inline constexpr int ItemCountTotal = 32874;
inline constexpr int DollarGainLossPopup = 32842;
inline constexpr int PercentGainLossPopup = 32843;
inline constexpr int ExpendituresByPurchaseDate = 32930;
inline constexpr int ExpendituresByManufacturer = 32931;
inline constexpr int ExpendituresByBodyClassification = 32932;
inline constexpr int AssetValueByPurchaseDate = 32933;
inline constexpr int AssetValueByManufacturer = 32934;
inline constexpr int AssetValueByBodyClassification = 32935;
inline constexpr int ItemCountByManufacturer = 32936;
inline constexpr int ItemCountByBodyClassification = 32937;
inline constexpr int CustomReport = 32938;

// Classification Yard (the numbers of its popup menu, which the toolbar shares)
inline constexpr int BuildItem = 32854;
// The yard window's Options menu (the popup menu uses the toolbar's numbers and
// FinishPopup, CancelPopup, ItemNumberBuilderPopup).
inline constexpr int YardBuild = 32853;
inline constexpr int YardFinish = 32862;
inline constexpr int YardCancel = 32861;
inline constexpr int YardItemNumberBuilder = 32837;
inline constexpr int YardSendToInventory = 32839;
inline constexpr int YardFinishPopup = 32863;
inline constexpr int YardCancelPopup = 32864;
inline constexpr int YardItemNumberBuilderPopup = 32824;
inline constexpr int YardCustomize = 32787;
inline constexpr int YardUseManufacturerFile = 32835;
inline constexpr int CustomizeYard = 32825;
inline constexpr int UseManufacturerFile = 32833;
inline constexpr int SendItemToInventory = 32822;

// View
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;

// Window
inline constexpr int WindowArrangeIcons = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTileHorizontally = 57651;
inline constexpr int WindowTileVertically = 57652;
// The numbered entries of the Window menu's list of open windows.
inline constexpr int WindowFirstChild = 65280;

// Help
inline constexpr int TipOfTheDay = 105;
inline constexpr int AppAbout = 57664;
inline constexpr int HelpTopics = 57667;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int DefaultHelp = 57671;

} // namespace CommandId
