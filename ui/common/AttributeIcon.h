#pragma once

#include <QIcon>

// The icon of an attribute's line in the yard's and the inventories' trees (the
// root of an item shows Body Classification's), readable on the selection colour
// too; a null icon for an index outside 0..13.
QIcon AttributeIcon(int attribute);
