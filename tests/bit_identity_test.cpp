// The library's solvers, flash, saturated properties and the closed forms
// they share terms with, against the plain term-by-term forms: every result
// must have the same bits and every iteration the same number of passes,
// over dense grids that take in the range boundaries, states outside the
// ranges, non-convergent and divergent cases, and NaN and infinite inputs.
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "equilibrium.hpp"
#include "model.hpp"
#include "plain.hpp"
#include "test_support.hpp"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The same double to the last bit, except that a NaN is a NaN: which operand's NaN an
// operation passes on when two meet (a NaN input and one a logarithm made)
// depends on the register the compiler picks for a commutative operation,
// not on the source, so sign and payload of a NaN are not compared.
bool same_result(double a, double b) {
    if (std::isnan(a) && std::isnan(b)) return true;
    return kxvtest::same_bits(a, b);
}

#define EXPECT_SAME_BITS(actual, expected) \
    EXPECT_TRUE(same_result((actual), (expected))) << (actual) << " != " << (expected)

// n evenly spaced values from lo to hi, both included, then the extras.
std::vector<double> grid(double lo, double hi, int n, std::vector<double> extras = {}) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(lo + (hi - lo) * i / (n - 1));
    v.insert(v.end(), extras.begin(), extras.end());
    return v;
}

// n values from lo to hi spaced evenly on a log scale, then the extras.
std::vector<double> log_grid(double lo, double hi, int n, std::vector<double> extras = {}) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(lo * std::pow(hi / lo, double(i) / (n - 1)));
    v.insert(v.end(), extras.begin(), extras.end());
    return v;
}

// The inputs beyond any range: NaN, the infinities and negative zero.
const std::vector<double> kOdd = {kNaN, kInf, -kInf, -0.0};

// Celsius temperatures: the validated range 0..300 and beyond it, the
// model's pole (220 K) and absolute zero.
const std::vector<double> kTc = [] {
    std::vector<double> v = grid(-60, 340, 81, {-273.15, -53.15, -80, -5e-12, 1e-12, 300.5, 600});
    v.insert(v.end(), kOdd.begin(), kOdd.end());
    return v;
}();

// Mass fractions 0..0.8 and beyond: negative, above 0.8 and above 1.
const std::vector<double> kX = [] {
    std::vector<double> v = grid(0, 0.85, 35, {-0.1, -1e-9, 1e-12, 1e-6, 0.79, 0.8, 0.95, 1, 1.2});
    v.insert(v.end(), kOdd.begin(), kOdd.end());
    return v;
}();

// Pressures: the curve's row limits, the validated range 0..500 and beyond.
const std::vector<double> kP = [] {
    std::vector<double> v =
        log_grid(1e-4, 2000, 80, {-1, 0, 0.6108, 0.6109, 101.33, 101.331, 500, 500.5});
    v.insert(v.end(), kOdd.begin(), kOdd.end());
    return v;
}();

// ---- Closed forms --------------------------------------------------------------

using Property = double (*)(double, double, double);

TEST(BitIdentity, ClosedFormsOverTemperatureConcentrationAndPressure) {
    const struct {
        const char* name;
        Property fast, plain;
    } rows[] = {
        {"muw_TXP", kxv::muw_TXP, kxv::plain::muw_TXP},
        {"h_TXP", kxv::h_TXP, kxv::plain::h_TXP},
        {"s_TXP", kxv::s_TXP, kxv::plain::s_TXP},
        {"cp_TXP", kxv::cp_TXP, kxv::plain::cp_TXP},
    };
    const std::vector<double> P = {-1, 0, 0.01, 1, 5, 50, 101.33, 500, 600, kNaN, kInf};
    for (const auto& r : rows) {
        int states = 0;
        for (double Tc : kTc)
            for (double X : kX)
                for (double p : P) {
                    SCOPED_TRACE(::testing::Message()
                                 << r.name << "(" << Tc << ", " << X << ", " << p << ")");
                    EXPECT_SAME_BITS(r.fast(Tc, X, p), r.plain(Tc, X, p));
                    ++states;
                }
        EXPECT_GT(states, 10000) << r.name;
    }
}

TEST(BitIdentity, VapourOverTemperatureAndPressure) {
    const struct {
        const char* name;
        double (*fast)(double, double), (*plain)(double, double);
    } rows[] = {
        {"hv_TP", kxv::hv_TP, kxv::plain::hv_TP},
        {"muv_TP", kxv::muv_TP, kxv::plain::muv_TP},
    };
    for (const auto& r : rows)
        for (double Tc : kTc)
            for (double P : kP) {
                SCOPED_TRACE(::testing::Message()
                             << r.name << "(" << Tc + 273.15 << ", " << P << ")");
                EXPECT_SAME_BITS(r.fast(Tc + 273.15, P), r.plain(Tc + 273.15, P));
            }
    for (double P : kP) EXPECT_SAME_BITS(kxv::Tsatw_P(P), kxv::plain::Tsatw_P(P)) << P;
}

// ---- Solvers ------------------------------------------------------------------

using Solver = double (*)(double, double, int*);

TEST(BitIdentity, SolversAndTheirPassCounts) {
    const struct {
        const char* name;
        Solver fast, plain;
        const std::vector<double>& a;  // first argument
        const std::vector<double>& b;  // second argument
    } rows[] = {
        {"Psat_TX", kxv::Psat_TX, kxv::plain::Psat_TX, kTc, kX},
        {"Tsat_PX", kxv::Tsat_PX, kxv::plain::Tsat_PX, kP, kX},
        {"Xsat_TP", kxv::Xsat_TP, kxv::plain::Xsat_TP, kTc, kP},
    };
    for (const auto& r : rows) {
        int unsettled = 0;
        for (double a : r.a)
            for (double b : r.b) {
                SCOPED_TRACE(::testing::Message() << r.name << "(" << a << ", " << b << ")");
                int n_fast = -1, n_plain = -2;
                const double expected = r.plain(a, b, &n_plain);
                EXPECT_SAME_BITS(r.fast(a, b, &n_fast), expected);
                EXPECT_EQ(n_fast, n_plain);
                EXPECT_SAME_BITS(r.fast(a, b, nullptr), expected);
                if (expected == kxv::kNotSettled || std::isnan(expected)) ++unsettled;
            }
        // The grids reach states where the iterations fail, not only where they settle.
        EXPECT_GT(r.a.size() * r.b.size(), 4000u) << r.name;
        EXPECT_GT(unsettled, 50) << r.name;
    }
}

TEST(BitIdentity, PropertiesAtTheEquilibriumPressure) {
    const struct {
        const char* name;
        double (*fast)(double, double), (*plain)(double, double);
    } rows[] = {
        {"h_sat_TX", kxv::h_sat_TX, kxv::plain::h_sat_TX},
        {"s_sat_TX", kxv::s_sat_TX, kxv::plain::s_sat_TX},
        {"cp_sat_TX", kxv::cp_sat_TX, kxv::plain::cp_sat_TX},
    };
    for (const auto& r : rows)
        for (double Tc : kTc)
            for (double X : kX) {
                SCOPED_TRACE(::testing::Message() << r.name << "(" << Tc << ", " << X << ")");
                EXPECT_SAME_BITS(r.fast(Tc, X), r.plain(Tc, X));
            }
}

// ---- Flash --------------------------------------------------------------------

void expect_same_flash(const kxv::Flash& f, const kxv::Flash& g) {
    EXPECT_SAME_BITS(f.q, g.q);
    EXPECT_SAME_BITS(f.T, g.T);
    EXPECT_SAME_BITS(f.x, g.x);
    EXPECT_SAME_BITS(f.hl, g.hl);
    EXPECT_SAME_BITS(f.hv, g.hv);
}

TEST(BitIdentity, FlashAndItsPassCounts) {
    // Feeds from subcooled to far above the point where the search diverges.
    const std::vector<double> h = grid(-200, 2400, 53, {kNaN, kInf, -kInf});
    const std::vector<double> P = {-1, 0,      0.01,    0.5, 1,   2,   5,    10,
                                   50, 101.33, 101.331, 200, 500, 600, kNaN, kInf};
    const std::vector<double> x = grid(0, 0.85, 18, {-0.1, 0.9, 1.0, kNaN});
    int branches[3] = {};  // liquid only, two-phase, saturated or not comparable
    int states = 0;
    for (double hf : h)
        for (double p : P)
            for (double xf : x) {
                SCOPED_TRACE(::testing::Message()
                             << "flash(" << hf << ", " << p << ", " << xf << ")");
                int n_fast = -1, n_plain = -2;
                const kxv::Flash g = kxv::plain::flash_hPX(hf, p, xf, &n_plain);
                expect_same_flash(kxv::flash_hPX(hf, p, xf, &n_fast), g);
                EXPECT_EQ(n_fast, n_plain);
                ++branches[g.q == 0 && n_plain > 0 ? 0 : n_plain > 0 ? 1 : 2];
                ++states;
            }
    EXPECT_GT(states, 15000);
    for (int b : branches) EXPECT_GT(b, 500);
}

// ---- Exports, as a host calls them --------------------------------------------

// The export's inputs are (a, b); for the flash (h, P, x_in) with b fixed
// below.
TEST(BitIdentity, ExportsThroughTheModule) {
    const std::vector<double> Tc = grid(-20, 320, 35, {kNaN});
    const std::vector<double> X = grid(0, 0.8, 17, {kNaN});
    const std::vector<double> P = log_grid(0.001, 600, 21, {-1, kNaN});
    const struct {
        const char* name;
        double (*plain)(double, double);
        const std::vector<double>& a;
        const std::vector<double>& b;
    } rows[] = {
        {"LiBrKXVp", [](double a, double b) { return kxv::plain::Psat_TX(a, b); }, Tc, X},
        {"LiBrKXVT", [](double a, double b) { return kxv::plain::Tsat_PX(a, b); }, P, X},
        {"LiBrKXVX", [](double a, double b) { return kxv::plain::Xsat_TP(a, b); }, Tc, P},
        {"LiBrKXVh", kxv::plain::h_sat_TX, Tc, X},
        {"LiBrKXVs", kxv::plain::s_sat_TX, Tc, X},
        {"LiBrKXVCp", kxv::plain::cp_sat_TX, Tc, X},
    };
    for (const auto& r : rows)
        for (double a : r.a)
            for (double b : r.b) {
                SCOPED_TRACE(::testing::Message() << r.name << "(" << a << ", " << b << ")");
                const kxvhost::Call c = kxvtest::fn(r.name, {a, b});
                EXPECT_SAME_BITS(c.result, r.plain(a, b));
            }
    for (double h : grid(0, 2200, 23))
        for (double p : {0.5, 1.0, 5.0, 20.0, 101.33, 600.0})
            for (double x : X) {
                SCOPED_TRACE(::testing::Message()
                             << "LiBrKXVflash(" << h << ", " << p << ", " << x << ")");
                const kxvhost::Call c = kxvtest::proc("LiBrKXVflash", {h, p, x}, 5);
                const kxv::Flash g = kxv::plain::flash_hPX(h, p, x);
                ASSERT_EQ(c.outputs.size(), 5u);
                EXPECT_SAME_BITS(c.outputs[0], g.q);
                EXPECT_SAME_BITS(c.outputs[1], g.T);
                EXPECT_SAME_BITS(c.outputs[2], g.x);
                EXPECT_SAME_BITS(c.outputs[3], g.hl);
                EXPECT_SAME_BITS(c.outputs[4], g.hv);
            }
}

}  // namespace
