#pragma once

// The numbers of the inventory window's own commands (its View and Options
// entries, the context menu's Change entries and the Quick Facts). The window
// describes and carries them out in one table (SidingWardView.cpp).
namespace CommandId {

inline constexpr int ExpandInventory = 32785;
inline constexpr int CollapseInventory = 32786;
inline constexpr int ViewAsList = 32876;
// File > Save Copy as Archive (the application carries it out).
inline constexpr int SaveCopyAsArchive = 32960;
inline constexpr int SendToYard = 32840;
inline constexpr int ViewItemComments = 32841;
inline constexpr int ViewItemPicture = 32918;
// Sort Inventory by...: one command per attribute, SortByFirst + attribute index.
inline constexpr int SortByFirst = 32900;
inline constexpr int SortByCount = 14;
inline constexpr int InventoryDetails = 32914;
inline constexpr int ExportInventory = 32790;
inline constexpr int ImportInventory = 32856;
inline constexpr int IntegrityCheck = 32917;
inline constexpr int ChangeCondition = 32920;
inline constexpr int ChangeCurrentValue = 32921;
inline constexpr int ChangeComments = 32922;
inline constexpr int ChangePicture = 32923;
inline constexpr int ShowPictures = 32939;
inline constexpr int InsuranceReport = 32961;

// Quick Facts
inline constexpr int DollarGainLoss = 32791;
inline constexpr int PercentGainLoss = 32804;
inline constexpr int BestPerformer = 32796;
inline constexpr int WorstPerformer = 32797;
inline constexpr int TotalExpenditures = 32798;
inline constexpr int TotalAssetValue = 32800;
inline constexpr int ItemCountTotal = 32874;
inline constexpr int ExpendituresByPurchaseDate = 32930;
inline constexpr int ExpendituresByManufacturer = 32931;
inline constexpr int ExpendituresByBodyClassification = 32932;
inline constexpr int AssetValueByPurchaseDate = 32933;
inline constexpr int AssetValueByManufacturer = 32934;
inline constexpr int AssetValueByBodyClassification = 32935;
inline constexpr int ItemCountByManufacturer = 32936;
inline constexpr int ItemCountByBodyClassification = 32937;
inline constexpr int CustomReport = 32938;
inline constexpr int ValueHistory = 32941;

} // namespace CommandId
