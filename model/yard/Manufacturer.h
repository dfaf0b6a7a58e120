#pragma once

#include <string>
#include <utility>
#include <vector>

// One ready-made product of the manufacturer file: the five attributes that a
// build takes from it besides the manufacturer.
struct CManufacturerProduct {
    std::string itemNumber;
    std::string bodyClassification;
    std::string roadName;
    std::string paintScheme;
    std::string scale;

    bool operator==(const CManufacturerProduct&) const = default;
};

// A manufacturer of the manufacturer file with its products in file order.
class CManufacturer {
public:
    explicit CManufacturer(std::string name) : m_name(std::move(name)) {}

    const std::string& GetName() const { return m_name; }
    const std::vector<CManufacturerProduct>& GetProducts() const { return m_products; }
    void AddProduct(CManufacturerProduct product) { m_products.push_back(std::move(product)); }

    bool operator==(const CManufacturer&) const = default;

private:
    std::string m_name;
    std::vector<CManufacturerProduct> m_products;
};

// A product chosen from the manufacturer listing, with the name of its manufacturer.
struct CManufacturerChoice {
    std::string manufacturer;
    CManufacturerProduct product;

    bool operator==(const CManufacturerChoice&) const = default;
};

// The manufacturers in order of their first appearance in the file.
using CManufacturerList = std::vector<CManufacturer>;
