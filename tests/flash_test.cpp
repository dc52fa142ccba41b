// The adiabatic flash through the module, and its balances.
#include <cmath>

#include "equilibrium.hpp"
#include "model.hpp"
#include "test_support.hpp"

using kxvtest::proc;

namespace {

struct FlashRow {
    double h, P, x_in;
    const char* out[5];  // q, T, x, hl, hv as quoted digits, "nan" or exact flags
    int passes;          // of the search that ran; 0 when not stated
    const char* text;
};

const char* const kXLow = "Error: LiBrKXVflash: Input out of bounds: 0 <= X";
const char* const kXHigh = "Warning: LiBrKXVflash: Input out of bounds: X <= 80 % LiBr";
const char* const kP = "Warning: LiBrKXVflash: Input out of bounds: 0 < P < 500 kPa";

const FlashRow kCases[] = {
    // Two-phase feeds.
    {200, 5, 0.5, {"0.0283499503", "59.3725235", "0.514588560", "129.646273", "2611.26355"}, 9, ""},
    {1000,
     5,
     0.5,
     {"0.290762250", "102.897946", "0.704982215", "305.404554", "2694.28222"},
     28,
     ""},
    {150,
     1,
     0.55,
     {"0.0210197813", "38.4404536", "0.561809104", "98.0014457", "2571.79285"},
     0,
     ""},
    {200, 5, 0, {"0.0260366826", "32.8271227", "0", "136.893903", "2560.63190"}, 0, ""},
    {1400,
     5,
     0.5,
     {"0.394275776", "141.146592", "0.825458154", "510.043670", "2767.23618"},
     173,
     ""},
    // Settles exactly at the last allowed pass: a result, not a flag.
    {1411,
     5,
     0.5,
     {"0.396848914", "142.351792", "0.828979689", "517.139201", "2769.53493"},
     200,
     ""},
    // Does not settle within 200 passes: flagged, the last pass's state kept.
    {1500, 5, 0.5, {"9999", "207.448689", "1.00961615", "961.657833", "2893.69818"}, 200, ""},
    // The second update carries the quality past 1; the third pass's residual is NaN: flagged.
    {2000, 5, 0.5, {"9999", "9999", "-2.1515663", "nan", "21569.7165"}, 3, ""},
    // Liquid only.
    {100, 5, 0.5, {"0", "46.6711712", "0.5", "100", "9999"}, 4, ""},
    {200, 600, 0.5, {"0", "91.6361278", "0.5", "200", "9999"}, 0, kP},
    {200, 5, 0.85, {"0", "-93.0624857", "0.85", "200", "9999"}, 0, kXHigh},
    // The temperature search wanders off and stops unsettled: flagged.
    {50, 1, 0.7, {"9999", "-70.62", "0.7", "50", "9999"}, 20, ""},
    // No equilibrium for a negative feed concentration: saturated-liquid outputs.
    {200, 5, -0.1, {"0", "9999", "-0.1", "200", "9999"}, 0, kXLow},
};

}  // namespace

TEST(Flash, ReferenceCases) {
    for (const FlashRow& r : kCases) {
        SCOPED_TRACE(::testing::Message() << r.h << ", " << r.P << ", " << r.x_in);
        const kxvhost::Call c = proc("LiBrKXVflash", {r.h, r.P, r.x_in}, 5, 0, "host text");
        ASSERT_EQ(c.outputs.size(), 5u);
        for (int i = 0; i < 5; ++i) EXPECT_QUOTED(c.outputs[static_cast<std::size_t>(i)], r.out[i]);
        EXPECT_EQ(c.mode, 0);
        EXPECT_EQ(c.text, r.text);
        EXPECT_HOST_SAFE(c);
        int n = -1;
        const kxv::Flash f = kxv::flash_hPX(r.h, r.P, r.x_in, &n);
        EXPECT_EQ(f.q, c.outputs[0]);
        if (r.passes) {
            EXPECT_EQ(n, r.passes);
        }
    }
}

TEST(Flash, SaturatedFeedStaysLiquidAtItsEquilibriumTemperature) {
    const double T_eq = kxv::Tsat_PX(5, 0.5);
    const double h_eq = kxv::h_TXP(T_eq, 0.5, 5);
    const kxvhost::Call c = proc("LiBrKXVflash", {h_eq, 5, 0.5}, 5);
    EXPECT_EQ(c.outputs[0], 0.0);
    EXPECT_EQ(c.outputs[1], T_eq);
    EXPECT_EQ(c.outputs[3], h_eq);
    EXPECT_EQ(c.outputs[4], 9999.0);
    // A NaN enthalpy compares neither way: saturated liquid as well.
    const kxvhost::Call n = proc("LiBrKXVflash", {std::nan(""), 5, 0.5}, 5);
    EXPECT_EQ(n.outputs[0], 0.0);
    EXPECT_EQ(n.outputs[1], T_eq);
}

TEST(Flash, Counts) {
    const kxvhost::Call in = proc("LiBrKXVflash", {200, 5}, 5, 0, "x");
    EXPECT_EQ(in.mode, 1);
    EXPECT_EQ(in.text, "LiBrKXVflash expects three inputs");
    for (std::size_t outs : {4u, 6u}) {
        const kxvhost::Call out = proc("LiBrKXVflash", {200, 5, 0.5}, outs, 0, "x");
        EXPECT_EQ(out.mode, 2);
        EXPECT_EQ(out.text, "LiBrKXVflash requires requires 5 outputs");
        for (double v : out.outputs) EXPECT_EQ(v, kxvhost::kUnwritten);
    }
}
