#pragma once

#include <cstddef>
#include <memory>
#include <string>

class CSidingWardDoc;

// The most items an inventory file holds.
inline constexpr std::size_t kLargestInventory = 65535;

// A document of count realistic items (the same items for the same count).
std::unique_ptr<CSidingWardDoc> MakeDocument(std::size_t count);

// The path of a saved inventory of kLargestInventory items, written once per run.
const std::string& LargestInventoryPath();
