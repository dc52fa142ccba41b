// Cost of one call, as a host makes thousands of them per solve: the core
// functions directly, and the exports through the module with a value list.
#include <benchmark/benchmark.h>

#include "correlations.hpp"
#include "equilibrium.hpp"
#include "kxv_host.hpp"
#include "model.hpp"

namespace {

void BM_muw_TXP(benchmark::State& state) {
    double Tc = 50;
    for (auto _ : state) benchmark::DoNotOptimize(kxv::muw_TXP(Tc, 0.5, 10));
}
BENCHMARK(BM_muw_TXP);

void BM_h_TXP(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::h_TXP(50, 0.5, 10));
}
BENCHMARK(BM_h_TXP);

void BM_Psat_TX(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::Psat_TX(50, 0.5));
}
BENCHMARK(BM_Psat_TX);

void BM_Tsat_PX(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::Tsat_PX(5, 0.5));
}
BENCHMARK(BM_Tsat_PX);

void BM_Xsat_TP(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::Xsat_TP(40, 2));
}
BENCHMARK(BM_Xsat_TP);

void BM_flash_two_phase(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::flash_hPX(1000, 5, 0.5).q);
}
BENCHMARK(BM_flash_two_phase);

void BM_gamma_TXP(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kxv::gamma_TXP(25, 0.5, 10));
}
BENCHMARK(BM_gamma_TXP);

// An export of the built module, loaded once for all benchmarks.
void* module_export(const char* name) {
    static const kxvhost::Module m = [] {
        std::string error;
        return kxvhost::load_module(KXVLIBR_MODULE_PATH, &error);
    }();
    return kxvhost::find_export(m, name);
}

// Through the module: the frame's query, count, checks and copy included.
void BM_export_LiBrKXVh(benchmark::State& state) {
    auto f = reinterpret_cast<kxvhost::FunctionFn>(module_export("LiBrKXVh"));
    if (!f) {
        state.SkipWithError("module not found");
        return;
    }
    ValueNode n[3] = {{50, &n[1]}, {0.5, &n[2]}, {10, nullptr}};
    char text[256] = "";
    for (auto _ : state) {
        int mode = 0;
        benchmark::DoNotOptimize(f(text, &mode, n));
    }
}
BENCHMARK(BM_export_LiBrKXVh);

void BM_export_LibrKXVpart_g(benchmark::State& state) {
    auto f = reinterpret_cast<kxvhost::ProcedureFn>(module_export("LibrKXVpart_g"));
    if (!f) {
        state.SkipWithError("module not found");
        return;
    }
    ValueNode in[3] = {{50, &in[1]}, {0.5, &in[2]}, {10, nullptr}};
    ValueNode out[4] = {{0, &out[1]}, {0, &out[2]}, {0, &out[3]}, {0, nullptr}};
    char text[256] = "";
    for (auto _ : state) {
        int mode = 0;
        f(text, &mode, in, out);
        benchmark::DoNotOptimize(out[3].value);
    }
}
BENCHMARK(BM_export_LibrKXVpart_g);

}  // namespace

BENCHMARK_MAIN();
