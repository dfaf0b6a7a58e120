#include "model/yard/ManufacturerLoader.h"

#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "support/TempDir.h"
#include "support/YardFile.h"

namespace {

using Messages = std::vector<std::string>;

const std::string kFile = "Lionel|6464|Boxcar|NYC|Jade|O\r\n"
                          "Lionel|6464-1|\r\n"
                          "Athearn|1|Hopper|UP|Grey|HO\r\n"
                          "broken\r\n";
const Messages kIncompleteMessages = {
    "This external manufacturer record is incomplete!\nLionel|6464-1|",
    "This external manufacturer record is incomplete!\nbroken"};

// A sink that holds the loader thread at its first message until released, and
// keeps what it was told and whether that came from another thread.
class CHeldSink {
public:
    CManufacturerLoader::MessageSink Sink() {
        return [this, release = m_release.get_future().share(),
                caller = std::this_thread::get_id()](const CUserText& message) {
            release.wait();
            const std::lock_guard lock(m_mutex);
            m_messages.push_back(message.English());
            m_offThread = m_offThread && std::this_thread::get_id() != caller;
        };
    }
    void Release() { m_release.set_value(); }
    Messages Told() {
        const std::lock_guard lock(m_mutex);
        return m_offThread ? m_messages : Messages{"called on the wrong thread"};
    }

private:
    std::promise<void> m_release;
    std::mutex m_mutex;
    Messages m_messages;
    bool m_offThread = true;
};

class ManufacturerLoaderTest : public testing::Test {
protected:
    ManufacturerLoaderTest() { dir.Write("ExtMFile.mst", kFile); }

    CTempDir dir;
    const std::string path = dir.Path("ExtMFile.mst");
    const CFixedClock clock{CDate{2000, 7, 4}};
};

TEST_F(ManufacturerLoaderTest, ResultsAreHandedOutOnlyAfterTheThreadEnded) {
    CHeldSink held;
    CManufacturerLoader loader(path, held.Sink());
    // Held at its first message, the thread cannot have ended.
    EXPECT_TRUE(loader.IsRunning());
    EXPECT_TRUE(loader.GetManufacturers().empty());
    EXPECT_TRUE(loader.GetMessages().empty());
    loader.RaisePriority(); // whether it may is the platform's decision
    held.Release();
    loader.Wait();

    EXPECT_FALSE(loader.IsRunning());
    EXPECT_FALSE(loader.RaisePriority());
    ASSERT_EQ(loader.GetManufacturers().size(), 2u);
    EXPECT_EQ(loader.GetManufacturers()[1].GetProducts().at(0).roadName, "UP");
    EXPECT_EQ(loader.GetIncompleteRecords(), (Messages{"Lionel|6464-1|", "broken"}));
    EXPECT_EQ(loader.GetMessages(), kIncompleteMessages);
    EXPECT_EQ(held.Told(), kIncompleteMessages);
}

TEST_F(ManufacturerLoaderTest, OnlyTheFirstThreeIncompleteRecordsGetAMessageEach) {
    const Messages first3 = {"This external manufacturer record is incomplete!\nbad1",
                             "This external manufacturer record is incomplete!\nbad2",
                             "This external manufacturer record is incomplete!\nbad3"};
    const auto with = [&first3](const std::string& last) {
        Messages messages = first3;
        messages.push_back(last);
        return messages;
    };
    const std::pair<int, Messages> cases[] = {
        {3, first3},
        {4, with("1 more incomplete external manufacturer record was skipped.")},
        {10, with("7 more incomplete external manufacturer records were skipped.")},
    };
    for (const auto& [bad, expected] : cases) {
        SCOPED_TRACE(bad);
        std::string file = "Lionel|6464|Boxcar|NYC|Jade|O\r\n";
        for (int k = 1; k <= bad; ++k)
            file += "bad" + std::to_string(k) + "\r\n";
        dir.Write("ExtMFile.mst", file);
        Messages told; // one message box each
        CManufacturerLoader loader(
            path, [&told](const CUserText& message) { told.push_back(message.English()); });
        loader.Wait();
        EXPECT_EQ(told, expected);
        EXPECT_EQ(loader.GetMessages(), expected);
        EXPECT_EQ(loader.GetIncompleteRecords().size(), static_cast<std::size_t>(bad));
        EXPECT_EQ(loader.GetManufacturers().size(), 1u);
    }
}

TEST_F(ManufacturerLoaderTest, MissingFileGivesTheFileErrorMessage) {
    const std::string missing = dir.Path("Elsewhere.mst");
    CManufacturerLoader loader(missing);
    loader.Wait();
    EXPECT_TRUE(loader.GetManufacturers().empty());
    EXPECT_EQ(loader.GetMessages(),
              Messages{"A file error has been detected!\nThe external manufacturer file cannot be "
                       "loaded.\n" +
                       missing + " was not found."});
}

TEST_F(ManufacturerLoaderTest, ThrowingSinkDoesNotStopTheLoading) {
    CManufacturerLoader loader(path, [](const CUserText&) { throw std::runtime_error("no"); });
    loader.Wait();
    EXPECT_EQ(loader.GetManufacturers().size(), 2u);
    EXPECT_EQ(loader.GetMessages(), kIncompleteMessages);
}

TEST_F(ManufacturerLoaderTest, DocumentLoadsBesideOpeningTheCatalogue) {
    CClassificationDoc without(clock);
    EXPECT_FALSE(without.IsManufacturerLoaderRunning());
    EXPECT_FALSE(without.RaiseManufacturerLoaderPriority());
    without.WaitForManufacturerLoader();
    EXPECT_TRUE(without.GetManufacturerList().empty());

    CHeldSink held;
    CClassificationDoc yard(clock, path, held.Sink());
    EXPECT_TRUE(yard.IsManufacturerLoaderRunning());
    EXPECT_TRUE(yard.GetManufacturerList().empty());
    dir.Write("Classyrd.mst", YardFile({{1, "Lionel"}}));
    ASSERT_TRUE(yard.OnOpenDocument(dir.Path("Classyrd.mst")).Succeeded());
    held.Release();
    yard.WaitForManufacturerLoader();
    EXPECT_FALSE(yard.IsManufacturerLoaderRunning());
    EXPECT_EQ(yard.GetManufacturerList().size(), 2u);
    EXPECT_EQ(yard.GetManufacturerMessages(), kIncompleteMessages);
}

TEST_F(ManufacturerLoaderTest, DocumentDestroyedWhileLoading) {
    CHeldSink held;
    auto yard = std::make_unique<CClassificationDoc>(clock, path, held.Sink());
    EXPECT_TRUE(yard->IsManufacturerLoaderRunning());
    held.Release();
    yard.reset();
    // Joined: every message reached the sink before the document went away.
    EXPECT_EQ(held.Told(), kIncompleteMessages);
}

} // namespace
