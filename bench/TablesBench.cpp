// Activation of the two-part tables: the grid rebuilt from its headings as the window's
// activation does it (cells unchanged, as at a second activation, or all new), alone and with
// the one repaint that follows it.
#include "capacitance/TabCondSerie.h"
#include "resistance/TableauParallele.h"

#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

template <class W> W* Shown() {
    static W* window = [] {
        auto* w = new W;
        w->Initialise();
        w->show();
        QApplication::processEvents();
        return w;
    }();
    return window;
}

void CapacitorsRebuild(benchmark::State& state) {
    auto* table = Shown<TTableurCondserie>();
    for (auto _ : state)
        table->FormActivate();
}
BENCHMARK(CapacitorsRebuild)->Unit(benchmark::kMillisecond);

// The first fill, or one after the separators changed: every cell's text is new.
void CapacitorsRebuildFromEmptyCells(benchmark::State& state) {
    auto* table = Shown<TTableurCondserie>();
    auto* grid = table->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 1; r < grid->rowCount(); ++r)
            for (int c = 1; c < grid->columnCount(); ++c)
                grid->item(r, c)->setText(QString());
        state.ResumeTiming();
        table->FormActivate();
    }
}
BENCHMARK(CapacitorsRebuildFromEmptyCells)->Unit(benchmark::kMillisecond);

void CapacitorsRebuildAndPaint(benchmark::State& state) {
    auto* table = Shown<TTableurCondserie>();
    auto* grid = table->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    for (auto _ : state) {
        table->FormActivate();
        grid->viewport()->repaint();
    }
}
BENCHMARK(CapacitorsRebuildAndPaint)->Unit(benchmark::kMillisecond);

void ResistorsRebuild(benchmark::State& state) {
    auto* table = Shown<TFormTableauParallele>();
    for (auto _ : state)
        table->FillGrid();
}
BENCHMARK(ResistorsRebuild)->Unit(benchmark::kMillisecond);

} // namespace
