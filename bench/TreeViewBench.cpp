// The inventory window on the largest inventory the file format holds: opening
// it to a shown tree, a re-sort with its rebuild, Expand Inventory, single-item
// edits followed by the tree and a list window, and the memory the program holds
// with the window open and expanded.
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "bench/WindowStandIns.h"
#include "model/core/DelimitedText.h"
#include "model/core/InventoryChange.h"
#include "model/core/InventoryReport.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "model/quickfacts/BreakdownTable.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/app/AppSettings.h"
#include "ui/app/RecoveryWriter.h"
#include "ui/common/CommandIds.h"
#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/WaitCursor.h"
#include "ui/common/YardWindow.h"
#include "ui/inventory/InventoryHistory.h"
#include "ui/inventory/InventoryListModel.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/ReportPrinter.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/inventory/SidingWardView2.h"
#include "ui/quickfacts/QuickFactsDialog.h"

namespace {

// What a window needs besides its document: settings in a folder of their own
// and a stand-in for the yard that takes the registration.
struct CWindowServices {
    QTemporaryDir dir;
    CAppSettings settings{dir.filePath(QStringLiteral("settings.ini"))};
    CSilentMessages messages;
    CSilentSounds sounds;
    CIdleYard yardView;

    std::unique_ptr<CSidingWardView> Open(CSidingWardDoc& document) {
        CYardWindow* yard = &yardView;
        auto view = std::make_unique<CSidingWardView>(
            document,
            CSidingWardView::Services{messages, sounds, settings, [yard] { return yard; }});
        view->resize(800, 600);
        view->show();
        // Shown means painted.
        view->repaint();
        QCoreApplication::processEvents();
        return view;
    }

    std::unique_ptr<CSidingWardView2> OpenList(CSidingWardDoc& document) {
        CYardWindow* yard = &yardView;
        auto view = std::make_unique<CSidingWardView2>(
            document, CInventoryViewServices{messages, sounds, settings, [yard] { return yard; }});
        view->resize(800, 600);
        view->show();
        view->repaint();
        QCoreApplication::processEvents();
        return view;
    }
};

// The resident memory of the process in MB; 0 where it cannot be read.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

std::unique_ptr<CSidingWardDoc> LoadLargest() {
    auto document = std::make_unique<CSidingWardDoc>();
    if (!document->OnOpenDocument(LargestInventoryPath()).Succeeded())
        return nullptr;
    return document;
}

// The largest inventory with every item naming one of 5000 distinct photos of
// 4000 x 3000 pixels (one JPEG made once, linked under 5000 names), saved once per
// run; empty when the folder could not be made.
const std::string& LargestInventoryWithPicturesPath() {
    static const QTemporaryDir folder;
    static const std::string path = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        photo.fill(QColor(70, 110, 160));
        const QString first = folder.filePath(QStringLiteral("photo-0.jpg"));
        if (!folder.isValid() || !photo.save(first, "JPG", 90))
            return std::string();
        std::vector<std::string> pictures{first.toStdString()};
        for (int k = 1; k < 5000; ++k) {
            const QString name = folder.filePath(QStringLiteral("photo-%1.jpg").arg(k));
            if (!QFile::link(first, name) && !QFile::copy(first, name))
                return std::string();
            pictures.push_back(name.toStdString());
        }
        auto document = LoadLargest();
        if (!document)
            return std::string();
        for (int k = 0; k < document->GetItemCount(); ++k)
            document->GetItemAt(k)->SetPicture(pictures[static_cast<std::size_t>(k) % 5000]);
        const std::string saved = folder.filePath(QStringLiteral("pictures.inv")).toStdString();
        return document->OnSaveDocument(saved).Succeeded() ? saved : std::string();
    }();
    return path;
}

// Reading the file, building the window and painting it; Arg 1: every item names a
// photo, which opening must not cost anything.
void BM_OpenInventoryWindow(benchmark::State& state) {
    const std::string& path =
        state.range(0) != 0 ? LargestInventoryWithPicturesPath() : LargestInventoryPath();
    CWindowServices services;
    for (auto _ : state) {
        auto document = std::make_unique<CSidingWardDoc>();
        if (path.empty() || !document->OnOpenDocument(path).Succeeded())
            document.reset();
        if (!document) {
            state.SkipWithError("the inventory did not load");
            return;
        }
        auto view = services.Open(*document);
        benchmark::DoNotOptimize(view->Model()->ItemNodeCount());
        state.PauseTiming();
        view.reset();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenInventoryWindow)
    ->ArgName("pictures")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A Sort Inventory by command: the document's sort, the rebuild and the repaint.
// Alternates between two attributes so that every sort has work to do.
void BM_ResortAndRebuild(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    auto view = services.Open(*document);
    int attribute = static_cast<int>(state.range(0));
    for (auto _ : state) {
        attribute = attribute == state.range(0) ? 0 : static_cast<int>(state.range(0));
        view->SortBy(attribute);
        view->repaint();
    }
}
BENCHMARK(BM_ResortAndRebuild)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// Expand Inventory: every item node opened (65535 x 13 detail lines) and painted.
void BM_ExpandInventory(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    auto view = services.Open(*document);
    for (auto _ : state) {
        view->ExpandAll();
        view->repaint();
        state.PauseTiming();
        view->CollapseAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExpandInventory)->Unit(benchmark::kMillisecond)->UseRealTime();

// Import Inventory into an empty window, after its dialogs: the import of the
// largest inventory's quoted CSV (names first), then the tree rebuilt and painted.
void BM_ImportIntoWindow(benchmark::State& state) {
    static const std::vector<int> kAllFields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const std::string path = LargestInventoryPath() + ".csv";
    if (!delimitedtext::Export(*LoadLargest(), path, ",", true, true).Succeeded())
        state.SkipWithError("the export failed");
    CWindowServices services;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<CSidingWardDoc>();
        auto view = services.Open(*document);
        state.ResumeTiming();
        delimitedtext::Import(*document, path, ",", kAllFields, true, CDate{}, view.get(), true);
        view->RebuildTree();
        view->repaint();
        if (document->GetItemCount() != kLargestInventory)
            state.SkipWithError("the import failed");
        state.PauseTiming();
        view.reset();
        document.reset();
        state.ResumeTiming();
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ImportIntoWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// Print to PDF: the report of every column of the largest inventory laid out on
// an A4 PDF printer and every page drawn and written; with longValue:1 its first
// item's Road Name is 1 MB long, which must widen no other line.
void BM_PrintLargestToPdf(benchmark::State& state) {
    auto document = LoadLargest();
    if (state.range(0) == 1)
        document->GetItemAt(0)->SetAttributeText(static_cast<int>(Attribute::RoadName),
                                                 std::string(1 << 20, 'r'));
    inventoryreport::ColumnFlags columns{};
    columns.fill(true);
    const std::string path = LargestInventoryPath() + ".pdf";
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        printer.setPageSize(QPageSize(QPageSize::A4));
        CReportPrinter report(*document, columns, CDate{2026, 12, 8});
        if (!report.Print(printer))
            state.SkipWithError("the report was not printed");
        pages = report.PageCount();
    }
    state.counters["pages"] = pages;
    std::remove(path.c_str());
}
BENCHMARK(BM_PrintLargestToPdf)
    ->ArgName("longValue")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Print Preview: from the command to the preview window shown with its pages.
void BM_PreviewLargest(benchmark::State& state) {
    auto document = LoadLargest();
    inventoryreport::ColumnFlags columns{};
    columns.fill(true);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPrintPreviewDialog dialog(&printer);
        CReportPrinter report(*document, columns, CDate{2026, 12, 8});
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&report](QPrinter* preview) { report.Print(*preview); });
        dialog.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        dialog.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PreviewLargest)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Expenditures by Manufacturer over the largest inventory with 5000 makers: the
// breakdown built and its results dialog shown with the chart (0), or a header
// click that sorts the list and redraws the chart (1).
void BM_BreakdownDialogWithChart(benchmark::State& state) {
    auto document = LoadLargest();
    constexpr std::size_t kMakers = 5000;
    for (int k = 0; k < document->GetItemCount(); ++k)
        document->GetItemAt(k)->SetAttributeText(
            static_cast<int>(Attribute::Manufacturer),
            "Maker " + std::to_string(static_cast<std::size_t>(k) % kMakers));
    QPrinter printer;
    const auto printerSource = [&printer]() -> QPrinter& { return printer; };
    const CFixedClock clock{CDate{2026, 12, 8}};
    const bool click = state.range(0) == 1;
    for (auto _ : state) {
        std::unique_ptr<CQuickFactsDialog> dialog;
        if (click) {
            state.PauseTiming();
            dialog = std::make_unique<CQuickFactsDialog>(
                CBreakdownTable::ByAttribute(*document, BreakdownMeasure::Expenditures, 1, nullptr),
                printerSource, clock);
            dialog->show();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            dialog->SortByColumn(1);
        } else {
            dialog = std::make_unique<CQuickFactsDialog>(
                CBreakdownTable::ByAttribute(*document, BreakdownMeasure::Expenditures, 1, nullptr),
                printerSource, clock);
            dialog->show();
        }
        QCoreApplication::processEvents();
        dialog->repaint();
        if (dialog->Table().GetRows().size() != kMakers)
            state.SkipWithError("the groups are wrong");
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BreakdownDialogWithChart)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// View as a List on the largest inventory: the window built, filled and painted.
void BM_OpenListWindow(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    for (auto _ : state) {
        auto list = services.OpenList(*document);
        benchmark::DoNotOptimize(list->Model()->rowCount());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenListWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// A header click in the list: the rows sorted by a column and painted, the
// direction turning at every click. The argument is the column.
void BM_ListHeaderSort(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    auto list = services.OpenList(*document);
    for (auto _ : state) {
        list->SortByColumn(static_cast<int>(state.range(0)));
        list->repaint();
    }
}
BENCHMARK(BM_ListHeaderSort)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// Typing "Lionel" into the filter, a letter at a time and back: the time of one
// keystroke, the rows narrowed or widened and painted.
void BM_ListFilterKeystroke(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    auto list = services.OpenList(*document);
    const QString word = QStringLiteral("Lionel");
    qsizetype length = 0;
    bool growing = true;
    for (auto _ : state) {
        length += growing ? 1 : -1;
        if (length == word.size() || length == 0)
            growing = !growing;
        list->FilterField()->setText(word.left(length));
        list->repaint();
    }
}
BENCHMARK(BM_ListFilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

// Find of a text no shown cell holds: every cell of every row searched.
void BM_ListFindWithoutMatch(benchmark::State& state) {
    CWindowServices services;
    auto document = LoadLargest();
    auto list = services.OpenList(*document);
    for (auto _ : state) {
        if (list->Search("no such text anywhere", false, false) != -1)
            state.SkipWithError("found what is not there");
    }
}
BENCHMARK(BM_ListFindWithoutMatch)->Unit(benchmark::kMillisecond)->UseRealTime();

// Delete with the root selected, answered Yes: every item removed in tree order.
void BM_DeleteAllItems(benchmark::State& state) {
    CWindowServices services;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = LoadLargest();
        auto view = services.Open(*document);
        view->SelectNode(view->Model()->RootIndex());
        state.ResumeTiming();
        view->OnCommand(CommandId::EditDelete);
        if (document->GetItemCount() != 0)
            state.SkipWithError("items were left");
        state.PauseTiming();
        view.reset();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteAllItems)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The largest inventory in an expanded tree with a list window beside it: both
// windows have to follow every single-item edit.
struct COpenInventory {
    std::unique_ptr<CSidingWardDoc> document;
    std::unique_ptr<CSidingWardView> view;
    std::unique_ptr<CSidingWardView2> list;
    // Undo and redo act in the tree, as the program's would in the active window.
    std::unique_ptr<CInventoryHistory> history;

    COpenInventory(CWindowServices& services, CCatalogue* catalogue, bool keepHistory = true,
                   bool expanded = true)
        : document(LoadLargest()) {
        if (!document)
            return;
        document->SetClassificationYard(catalogue);
        view = services.Open(*document);
        if (expanded)
            view->ExpandAll();
        view->repaint();
        list = services.OpenList(*document);
        if (keepHistory) {
            history = std::make_unique<CInventoryHistory>(
                *document, [this]() -> CDocumentView* { return view.get(); });
        }
    }
    ~COpenInventory() {
        history.reset();
        list.reset();
        view.reset();
    }

    bool Loaded() const { return document != nullptr; }

    // Selects the item node halfway down the tree and returns its item.
    CInventoryElement* SelectMiddleItem() const {
        const CInventoryTreeModel& model = *view->Model();
        view->SelectNode(model.index(model.ItemNodeCount() / 2, 0, model.RootIndex()));
        return view->CurrentItem();
    }

    // Whether the document, the tree and the list all hold count items.
    bool EveryWindowHolds(int count) const {
        return document->GetItemCount() == count && view->Model()->ItemNodeCount() == count &&
               list->Model()->rowCount() == count;
    }

    void Repaint() const {
        view->repaint();
        list->repaint();
    }
};

// Delete on one item node in the middle of the tree, answered Yes: the item gone
// from the tree and the list, both painted. Each pass deletes the next middle item.
void BM_DeleteOneItem(benchmark::State& state) {
    CWindowServices services;
    const COpenInventory open(services, nullptr, true, state.range(0) != 0);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    int expected = open.document->GetItemCount();
    for (auto _ : state) {
        state.PauseTiming();
        const bool selected = open.SelectMiddleItem() != nullptr;
        state.ResumeTiming();
        open.view->OnCommand(CommandId::EditDelete);
        open.Repaint();
        --expected;
        if (!selected || !open.EveryWindowHolds(expected)) {
            state.SkipWithError("the item was not deleted everywhere");
            return;
        }
    }
}
BENCHMARK(BM_DeleteOneItem)
    ->ArgName("expanded")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Paste of the application clipboard's item: the item added, its node put at its
// place in the tree, the list following, both painted.
void BM_PasteOneItem(benchmark::State& state) {
    const CFixedClock clock{CDate{2026, 12, 8}};
    CClassificationDoc catalogue{clock};
    CWindowServices services;
    const COpenInventory open(services, &catalogue, true, state.range(0) != 0);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    const CInventoryElement* middle = open.SelectMiddleItem();
    if (middle == nullptr) {
        state.SkipWithError("no item to copy");
        return;
    }
    const CInventoryElement copied = *middle;
    int expected = open.document->GetItemCount();
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.SetClipboardItem(copied);
        state.ResumeTiming();
        open.view->OnCommand(CommandId::EditPaste);
        open.Repaint();
        ++expected;
        if (!open.EveryWindowHolds(expected)) {
            state.SkipWithError("the item was not pasted everywhere");
            return;
        }
    }
}
BENCHMARK(BM_PasteOneItem)
    ->ArgName("expanded")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What Change Condition does once its dialog was closed with OK on a value. The
// dialog itself cannot run here.
void ApplyChosenValue(CSidingWardView& view, int attribute, const std::string& value) {
    CInventoryElement* item = view.CurrentItem();
    if (item == nullptr)
        return;
    CWaitCursor wait;
    CInventoryElement changed = *item;
    changed.SetAttributeText(attribute, value);
    view.GetDocument().Apply(CInventoryChange::Replace("Change Condition", *item, changed), &view);
}

// Change Condition on the item in the middle of the tree, the value turning
// between two every pass: both windows following and painted.
void BM_ChangeCondition(benchmark::State& state) {
    constexpr int kCondition = static_cast<int>(Attribute::Condition);
    CWindowServices services;
    const COpenInventory open(services, nullptr);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    const CInventoryElement* item = open.SelectMiddleItem();
    if (item == nullptr) {
        state.SkipWithError("no item to change");
        return;
    }
    const int count = open.document->GetItemCount();
    bool mint = false;
    for (auto _ : state) {
        mint = !mint;
        const std::string value = mint ? "Mint" : "Poor";
        ApplyChosenValue(*open.view, kCondition, value);
        open.Repaint();
        if (open.view->CurrentItem() != item || item->GetAttributeText(kCondition) != value ||
            !open.EveryWindowHolds(count)) {
            state.SkipWithError("the condition was not changed");
            return;
        }
    }
}
BENCHMARK(BM_ChangeCondition)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo of Delete on an item in the middle of the tree: the item back in the
// document, its node back at its place, its row back in the list, both painted.
void BM_UndoDeleteOneItem(benchmark::State& state) {
    CWindowServices services;
    const COpenInventory open(services, nullptr, true, state.range(0) != 0);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    const int count = open.document->GetItemCount();
    for (auto _ : state) {
        state.PauseTiming();
        open.SelectMiddleItem();
        open.view->OnCommand(CommandId::EditDelete);
        open.Repaint();
        state.ResumeTiming();
        open.history->Undo();
        open.Repaint();
        if (!open.EveryWindowHolds(count)) {
            state.SkipWithError("the item did not come back everywhere");
            return;
        }
    }
}
BENCHMARK(BM_UndoDeleteOneItem)
    ->ArgName("expanded")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Undo of Delete ALL: every item back, both windows built anew and painted.
void BM_UndoDeleteAll(benchmark::State& state) {
    CWindowServices services;
    const COpenInventory open(services, nullptr);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    const int count = open.document->GetItemCount();
    for (auto _ : state) {
        state.PauseTiming();
        open.view->SelectNode(open.view->Model()->RootIndex());
        open.view->OnCommand(CommandId::EditDelete);
        open.Repaint();
        state.ResumeTiming();
        open.history->Undo();
        open.Repaint();
        if (!open.EveryWindowHolds(count)) {
            state.SkipWithError("the items did not come back everywhere");
            return;
        }
    }
}
BENCHMARK(BM_UndoDeleteAll)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// The heap a history of 1000 single-item changes holds (Delete, Paste and Change
// Condition in turn), against the same changes made without a history: the
// difference is the history's cost.
void BM_HistoryMemory(benchmark::State& state) {
    const bool keepHistory = state.range(0) != 0;
    const CFixedClock clock{CDate{2026, 12, 8}};
    CClassificationDoc catalogue{clock};
    CWindowServices services;
    const COpenInventory open(services, &catalogue, keepHistory);
    if (!open.Loaded()) {
        state.SkipWithError("the inventory did not load");
        return;
    }
    constexpr int kCondition = static_cast<int>(Attribute::Condition);
    const std::size_t before = mallinfo2().uordblks;
    for (auto _ : state) {
        for (int change = 0; change < 1000; ++change) {
            open.SelectMiddleItem();
            switch (change % 3) {
            case 0:
                open.view->OnCommand(CommandId::EditCopy);
                open.view->OnCommand(CommandId::EditDelete);
                break;
            case 1:
                open.view->OnCommand(CommandId::EditPaste);
                break;
            default:
                ApplyChosenValue(*open.view, kCondition, change % 2 == 0 ? "Mint" : "Poor");
                break;
            }
        }
    }
    state.counters["heap_MB"] =
        static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    state.counters["changes_kept"] = keepHistory ? open.history->Count() : 0;
}
BENCHMARK(BM_HistoryMemory)
    ->ArgName("history")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The whole program's resident memory with the largest inventory open in the tree,
// expanded, and in a list window beside it.
void BM_MemoryWithTreeAndList(benchmark::State& state) {
    LargestInventoryPath();
    const double before = ResidentMegabytes();
    CWindowServices services;
    auto document = LoadLargest();
    auto view = services.Open(*document);
    view->ExpandAll();
    view->repaint();
    auto list = services.OpenList(*document);
    for (auto _ : state)
        benchmark::DoNotOptimize(list->Model()->rowCount());
    state.counters["resident_MB"] = ResidentMegabytes();
    state.counters["added_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_MemoryWithTreeAndList)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole program's resident memory with the largest inventory open and expanded.
void BM_MemoryWithExpandedWindow(benchmark::State& state) {
    // The file is written once per run; writing it is not part of the window.
    LargestInventoryPath();
    const double before = ResidentMegabytes();
    CWindowServices services;
    auto document = LoadLargest();
    auto view = services.Open(*document);
    view->ExpandAll();
    view->repaint();
    for (auto _ : state)
        benchmark::DoNotOptimize(view->Model()->ItemNodeCount());
    state.counters["resident_MB"] = ResidentMegabytes();
    state.counters["added_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_MemoryWithExpandedWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// What a recovery copy of the largest inventory costs the GUI thread: the items
// turned into the file's bytes and handed to the writer's thread. The write to
// the disk runs on that thread and is not timed.
void BM_RecoveryCopyHandOver(benchmark::State& state) {
    const QTemporaryDir folder;
    auto document = LoadLargest();
    CRecoveryWriter writer(folder.path(), 0);
    writer.Watch(*document);
    for (auto _ : state) {
        document->SetModifiedFlag(true);
        // The zero-delay timer fires here: this is the time the GUI is held up.
        QCoreApplication::processEvents();
        state.PauseTiming();
        writer.WaitForWrites();
        state.ResumeTiming();
    }
    writer.Forget(*document);
}
BENCHMARK(BM_RecoveryCopyHandOver)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
