#include "support/RandomContent.h"

namespace {
int Uniform(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}
} // namespace

std::string RandomText(std::mt19937& random) {
    const int kind = Uniform(random, 0, 99);
    const int length = kind < 3    ? Uniform(random, 65530, 65600)
                       : kind < 15 ? Uniform(random, 250, 300)
                                   : Uniform(random, 0, 20);
    std::string text(static_cast<std::size_t>(length), '\0');
    for (char& c : text)
        c = static_cast<char>(Uniform(random, 0, 255));
    return text;
}

std::unique_ptr<CInventoryElement> RandomItem(std::mt19937& random) {
    auto item = std::make_unique<CInventoryElement>();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        item->SetAttributeText(attribute, RandomText(random));
    item->SetReservedText1(RandomText(random));
    item->SetReservedText2(RandomText(random));
    item->SetComments(RandomText(random));
    item->SetPicture(RandomText(random));
    item->SetEntryDate(Uniform(random, 0, 65535), Uniform(random, 0, 65535),
                       Uniform(random, 0, 65535));
    return item;
}

CYardFileContents RandomCatalogue(std::mt19937& random) {
    CYardFileContents contents;
    contents.signature = "GAUGEWRIGHT";
    contents.version = 214;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        contents.headings[static_cast<std::size_t>(attribute)] = RandomText(random);
        if (attribute == static_cast<int>(Attribute::ItemNumber))
            continue;
        const int count = Uniform(random, 0, 6);
        for (int k = 0; k < count; ++k)
            contents.values[static_cast<std::size_t>(attribute)].push_back(RandomText(random));
    }
    contents.useManufacturerFile = Uniform(random, 0, 1) == 1;
    contents.useWizard = Uniform(random, 0, 1) == 1;
    return contents;
}
