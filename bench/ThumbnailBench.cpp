// The list window of the largest inventory with its pictures shown: 65535 items
// naming 5000 distinct photos of a phone camera's size. How long the visible
// rows wait for their thumbnails, with the desktop's thumbnail folder empty
// (cold) and filled (warm), and the longest the window stops answering while
// the user drags the list from top to bottom.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "bench/WindowStandIns.h"
#include "model/core/SidingWardDoc.h"
#include "ui/app/AppSettings.h"
#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"
#include "ui/common/YardWindow.h"
#include "ui/inventory/InventoryListModel.h"
#include "ui/inventory/SidingWardView2.h"

namespace {

constexpr int kPictures = 5000;

// A picture that decodes like a photo: smooth light with grain, a few MB as JPEG.
QImage Photo(QSize size, unsigned seed) {
    QImage image(size, QImage::Format_RGB32);
    std::minstd_rand grain(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = static_cast<int>(grain() % 25) - 12;
            const auto channel = [noise](int value) { return std::clamp(value + noise, 0, 255); };
            line[x] =
                qRgb(channel(x * 200 / size.width() + 30), channel(y * 180 / size.height() + 40),
                     channel((x + y) * 120 / (size.width() + size.height()) + 60));
        }
    }
    return image;
}

// The photos: four real JPEGs of 12-megapixel sizes (the first 4000 x 3000), each
// linked under 1250 names, so every one of the 5000 names is a thumbnail of its own
// and costs a whole decode.
const QStringList& PhotoPaths() {
    static QTemporaryDir folder;
    static QStringList paths;
    if (!paths.isEmpty())
        return paths;
    const std::vector<QSize> sizes = {{4000, 3000}, {3000, 4000}, {4032, 3024}, {4000, 2250}};
    for (std::size_t k = 0; k < sizes.size(); ++k)
        Photo(sizes[k], static_cast<unsigned>(k + 1))
            .save(folder.filePath(QStringLiteral("source-%1.jpg").arg(k)), "jpg", 90);
    for (int k = 0; k < kPictures; ++k) {
        const QString source = folder.filePath(QStringLiteral("source-%1.jpg").arg(k % 4));
        const QString path =
            folder.filePath(QStringLiteral("photo %1.jpg").arg(k, 5, 10, QLatin1Char('0')));
        std::filesystem::create_hard_link(source.toStdU16String(), path.toStdU16String());
        paths << path;
    }
    return paths;
}

// The largest inventory, item k naming photo k mod 5000.
std::unique_ptr<CSidingWardDoc> InventoryWithPictures() {
    auto document = MakeDocument(kLargestInventory);
    const QStringList& photos = PhotoPaths();
    for (int k = 0; k < document->GetItemCount(); ++k)
        document->GetItemAt(k)->SetPicture(*text::ToBytes(photos[k % kPictures]));
    return document;
}

// A list window with its pictures shown, on its own settings and thumbnail folder.
struct CPictureList {
    explicit CPictureList(CSidingWardDoc& document, const QString& cacheHome)
        : loader(CThumbnailStore(cacheHome, QStringLiteral("gaugewright-bench"))) {
        CYardWindow* yard = &yardView;
        view = std::make_unique<CSidingWardView2>(
            document, CInventoryViewServices{messages, sounds, settings, [yard] { return yard; },
                                             nullptr, nullptr, nullptr, nullptr, &loader});
        view->resize(800, 600);
        view->show();
        view->ShowPictures(true);
        QCoreApplication::processEvents();
    }

    // The pictures of the rows in sight.
    QStringList VisiblePictures() const {
        QTableView* list = view->List();
        const int first = list->rowAt(0);
        int last = list->rowAt(list->viewport()->height() - 1);
        if (last < 0)
            last = view->Model()->rowCount() - 1;
        QStringList pictures;
        for (int row = std::max(first, 0); row <= last; ++row)
            pictures << text::FromBytes(view->Model()->ItemAt(row)->GetPicture());
        return pictures;
    }
    bool VisibleReady() const {
        const QStringList pictures = VisiblePictures();
        return std::all_of(pictures.begin(), pictures.end(), [this](const QString& path) {
            return loader.IsReady(path, CInventoryListModel::kThumbnailSize);
        });
    }
    // Runs the event loop until the rows in sight show their thumbnails; the
    // seconds that took.
    double WaitForVisible() {
        QElapsedTimer clock;
        clock.start();
        view->List()->viewport()->repaint();
        while (!VisibleReady()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            view->List()->viewport()->repaint();
        }
        QCoreApplication::processEvents();
        return static_cast<double>(clock.nsecsElapsed()) / 1e9;
    }
    void ScrollTo(int row) {
        view->List()->scrollTo(view->Model()->index(row, 0), QAbstractItemView::PositionAtTop);
    }

    QTemporaryDir dir;
    CAppSettings settings{dir.filePath(QStringLiteral("settings.ini"))};
    CSilentMessages messages;
    CSilentSounds sounds;
    CIdleYard yardView;
    CThumbnailLoader loader;
    std::unique_ptr<CSidingWardView2> view;
};

// The list opened, scrolled to a place it has not shown, and waited on until the
// rows in sight show their thumbnails: made from the photos (cold: the folder is
// empty) or read from the folder (warm: another run made them; memory is empty).
void BM_VisibleThumbnails(benchmark::State& state) {
    const bool warm = state.range(0) != 0;
    auto document = InventoryWithPictures();
    QTemporaryDir cache;
    int place = 0;
    int shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int row = 1000 + 7919 * place++ % (kLargestInventory - 2000);
        if (warm) {
            CPictureList earlier(*document, cache.path());
            earlier.ScrollTo(row);
            earlier.WaitForVisible();
        }
        QTemporaryDir coldCache;
        CPictureList list(*document, warm ? cache.path() : coldCache.path());
        list.loader.Pause();
        list.ScrollTo(row);
        list.view->List()->viewport()->repaint();
        shown = static_cast<int>(list.VisiblePictures().size());
        state.ResumeTiming();
        list.loader.Resume();
        state.SetIterationTime(list.WaitForVisible());
    }
    state.counters["rows_in_sight"] = shown;
    // The size on disk of the 4000 x 3000 photo.
    state.counters["photo_MB"] = static_cast<double>(QFileInfo(PhotoPaths()[0]).size()) / 1e6;
}
BENCHMARK(BM_VisibleThumbnails)
    ->ArgName("warm")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The list dragged from the top to the bottom in 2000 steps, as fast as the
// window follows, then waited on until the last rows show their thumbnails. The
// counters: the longest pass of the event loop (a stall the user would feel),
// the mean pass, and the time the last rows waited.
void BM_ScrollThroughPictures(benchmark::State& state) {
    const bool warm = state.range(0) != 0;
    auto document = InventoryWithPictures();
    QTemporaryDir cache;
    if (warm) {
        // Every thumbnail on disk, as a file manager left them: the four sources'
        // thumbnails, each written under the name and with the keys of its links.
        CThumbnailStore store(cache.path(), QStringLiteral("gaugewright-bench"));
        std::vector<QImage> sources;
        for (int k = 0; k < 4; ++k)
            sources.push_back(store.Load(PhotoPaths()[k], CInventoryListModel::kThumbnailSize));
        for (int k = 0; k < kPictures; ++k) {
            const QString& path = PhotoPaths()[k];
            const QByteArray uri = CThumbnailStore::UriOf(path);
            QImage thumbnail = sources[static_cast<std::size_t>(k % 4)];
            thumbnail.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(uri));
            thumbnail.save(store.ThumbnailPath(uri, CInventoryListModel::kThumbnailSize), "png");
        }
    }
    constexpr int kSteps = 2000;
    double longest = 0;
    double total = 0;
    double lastRows = 0;
    for (auto _ : state) {
        CPictureList list(*document, cache.path());
        QScrollBar* bar = list.view->List()->verticalScrollBar();
        for (int step = 1; step <= kSteps; ++step) {
            bar->setValue(static_cast<int>(static_cast<qint64>(bar->maximum()) * step / kSteps));
            QElapsedTimer pass;
            pass.start();
            list.view->List()->viewport()->repaint();
            QCoreApplication::processEvents();
            const double seconds = static_cast<double>(pass.nsecsElapsed()) / 1e9;
            longest = std::max(longest, seconds);
            total += seconds;
        }
        lastRows = list.WaitForVisible();
    }
    state.counters["longest_pass_ms"] = longest * 1000;
    state.counters["mean_pass_ms"] = total * 1000 / kSteps;
    state.counters["last_rows_ms"] = lastRows * 1000;
}
BENCHMARK(BM_ScrollThroughPictures)
    ->ArgName("warm")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
