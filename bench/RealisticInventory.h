#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "model/core/InventoryElement.h"

// An inventory of collector-like texts: a few hundred distinct values per
// attribute, free item numbers, money and year texts as the yard writes them,
// comments on about a third of the items.
std::vector<std::unique_ptr<CInventoryElement>> MakeRealisticInventory(std::size_t count,
                                                                       unsigned seed);
