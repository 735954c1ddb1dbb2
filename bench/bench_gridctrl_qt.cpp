// The grid control with a whole seepage mesh in it: a 5-column table of 20,000 rows, filled,
// all selected, copied to text, cleared, pasted back and paged through, on the model and the
// shown widget (offscreen); and one paint of the window. Targets: each step under 0.5 s, a
// paint under 16 ms, select-all, copy and clear linear in the number of cells.
// Outside reference in the same run: a QTableView over a QStandardItemModel with the same
// 100,000 strings doing the same fill, select-all, copy and paging.
//
//     build/bench/bench_gridctrl_qt

#include "gridctrl/grid_ctrl_widget.h"

#include <QApplication>
#include <QImage>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

using namespace gridctrl;

constexpr int kColumns = 5;

std::string Value(int r, int c) { return std::to_string(r * 10 + c) + ".125"; }

std::unique_ptr<GridCtrlWidget> ShownGrid() {
    auto widget = std::make_unique<GridCtrlWidget>();
    widget->resize(800, 600);
    widget->show();
    QApplication::processEvents();
    return widget;
}

void FillGrid(CGridCtrl& g, int rows) {
    g.SetRowCount(rows + 1);
    g.SetColumnCount(kColumns + 1);
    g.SetFixedRowCount(1);
    g.SetFixedColumnCount(1);
    for (int r = 1; r <= rows; ++r) {
        g.SetCellText(r, 0, std::to_string(r));
        for (int c = 1; c <= kColumns; ++c) g.SetCellText(r, c, Value(r, c));
    }
}

void BM_GridFill(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto widget = ShownGrid();
    for (auto _ : state) {
        widget->Grid().DeleteAllItems();
        FillGrid(widget->Grid(), rows);
    }
    state.SetComplexityN(rows);
}

void BM_GridSelectAll(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto widget = ShownGrid();
    FillGrid(widget->Grid(), rows);
    widget->Grid().SetFocusCell(1, 1);
    for (auto _ : state) {
        widget->Grid().SelectAllCells();
        state.PauseTiming();
        widget->Grid().SetSelectedRange(-1, -1, -1, -1);
        state.ResumeTiming();
    }
    state.SetComplexityN(rows);
}

void BM_GridCopy(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto widget = ShownGrid();
    FillGrid(widget->Grid(), rows);
    widget->Grid().SelectAll();
    for (auto _ : state) benchmark::DoNotOptimize(widget->Grid().CopyTextFromSelection());
    state.SetComplexityN(rows);
}

void BM_GridClearAndPaste(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const bool paste = state.range(1) != 0;
    auto widget = ShownGrid();
    CGridCtrl& g = widget->Grid();
    FillGrid(g, rows);
    g.SelectAll();
    const std::string text = *g.CopyTextFromSelection();
    for (auto _ : state) {
        if (paste) {
            state.PauseTiming();
            g.SelectAll();
            g.ClearSelectedCellTexts();
            state.ResumeTiming();
            g.PasteTextToGrid(1, 1, text, true);
        } else {
            g.ClearSelectedCellTexts();
            state.PauseTiming();
            g.PasteTextToGrid(1, 1, text, true);
            state.ResumeTiming();
        }
    }
    state.SetLabel(paste ? "paste" : "clear");
    state.SetComplexityN(rows);
}

// Page Down from the first row to the last, as the key does it (focus, selection and scrolling;
// the paint is measured on its own).
void BM_GridPageDown(benchmark::State& state) {
    auto widget = ShownGrid();
    CGridCtrl& g = widget->Grid();
    FillGrid(g, static_cast<int>(state.range(0)));
    int pages = 0;
    g.SetFocusCell(1, 1);
    for (auto _ : state) {
        g.OnKeyDown(VK_HOME, true, false);
        while (g.GetFocusCell().row < g.GetRowCount() - 1) {
            g.OnKeyDown(VK_NEXT, false, false);
            ++pages;
        }
    }
    state.counters["pages"] = benchmark::Counter(pages, benchmark::Counter::kAvgIterations);
}

void BM_GridPaint(benchmark::State& state) {
    auto widget = ShownGrid();
    CGridCtrl& g = widget->Grid();
    FillGrid(g, 20000);
    g.SetFocusCell(500, 2);
    g.SetSelectedRange(500, 1, 520, 3);
    g.EnsureVisible(500, 2);
    QImage image(widget->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) widget->viewport()->render(&image);
}

// ---- The reference: QTableView over QStandardItemModel

struct Table {
    QStandardItemModel model;
    QTableView view;
    Table() {
        view.setModel(&model);
        view.resize(800, 600);
        view.show();
        QApplication::processEvents();
    }
    void Fill(int rows) {
        model.clear();
        model.setRowCount(rows);
        model.setColumnCount(kColumns);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kColumns; ++c)
                model.setItem(r, c, new QStandardItem(QString::fromStdString(Value(r + 1, c + 1))));
    }
};

void BM_TableFill(benchmark::State& state) {
    Table t;
    for (auto _ : state) t.Fill(static_cast<int>(state.range(0)));
}

void BM_TableSelectAll(benchmark::State& state) {
    Table t;
    t.Fill(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        t.view.selectAll();
        state.PauseTiming();
        t.view.clearSelection();
        state.ResumeTiming();
    }
}

void BM_TableCopy(benchmark::State& state) {
    Table t;
    t.Fill(static_cast<int>(state.range(0)));
    t.view.selectAll();
    for (auto _ : state) {
        QModelIndexList indexes = t.view.selectionModel()->selectedIndexes();
        std::sort(indexes.begin(), indexes.end());
        QString text;
        int row = indexes.isEmpty() ? 0 : indexes.first().row();
        for (const QModelIndex& i : indexes) {
            if (i.row() != row) {
                text += "\r\n";
                row = i.row();
            } else if (i != indexes.first() && i.column() != 0) {
                text += '\t';
            }
            text += i.data().toString();
        }
        benchmark::DoNotOptimize(text);
    }
}

void BM_TablePageDown(benchmark::State& state) {
    Table t;
    t.Fill(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QScrollBar* bar = t.view.verticalScrollBar();
        bar->setValue(0);
        while (bar->value() < bar->maximum())
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
}

void BM_TablePaint(benchmark::State& state) {
    Table t;
    t.Fill(20000);
    t.view.scrollTo(t.model.index(500, 1));
    QImage image(t.view.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) t.view.viewport()->render(&image);
}

}  // namespace

BENCHMARK(BM_GridFill)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridSelectAll)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridCopy)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_GridClearAndPaste)
    ->Args({5000, 0})
    ->Args({20000, 0})
    ->Args({20000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPageDown)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableFill)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableSelectAll)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableCopy)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePageDown)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
