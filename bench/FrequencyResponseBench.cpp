// The frequency response window: one keystroke in RBox recomputes the sweep (2,001 points over
// two decades) and the chart repaints; and the two halves alone.
#include "formulas/FrequencyResponse.h"
#include "impedance/FrequencyResponse.h"
#include "impedance/ResponsePlot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

TFormFrequencyResponse* Shown() {
    static TFormFrequencyResponse* window = [] {
        auto* w = new TFormFrequencyResponse;
        w->Initialise();
        w->show();
        for (auto [name, text] : {std::pair{"RBox", "10"},
                                  {"LBox", "1"},
                                  {"CBox", "1"},
                                  {"FromBox", "1000"},
                                  {"ToBox", "100000"}})
            w->findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
        w->Calculate();
        QApplication::processEvents();
        return w;
    }();
    return window;
}

void Key(QWidget* box, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

// "10" becomes "101", then "10" again: each a keystroke, a recomputation and a repaint.
void KeystrokeRecomputeRepaint(benchmark::State& state) {
    auto* w = Shown();
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("RBox"));
    auto* plot = w->findChild<ResponsePlot*>(QStringLiteral("PlotView"));
    box->setFocus();
    box->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            Key(box, Qt::Key_Backspace, QString());
        else
            Key(box, Qt::Key_1, QStringLiteral("1"));
        typed = !typed;
        plot->repaint();
    }
    state.counters["points"] = double(w->Points().size());
}
BENCHMARK(KeystrokeRecomputeRepaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The keystroke and recomputation without the chart's repaint.
void KeystrokeRecomputeOnly(benchmark::State& state) {
    auto* w = Shown();
    auto* box = w->findChild<QLineEdit*>(QStringLiteral("RBox"));
    box->setFocus();
    box->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            Key(box, Qt::Key_Backspace, QString());
        else
            Key(box, Qt::Key_1, QStringLiteral("1"));
        typed = !typed;
    }
}
BENCHMARK(KeystrokeRecomputeOnly)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void SweepOnly(benchmark::State& state) {
    const formulas::Circuit c{formulas::Topology::SeriesRLC, 10, 1e-3L, 1e-6L};
    for (auto _ : state)
        benchmark::DoNotOptimize(formulas::Sweep(c, 1000, 100000, 2001));
}
BENCHMARK(SweepOnly)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void RepaintOnly(benchmark::State& state) {
    auto* plot = Shown()->findChild<ResponsePlot*>(QStringLiteral("PlotView"));
    for (auto _ : state)
        plot->repaint();
}
BENCHMARK(RepaintOnly)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
