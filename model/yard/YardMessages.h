#pragma once

#include <array>
#include <string_view>

// The private messages between the Classification Yard window and the inventory
// windows. Each is delivered synchronously and handled to completion before the
// sending call returns; the widgets carry them as custom event types whose
// values are these numbers.

// To the yard tree: the inventory refused (1) or accepted (0) a dropped item.
inline constexpr int YM_DROP_RESULT = 0x8004;
// To an inventory view: an item dragged from the yard was released over it.
inline constexpr int YM_YARD_DROP = 0x8005;
// To an inventory tree: the yard took the item dragged from it.
inline constexpr int YM_INVENTORY_DROP_RESULT = 0x8006;
// To the yard view or another inventory view: an item dragged from an inventory was released.
inline constexpr int YM_INVENTORY_DROP = 0x8007;
// To the yard view: an inventory sends one of its items for changes.
inline constexpr int YM_SEND_TO_YARD = 0x8009;
// To the yard view: an inventory document registers with the yard.
inline constexpr int YM_REGISTER = 0x8015;
// To the yard view: the last view of an inventory document goes away.
inline constexpr int YM_UNREGISTER = 0x8032;
// To an inventory view: the yard sends it a finished item.
inline constexpr int YM_SEND_TO_INVENTORY = 0x8033;
// To every view of every registered inventory: redisplay (the headings changed).
inline constexpr int YM_REDISPLAY = 0x8034;
// To the source inventory view: cut the selected item (it was dropped on another inventory).
inline constexpr int YM_CUT = 0x8037;
// To the yard view: start a build, as the Build button does.
inline constexpr int YM_START_BUILD = 0x803A;

struct CYardMessageInfo {
    int value;
    std::string_view name;
};

inline constexpr std::array<CYardMessageInfo, 11> kYardMessages = {{
    {YM_DROP_RESULT, "YM_DROP_RESULT"},
    {YM_YARD_DROP, "YM_YARD_DROP"},
    {YM_INVENTORY_DROP_RESULT, "YM_INVENTORY_DROP_RESULT"},
    {YM_INVENTORY_DROP, "YM_INVENTORY_DROP"},
    {YM_SEND_TO_YARD, "YM_SEND_TO_YARD"},
    {YM_REGISTER, "YM_REGISTER"},
    {YM_UNREGISTER, "YM_UNREGISTER"},
    {YM_SEND_TO_INVENTORY, "YM_SEND_TO_INVENTORY"},
    {YM_REDISPLAY, "YM_REDISPLAY"},
    {YM_CUT, "YM_CUT"},
    {YM_START_BUILD, "YM_START_BUILD"},
}};

// Drop points travel in one 32-bit argument: x in the low 16 bits, y in the high 16 bits.
inline constexpr unsigned PackDropPoint(int x, int y) {
    return (static_cast<unsigned>(x) & 0xFFFFu) | ((static_cast<unsigned>(y) & 0xFFFFu) << 16);
}
inline constexpr int DropPointX(unsigned packed) {
    return static_cast<short>(packed & 0xFFFFu);
}
inline constexpr int DropPointY(unsigned packed) {
    return static_cast<short>(packed >> 16);
}
