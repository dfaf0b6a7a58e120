// The insurance report written to a PDF file: 1000 items, each naming a
// 12-megapixel photo of its own, with the desktop's thumbnail folder empty (cold)
// and filled (warm); and the largest inventory without pictures.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/PrintToFile.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailStore.h"
#include "ui/inventory/InsuranceReport.h"

namespace {

constexpr int kPictureItems = 1000;
// On a busy machine encoding 1000 photos of 12 megapixels may take long, so photos
// are encoded for at most this long; any remaining names are hard links to them.
// Every name still has a file URI, and so a thumbnail and a whole decode, of its own.
constexpr auto kEncodingBudget = std::chrono::seconds(120);

struct CPhotos {
    QTemporaryDir folder;
    QStringList paths;
    int encoded = 0;
};

// A photo-like base (smooth light with grain) with a square in a corner that
// differs from file to file, saved as JPEG at quality 85.
const CPhotos& Photos() {
    static CPhotos photos;
    if (!photos.paths.isEmpty())
        return photos;
    QImage base(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < base.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(base.scanLine(y));
        for (int x = 0; x < base.width(); ++x) {
            const int grain = static_cast<int>((x * 7919u + y * 104729u) % 23) - 11;
            line[x] = qRgb(std::clamp(x * 200 / base.width() + 30 + grain, 0, 255),
                           std::clamp(y * 180 / base.height() + 40 + grain, 0, 255),
                           std::clamp((x + y) * 120 / 7000 + 60 + grain, 0, 255));
        }
    }
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kPictureItems; ++k) {
        const QString path =
            photos.folder.filePath(QStringLiteral("photo %1.jpg").arg(k, 4, 10, QLatin1Char('0')));
        if (std::chrono::steady_clock::now() - start < kEncodingBudget) {
            QImage image = base;
            {
                QPainter painter(&image);
                painter.fillRect(0, 0, 200, 200, QColor::fromHsv(k * 37 % 360, 200, 40 + k % 200));
                painter.drawText(20, 100, QString::number(k));
            }
            image.save(path, "jpg", 85);
            ++photos.encoded;
        } else {
            std::filesystem::create_hard_link(photos.paths[k % photos.encoded].toStdU16String(),
                                              path.toStdU16String());
        }
        photos.paths << path;
    }
    return photos;
}

std::unique_ptr<CSidingWardDoc> InventoryWithPictures() {
    auto document = MakeDocument(kPictureItems);
    const QStringList& paths = Photos().paths;
    for (int k = 0; k < document->GetItemCount(); ++k)
        document->GetItemAt(k)->SetPicture(*text::ToBytes(paths[k]));
    return document;
}

// Writes the whole report to path as the headless --insurance-pdf does; the pages.
int WriteReport(const CSidingWardDoc& document, const CThumbnailStore* thumbnails,
                const QString& path) {
    CInsuranceOptions options;
    options.owner = QStringLiteral("A. Collector");
    options.pictures = thumbnails != nullptr;
    CInsuranceReport report(document, options, CDate{2026, 12, 9}, thumbnails);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(text::FromBytes(document.GetTitle()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const printtofile::Outcome printed =
        printtofile::Print(printer, [&](QPrinter& target) { return report.Print(target); });
    if (!printed.Succeeded())
        qFatal("The report was not written to %s", qPrintable(path));
    return report.PageCount();
}

void BM_InsuranceReportWithPictures(benchmark::State& state, bool warm) {
    auto document = InventoryWithPictures();
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("insurance.pdf"));
    QTemporaryDir warmCache;
    const CThumbnailStore warmStore(warmCache.path(), QStringLiteral("gaugewright-bench"));
    if (warm) {
        for (const QString& path : Photos().paths)
            warmStore.Load(path, ThumbnailSize::Large);
    }
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir coldCache;
        const CThumbnailStore coldStore(coldCache.path(), QStringLiteral("gaugewright-bench"));
        state.ResumeTiming();
        pages = WriteReport(*document, warm ? &warmStore : &coldStore, pdf);
    }
    state.counters["pdf_MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
    state.counters["pages"] = pages;
    state.counters["photos_encoded"] = Photos().encoded;
    state.counters["photo_MB"] = static_cast<double>(QFileInfo(Photos().paths[0]).size()) / 1e6;
}
BENCHMARK_CAPTURE(BM_InsuranceReportWithPictures, cold, false)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_InsuranceReportWithPictures, warm, true)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

void BM_InsuranceReportLargest(benchmark::State& state) {
    auto document = MakeDocument(kLargestInventory);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("insurance.pdf"));
    int pages = 0;
    for (auto _ : state)
        pages = WriteReport(*document, nullptr, pdf);
    state.counters["pdf_MB"] = static_cast<double>(QFileInfo(pdf).size()) / 1e6;
    state.counters["pages"] = pages;
}
BENCHMARK(BM_InsuranceReportLargest)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

} // namespace
