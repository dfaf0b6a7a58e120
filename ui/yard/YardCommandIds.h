#pragma once

// The numbers of the Classification Yard's commands. The Options menu, the
// "Classification Modification" popup and the toolbar show the same commands;
// the yard's build form describes and carries them out (ClassificationView.cpp).
// An inventory window carries out Build too: it hands the build to the yard.
namespace CommandId {

inline constexpr int BuildItem = 32854;
inline constexpr int YardFinish = 32862;
inline constexpr int YardCancel = 32861;
inline constexpr int CustomizeYard = 32825;
inline constexpr int UseManufacturerFile = 32833;
inline constexpr int YardItemNumberBuilder = 32837;
inline constexpr int SendItemToInventory = 32822;

} // namespace CommandId
