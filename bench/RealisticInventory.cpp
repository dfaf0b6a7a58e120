#include "bench/RealisticInventory.h"

#include <random>
#include <string>

namespace {

const char* const kBodies[] = {
    "Boxcar",        "Caboose",          "Covered Hopper",      "Flatcar",
    "Gondola",       "Hopper",           "Locomotive - Diesel", "Locomotive - Steam",
    "Passenger Car", "Refrigerator Car", "Stock Car",           "Tank Car"};
const char* const kMakers[] = {"Athearn", "Atlas", "Bachmann",  "Kadee",
                               "Lionel",  "MTH",   "Walthers",  "American Flyer",
                               "Marx",    "Ives",  "Roundhouse"};
const char* const kRoads[] = {"Atchison, Topeka & Santa Fe",
                              "Baltimore & Ohio",
                              "Burlington Northern",
                              "Chesapeake & Ohio",
                              "Conrail",
                              "Great Northern",
                              "Milwaukee Road",
                              "New York Central",
                              "Norfolk & Western",
                              "Northern Pacific",
                              "Pennsylvania",
                              "Reading",
                              "Southern Pacific",
                              "Union Pacific",
                              "Western Maryland"};
const char* const kPaints[] = {"As Delivered", "Bicentennial", "Black Widow",
                               "Chessie",      "Daylight",     "Freight Car Red",
                               "Tuscan",       "Warbonnet",    "Weathered"};
const char* const kScales[] = {"G", "HO", "N", "O", "O27", "On30", "S", "Standard", "Z"};
const char* const kConditions[] = {"Excellent", "Fair", "Good",     "Like New",
                                   "Mint",      "Poor", "Very Good"};
const char* const kBoxes[] = {"Yes", "No", "Damaged"};
const char* const kEras[] = {"Modern", "Post-war", "Pre-war", "Steam Era", "Transition Era"};

template <std::size_t N> const char* Pick(const char* const (&list)[N], std::mt19937& random) {
    return list[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

} // namespace

std::vector<std::unique_ptr<CInventoryElement>> MakeRealisticInventory(std::size_t count,
                                                                       unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> number(1, 99999);
    std::uniform_int_distribution<int> year(1900, 2026);
    std::uniform_int_distribution<int> price(0, 1500);
    std::vector<std::unique_ptr<CInventoryElement>> items;
    items.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        auto item = std::make_unique<CInventoryElement>();
        item->SetBodyClassification(Pick(kBodies, random));
        item->SetManufacturer(Pick(kMakers, random));
        item->SetItemNumber(std::to_string(number(random)) + "-" + std::to_string(k % 97));
        item->SetRoadName(Pick(kRoads, random));
        item->SetPaintScheme(Pick(kPaints, random));
        item->SetScale(Pick(kScales, random));
        item->SetCondition(Pick(kConditions, random));
        item->SetOriginalBox(Pick(kBoxes, random));
        const int built = year(random);
        item->SetDateBuilt(std::to_string(built));
        item->SetPurchaseDate(std::to_string(std::min(2026, built + price(random) % 40)));
        item->SetPurchasePrice(AmountText(price(random)));
        item->SetCurrentValue(AmountText(price(random)));
        item->SetUserDefined1(Pick(kEras, random));
        item->SetUserDefined2("Shelf " + std::to_string(k % 40));
        if (k % 3 == 0)
            item->SetComments("Bought at the " + std::to_string(built) +
                              " train show; runs well, minor wear on the trucks.");
        item->SetEntryDate(1 + static_cast<int>(k % 12), 1 + static_cast<int>(k % 28),
                           2000 + static_cast<int>(k % 26));
        items.push_back(std::move(item));
    }
    return items;
}
