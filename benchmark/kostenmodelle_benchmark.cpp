// Time per call of each cost model.
#include "bestandsrechnung.h"
#include "betriebskosten.h"
#include "ergebnisblatt.h"
#include "errichtungskosten.h"
#include "kalkulationsdaten.h"
#include "sanierungskosten.h"

#include <benchmark/benchmark.h>

using namespace grobrechner;

namespace {
Kalkulationsdaten beispiel()
{
    Kalkulationsdaten d;
    d.strlaenge = 1000;
    d.lphoehe = 6;
    d.grabungsl = 200;
    d.anzahllp = 40;
    d.strompreis = 15;
    eintrittswerteSetzen(d, Pfad::Sanierung);
    d.strompreis = 15;
    return d;
}
} // namespace

static void BM_Errichtungskosten(benchmark::State& s)
{
    const Kalkulationsdaten d = beispiel();
    const Preise preise;
    for (auto _ : s)
        benchmark::DoNotOptimize(errichtungskostenBerechnen(d, 30, preise));
}
BENCHMARK(BM_Errichtungskosten);

static void BM_Sanierungskosten(benchmark::State& s)
{
    const Kalkulationsdaten d = beispiel();
    const Preise preise;
    for (auto _ : s)
        benchmark::DoNotOptimize(sanierungskostenBerechnen(d, preise));
}
BENCHMARK(BM_Sanierungskosten);

static void BM_Betriebskosten(benchmark::State& s)
{
    const Kalkulationsdaten d = beispiel();
    const Preise preise;
    for (auto _ : s)
        benchmark::DoNotOptimize(Betriebskostenrechnung(d, preise));
}
BENCHMARK(BM_Betriebskosten);

static void BM_Bestandsrechnung(benchmark::State& s)
{
    const Kalkulationsdaten d = beispiel();
    for (auto _ : s)
        benchmark::DoNotOptimize(Bestandsrechnung(d));
}
BENCHMARK(BM_Bestandsrechnung);

static void BM_Sanierungsblatt(benchmark::State& s)
{
    for (auto _ : s)
        benchmark::DoNotOptimize(sanierungsblatt("50.000", "94.300", "58.990"));
}
BENCHMARK(BM_Sanierungsblatt);

BENCHMARK_MAIN();
