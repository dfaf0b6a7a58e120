#pragma once

#include <memory>
#include <random>
#include <string>

#include "model/core/InventoryElement.h"
#include "model/yard/YardFormat.h"

// Random texts of arbitrary bytes (0x00 and high bytes included): mostly short,
// sometimes long enough for the two-byte length prefix, rarely for the four-byte one.
std::string RandomText(std::mt19937& random);

// An item with random bytes in every text and a random entry date that a word holds.
std::unique_ptr<CInventoryElement> RandomItem(std::mt19937& random);

// A catalogue with random values in the thirteen lists, random headings and preferences.
CYardFileContents RandomCatalogue(std::mt19937& random);
