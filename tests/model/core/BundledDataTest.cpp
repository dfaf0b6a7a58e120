// The data files shipped with the program: they must be readable by the program's
// own readers and agree with each other and with the build.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/app/TipsFile.h"
#include "model/yard/ManufacturerFile.h"
#include "model/yard/YardFormat.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceData = GAUGEWRIGHT_SOURCE_DATA_DIR;
const fs::path kBuiltData = GAUGEWRIGHT_BUILT_DATA_DIR;

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return value;
}

const char* const kSounds[] = {"GAUGEWRT.WAV", "GAUGEEND.WAV", "GAUGECSH.WAV",
                               "GAUGECOI.WAV", "GAUGEWST.WAV", "GAUGESTR.WAV",
                               "GAUGEDEL.WAV", "GAUGEIOK.WAV", "GAUGEINT.WAV"};

class SoundFileTest : public testing::TestWithParam<const char*> {};

TEST_P(SoundFileTest, IsTheGeneratorsShortAudiblePcmWave) {
    const std::string committed = ReadBytes(kSourceData / GetParam());
    ASSERT_GT(committed.size(), 44u) << "missing or empty";
    EXPECT_EQ(committed, ReadBytes(kBuiltData / GetParam()))
        << "regenerate with: gaugewright_make_sounds data";

    EXPECT_EQ(committed.substr(0, 4), "RIFF");
    EXPECT_EQ(LittleEndian(committed, 4, 4), committed.size() - 8);
    EXPECT_EQ(committed.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(LittleEndian(committed, 20, 2), 1u) << "PCM";
    EXPECT_EQ(LittleEndian(committed, 22, 2), 1u) << "mono";
    EXPECT_EQ(LittleEndian(committed, 24, 4), 22050u);
    EXPECT_EQ(LittleEndian(committed, 34, 2), 16u);
    EXPECT_EQ(committed.substr(36, 4), "data");
    const std::uint32_t dataSize = LittleEndian(committed, 40, 4);
    ASSERT_EQ(dataSize, committed.size() - 44);

    const double seconds = dataSize / 2 / 22050.0;
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, 1.5);
    int loudest = 0;
    for (std::size_t i = 44; i + 1 < committed.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(LittleEndian(committed, i, 2));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(loudest, 8000) << "too quiet";
    EXPECT_LT(loudest, 32767) << "clipped";
}

INSTANTIATE_TEST_SUITE_P(BundledData, SoundFileTest, testing::ValuesIn(kSounds),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 8);
                         });

TEST(BundledData, EverySoundIsDifferent) {
    std::set<std::string> images;
    for (const char* name : kSounds)
        images.insert(ReadBytes(kSourceData / name));
    EXPECT_EQ(images.size(), std::size(kSounds));
}

CYardFileContents BundledCatalogue() {
    CYardFileContents yard;
    EXPECT_TRUE(yardformat::Read(ReadBytes(kSourceData / "Classyrd.mst"), yard).Succeeded());
    return yard;
}

bool Offers(const CYardFileContents& yard, int attribute, const std::string& value) {
    const CValueList& list = yard.values.at(attribute);
    return std::find(list.begin(), list.end(), value) != list.end();
}

TEST(BundledData, ManufacturerFileIsCompleteAndMatchesTheCatalogue) {
    CManufacturerFileContents contents;
    ASSERT_TRUE(
        manufacturerfile::Load((kSourceData / manufacturerfile::kFileName).string(), contents)
            .Succeeded());
    EXPECT_TRUE(contents.incompleteRecords.empty()) << contents.incompleteRecords.front();
    EXPECT_GE(contents.manufacturers.size(), 10u);

    const CYardFileContents yard = BundledCatalogue();
    std::size_t products = 0;
    std::set<std::string> roads;
    for (const CManufacturer& maker : contents.manufacturers) {
        SCOPED_TRACE(maker.GetName());
        EXPECT_TRUE(Offers(yard, 1, maker.GetName()));
        EXPECT_GE(maker.GetProducts().size(), 10u);
        std::set<std::string> numbers;
        for (const CManufacturerProduct& product : maker.GetProducts()) {
            SCOPED_TRACE(product.itemNumber);
            EXPECT_TRUE(numbers.insert(product.itemNumber).second) << "item number repeated";
            // The build form fills its lists from these; a value the catalogue
            // lacks could not be chosen.
            EXPECT_TRUE(Offers(yard, 0, product.bodyClassification));
            EXPECT_TRUE(Offers(yard, 3, product.roadName));
            EXPECT_TRUE(Offers(yard, 4, product.paintScheme));
            EXPECT_TRUE(Offers(yard, 5, product.scale));
            roads.insert(product.roadName);
            ++products;
        }
    }
    EXPECT_GE(products, 200u);
    // Road names with "&" and "," are stored with the substituted bytes.
    EXPECT_TRUE(roads.count("Atchison, Topeka & Santa Fe"));
    const std::string raw = ReadBytes(kSourceData / manufacturerfile::kFileName);
    EXPECT_EQ(raw.find('&'), std::string::npos);
    EXPECT_NE(raw.find('\xF5'), std::string::npos);
}

TEST(BundledData, TipsFileHoldsEveryTipOnALineOfItsOwn) {
    CTipsFile tips;
    ASSERT_TRUE(tips.Open((kSourceData / CTipsFile::kFileName).string()).Succeeded());
    std::vector<std::string> read;
    std::set<std::string> distinct;
    // Reading wraps around at the end; stop when the first tip comes again.
    while (read.size() < 100) {
        const std::optional<std::string> tip = tips.ReadNextTip();
        ASSERT_TRUE(tip.has_value());
        if (!read.empty() && *tip == read.front())
            break;
        read.push_back(*tip);
        distinct.insert(*tip);
    }
    EXPECT_GE(read.size(), 25u);
    EXPECT_LE(read.size(), 40u);
    EXPECT_EQ(distinct.size(), read.size());
    for (const std::string& tip : read) {
        // A tip longer than one read would be shown in pieces.
        EXPECT_EQ(tip.back(), '\n') << tip;
        EXPECT_LT(tip.size(), CTipsFile::kReadLimit) << tip;
        EXPECT_EQ(tip.find('\r'), std::string::npos) << tip;
    }
}

// The resource aliases the widgets use, one per picture the program shows.
const char* const kIconAliases[] = {
    "app/gaugewright.svg",
    "app/classification-yard.svg",
    "app/splash.svg",
    "app/tip.svg",
    "tree/body-classification.svg",
    "tree/manufacturer.svg",
    "tree/item-number.svg",
    "tree/road-name.svg",
    "tree/paint-scheme.svg",
    "tree/scale.svg",
    "tree/condition.svg",
    "tree/original-box.svg",
    "tree/date-built.svg",
    "tree/purchase-date.svg",
    "tree/purchase-price.svg",
    "tree/current-value.svg",
    "tree/user-defined-1.svg",
    "tree/user-defined-2.svg",
    "tree/inventory.svg",
    "signal/signal-1.svg",
    "signal/signal-2.svg",
    "signal/signal-3.svg",
    "cursor/drag-crossover.svg",
    "cursor/drag-samekind.svg",
    "toolbar/new.svg",
    "toolbar/open.svg",
    "toolbar/save.svg",
    "toolbar/print.svg",
    "toolbar/cut.svg",
    "toolbar/undo.svg",
    "toolbar/redo.svg",
    "toolbar/copy.svg",
    "toolbar/paste.svg",
    "toolbar/find.svg",
    "toolbar/delete.svg",
    "toolbar/expand.svg",
    "toolbar/collapse.svg",
    "toolbar/dollar-gain-loss.svg",
    "toolbar/percent-gain-loss.svg",
    "toolbar/best-performer.svg",
    "toolbar/worst-performer.svg",
    "toolbar/total-expenditures.svg",
    "toolbar/total-asset-value.svg",
    "toolbar/send-to-yard.svg",
    "toolbar/view-comments.svg",
    "toolbar/build-item.svg",
    "toolbar/customize-yard.svg",
    "toolbar/use-manufacturer-file.svg",
    "toolbar/send-to-inventory.svg",
    "toolbar/cascade.svg",
    "toolbar/tile-vertically.svg",
    "toolbar/tile-horizontally.svg",
    "toolbar/about.svg",
    "toolbar/context-help.svg",
};

TEST(BundledData, IconResourceFileListsExactlyTheIconsWithTheirAliases) {
    const fs::path icons = kSourceData / "icons";
    const std::string qrc = ReadBytes(icons / "icons.qrc");
    ASSERT_NE(qrc.find("<qresource prefix=\"/icons\">"), std::string::npos);

    std::set<std::string> listed;
    const std::regex entry(R"re(<file alias="([^"]+)">([^<]+)</file>)re");
    for (auto it = std::sregex_iterator(qrc.begin(), qrc.end(), entry);
         it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1], (*it)[2]) << "alias and file differ";
        listed.insert((*it)[2]);
    }
    std::set<std::string> present;
    for (const auto& file : fs::recursive_directory_iterator(icons))
        if (file.path().extension() == ".svg")
            present.insert(fs::relative(file.path(), icons).generic_string());
    EXPECT_EQ(listed, present);
    EXPECT_EQ(listed, std::set<std::string>(std::begin(kIconAliases), std::end(kIconAliases)));

    for (const std::string& name : present) {
        const std::string svg = ReadBytes(icons / name);
        EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos) << name;
        EXPECT_NE(svg.find("viewBox="), std::string::npos) << name;
    }
}

TEST(BundledData, DesktopFilesNameTheProgramAndRecogniseItsInventories) {
    const std::string desktop = ReadBytes(kSourceData / "desktop" / "gaugewright.desktop");
    for (const char* line : {"[Desktop Entry]\n", "\nName=Gaugewright\n", "\nExec=gaugewright %f\n",
                             "\nMimeType=application/x-gaugewright-inventory;"
                             "application/x-gaugewright-archive;\n",
                             "\nIcon=gaugewright\n", "\nCategories=Office;\n"})
        EXPECT_NE(desktop.find(line), std::string::npos) << line;

    const std::string mime = ReadBytes(kSourceData / "desktop" / "gaugewright-inventory.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-gaugewright-inventory\">"),
              std::string::npos);
    EXPECT_NE(mime.find("<comment>Gaugewright Inventory File</comment>"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.inv\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<mime-type type=\"application/x-gaugewright-archive\">"),
              std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.gwz\"/>"), std::string::npos);
    // The magic rule names the bytes an inventory file starts with.
    const std::smatch magic = [&] {
        std::smatch match;
        std::regex_search(mime, match, std::regex(R"re(value="\\x0b([A-Z]+)" offset="0")re"));
        return match;
    }();
    ASSERT_FALSE(magic.empty());
    const std::string start = "\x0b" + magic[1].str();
    EXPECT_EQ(ReadBytes(kSourceData / "Sample.inv").substr(0, start.size()), start);
}

} // namespace
