// The interpolation point table on 20,000 points: opening the window (set-up, one fill of the
// table, sizing, first paint) and OK (validation and reading of every cell). Target: each under
// 0.5 s. Outside reference in the same run: a QTableView over a QStandardItemModel filled with
// the same 100,000 strings and shown, and the same strings read back and parsed.
//
//     build/bench/bench_interpolation_table_qt

#include "dialogs/interpolation_grid_dialog.h"
#include "gridctrl/grid_ctrl_kdx.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <charconv>
#include <memory>
#include <string>

namespace {

s_InterpolationTable Points(int count) {
    s_InterpolationTable table;
    for (int i = 0; i < count; ++i)
        table.points.push_back({i * 0.5, (i % 97) * 1.25, 100.0 + i, 1 + i % 3});
    return table;
}

void BM_TableDialogOpen(benchmark::State& state) {
    const s_InterpolationTable table = Points(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        dialogs::InterpolationTableDialog dialog(table, nullptr);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.Grid().GetRowCount());
    }
}

void BM_TableDialogRead(benchmark::State& state) {
    const s_InterpolationTable table = Points(static_cast<int>(state.range(0)));
    dialogs::InterpolationTableDialog dialog(table, nullptr);
    for (auto _ : state) {
        int last = 0;
        gridctrl::TableValues rows;
        const bool ok = dialog.Grid().ValidateTableData(&last, 3, -1) &&
                        dialog.Grid().GetTableValues(rows, 3, -1);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(rows.data());
    }
}

// The reference: the same strings in a shown QTableView, and read back from its model.
std::unique_ptr<QStandardItemModel> ReferenceModel(int count) {
    auto model = std::make_unique<QStandardItemModel>(count, 4);
    model->setHorizontalHeaderLabels({"X", "Y", "Pressure", "Material"});
    for (int i = 0; i < count; ++i) {
        model->setItem(i, 0, new QStandardItem(QString::number(i * 0.5, 'f', 6)));
        model->setItem(i, 1, new QStandardItem(QString::number((i % 97) * 1.25, 'f', 6)));
        model->setItem(i, 2, new QStandardItem(QString::number(100.0 + i, 'f', 1)));
        model->setItem(i, 3, new QStandardItem(QString::number(1 + i % 3)));
    }
    return model;
}

void BM_ReferenceViewOpen(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto model = ReferenceModel(count);
        QTableView view;
        view.setModel(model.get());
        view.resize(640, 560);
        view.resizeColumnsToContents();
        view.show();
        QApplication::processEvents();
    }
}

void BM_ReferenceViewRead(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    auto model = ReferenceModel(count);
    for (auto _ : state) {
        std::vector<std::array<double, 4>> rows(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            for (int c = 0; c < 4; ++c) {
                bool ok = false;
                rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] =
                    model->item(i, c)->text().toDouble(&ok);
            }
        benchmark::DoNotOptimize(rows.data());
    }
}

}  // namespace

BENCHMARK(BM_TableDialogOpen)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableDialogRead)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceViewOpen)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceViewRead)->Arg(20000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
