// Enthalpy, entropy, heat capacity and volume: reference values through the
// module, the refusal and warning paths, and the thermodynamic identities
// that tie each property to the free energy.
#include <cmath>

#include "equilibrium.hpp"
#include "model.hpp"
#include "test_support.hpp"

using kxvtest::fn;
using kxvtest::proc;

namespace {

struct FnRow {
    const char* name;
    std::vector<double> in;
    const char* expected;
};

// Clean calls: the value, the mode word and the host's text untouched.
const FnRow kValues[] = {
    {"LiBrKXVh", {50, 0.5, 10}, "107.303255"},
    {"LiBrKXVh", {50, 0.5}, "107.299461"},
    {"LiBrKXVh", {20, 0}, "83.2719366"},
    {"LiBrKXVh", {0, 0, 0}, "-0.611186566"},
    {"LiBrKXVh", {25, 0.55, 1}, "66.7046772"},
    {"LiBrKXVh", {100, 0.6, 50}, "234.548014"},
    {"LiBrKXVh", {300, 0.8, 500}, "689.539404"},
    {"LiBrKXVh", {300, 0}, "1340.61958"},  // equilibrium near 8679 kPa, never checked
    {"LiBrKXVs", {50, 0.5, 10}, "0.360445990"},
    {"LiBrKXVs", {50, 0.5}, "0.360447530"},
    {"LiBrKXVs", {20, 0}, "0.295809679"},
    {"LiBrKXVs", {0, 0, 0}, "-0.000571683016"},
    {"LiBrKXVs", {25, 0.55, 1}, "0.157360298"},
    {"LiBrKXVs", {100, 0.6, 50}, "0.569883536"},
    {"LiBrKXVs", {150, 0.65}, "0.761248969"},
    {"LiBrKXVs", {300, 0.8, 500}, "1.09804577"},
    {"LiBrKXVs", {300, 0}, "3.24790088"},
    {"LiBrKXVCp", {50, 0.5, 10}, "2.19542645"},
    {"LiBrKXVCp", {50, 0.5}, "2.19542853"},
    {"LiBrKXVCp", {20, 0}, "4.18078362"},
    {"LiBrKXVCp", {0, 0, 0}, "4.22358793"},
    {"LiBrKXVCp", {25, 0.55, 1}, "2.00784532"},
    {"LiBrKXVCp", {100, 0.6, 50}, "1.96214517"},
    {"LiBrKXVCp", {150, 0.65}, "1.83536182"},
    {"LiBrKXVCp", {300, 0.8, 500}, "1.44637916"},
    {"LiBrKXVCp", {300, 0}, "5.36673193"},
    {"LiBrKXVCp", {50, 0.5, 0}, "2.19542964"},
    {"LiBrKXVCp", {50, 0.5, 500}, "2.19527026"},
    {"LiBrKXVv", {25, 0.5}, "0.000652276885"},
    {"LiBrKXVv", {0, 0.5}, "0.000647300295"},
    {"LiBrKXVv", {300, 0.5}, "0.000747708658"},
    {"LiBrKXVv", {25, 0.8}, nullptr},
};

struct ProcRow {
    const char* name;
    std::vector<double> in;
    const char* out[4];
};

const ProcRow kProcedures[] = {
    {"LibrKXVpart_h", {50, 0.5, 10}, {"107.303255", "1.20947051", "46.8297294", "167.776780"}},
    {"LibrKXVpart_h", {25, 0.55, 1}, {"66.7046772", "3.62478047", "-132.658249", "229.819798"}},
    {"LibrKXVpart_h", {100, 0.6, 50}, {"234.548014", "3.66784577", "14.4772678", "381.261845"}},
    {"LibrKXVpart_h", {300, 0.8, 500}, {"689.539404", "8.11274369", "40.5199087", "851.794278"}},
    {"LibrKXVpart_h", {20, 0, 2.339}, {"83.2719333", "-27.5993007", "83.2719333", "-2676.65814"}},
    {"LibrKXVpart_s",
     {50, 0.5, 10},
     {"0.360445990", "-0.00854058103", "0.787475042", "-0.0665830611"}},
    {"LibrKXVpart_s",
     {25, 0.55, 1},
     {"0.157360298", "-0.00492302177", "0.428126496", "-0.0641756816"}},
    {"LibrKXVpart_s",
     {100, 0.6, 50},
     {"0.569883536", "-0.00899928261", "1.10984049", "0.209912232"}},
    {"LibrKXVpart_s",
     {300, 0.8, 500},
     {"1.09804577", "-0.0108233283", "1.96391204", "0.881579205"}},
    {"LibrKXVpart_s",
     {20, 0, 2.339},
     {"0.295809680", "-0.0505020595", "0.295809680", "-4.75439627"}},
    {"LibrKXVpart_v",
     {25, 0.5},
     {"0.000652276885", "-6.97916272e-06", "0.00100123502", "0.00030331875"}},
    {"LibrKXVpart_v",
     {25, 0},
     {"0.00100219123", "-7.01741107e-06", "0.00100219123", "0.000300450123"}},
    {"LibrKXVpart_v",
     {0, 0.8},
     {"0.000435541916", "-7.0907567e-06", "0.00100280245", "0.000293726782"}},
    {"LibrKXVpart_v",
     {300, 0.8},
     {"0.000441725741", "-9.70815164e-06", "0.00121837787", "0.000247562708"}},
};

std::string message(const char* severity, const std::string& msg_name, const char* range) {
    return std::string(severity) + msg_name + ": Input out of bounds: " + range;
}

}  // namespace

TEST(Properties, ReferenceValuesOfTheFunctions) {
    for (const FnRow& r : kValues) {
        SCOPED_TRACE(::testing::Message() << r.name << ::testing::PrintToString(r.in));
        const kxvhost::Call c = fn(r.name, r.in, 0, "host text");
        if (r.expected) {
            EXPECT_QUOTED(c.result, r.expected);
        }
        EXPECT_EQ(c.mode, 0);
        EXPECT_EQ(c.text, "host text");
        EXPECT_HOST_SAFE(c);
    }
}

TEST(Properties, ReferenceValuesOfTheProcedures) {
    for (const ProcRow& r : kProcedures) {
        SCOPED_TRACE(::testing::Message() << r.name << ::testing::PrintToString(r.in));
        const kxvhost::Call c = proc(r.name, r.in, 4, 0, "host text");
        ASSERT_EQ(c.outputs.size(), 4u);
        for (int i = 0; i < 4; ++i) EXPECT_QUOTED(c.outputs[static_cast<std::size_t>(i)], r.out[i]);
        EXPECT_EQ(c.mode, 0);
        EXPECT_EQ(c.text, "");
        EXPECT_HOST_SAFE(c);
        if (r.in[1] == 0) {
            EXPECT_EQ(c.outputs[2], c.outputs[0]);  // pure water: z_w is z
        }
    }
}

TEST(Properties, ProceduresMatchTheirFunctions) {
    for (double Tc : {0.0, 37.5, 150.0, 300.0})
        for (double X : {0.0, 0.3, 0.62, 0.8}) {
            const double P = 7.5;
            EXPECT_EQ(proc("LibrKXVpart_h", {Tc, X, P}, 4).outputs[0],
                      fn("LiBrKXVh", {Tc, X, P}).result);
            EXPECT_EQ(proc("LibrKXVpart_s", {Tc, X, P}, 4).outputs[0],
                      fn("LiBrKXVs", {Tc, X, P}).result);
            EXPECT_EQ(proc("LibrKXVpart_v", {Tc, X}, 4).outputs[0], fn("LiBrKXVv", {Tc, X}).result);
            EXPECT_EQ(fn("LiBrKXVv", {Tc, X}).result, kxv::v_TX(Tc, 100 * X));
            EXPECT_EQ(fn("LiBrKXVh", {Tc, X}).result, kxv::h_TXP(Tc, X, kxv::Psat_TX(Tc, X)));
        }
}

// The single-result functions refuse a concentration out of range; the
// procedures compute all the same. Temperature and pressure only warn.
TEST(Properties, RefusalsAndWarnings) {
    for (const char* name : {"LiBrKXVh", "LiBrKXVs", "LiBrKXVCp"}) {
        SCOPED_TRACE(name);
        for (std::vector<double> in :
             {std::vector<double>{50, 0.80001, 10}, {301, 0.9}, {50, 0.9, 600}}) {
            const kxvhost::Call c = fn(name, in, 0, "x");
            EXPECT_EQ(c.result, 0.0);
            EXPECT_EQ(c.mode, -5);
            EXPECT_EQ(c.text, message("Warning: ", name, "X <= 80 % LiBr"));
        }
        const kxvhost::Call neg = fn(name, {50, -0.1, 10});
        EXPECT_EQ(neg.result, 0.0);
        EXPECT_EQ(neg.mode, -5);
        EXPECT_EQ(neg.text, message("Error: ", name, "0 <= X"));
        // The later pressure message replaces the temperature message.
        const kxvhost::Call both = fn(name, {-1, 0.5, 600});
        EXPECT_EQ(both.mode, -5);
        EXPECT_EQ(both.text, message("Warning: ", name, "0 < P < 500 kPa"));
        // With two inputs the temperature warns and the equilibrium pressure is never checked.
        const kxvhost::Call hot = fn(name, {350, 0.5}, 0, "x");
        EXPECT_EQ(hot.mode, -5);
        EXPECT_EQ(hot.text, kxvtest::tc_message(name));
        EXPECT_TRUE(std::isfinite(hot.result));
        for (int n : {0, 1, 4}) {
            const kxvhost::Call c =
                fn(name, std::vector<double>(static_cast<std::size_t>(n), 0.5), 3);
            EXPECT_EQ(c.text, std::string(name) + " expects two or three inputs");
            EXPECT_EQ(c.mode, 3);
            EXPECT_EQ(c.result, 0.0);
        }
    }
    EXPECT_QUOTED(fn("LiBrKXVh", {-1, 0.5, 600}).result, "-1.71586241");
    EXPECT_QUOTED(fn("LiBrKXVs", {-1, 0.5, 600}).result, "-0.00771712320");
    EXPECT_QUOTED(fn("LiBrKXVCp", {-1, 0.5, 600}).result, "2.07148270");

    const kxvhost::Call cold = fn("LiBrKXVv", {-10, 0.5});
    EXPECT_QUOTED(cold.result, "0.00064548228");
    EXPECT_EQ(cold.mode, -5);
    EXPECT_EQ(cold.text, kxvtest::tc_message("LiBrKXVv"));
    for (double Tc : {25.0, 301.0}) {
        const kxvhost::Call c = fn("LiBrKXVv", {Tc, 0.9});
        EXPECT_EQ(c.result, 0.0);
        EXPECT_EQ(c.text, "Warning: LiBrKXVv: Input out of bounds: X <= 80 % LiBr");
    }
    EXPECT_EQ(fn("LiBrKXVv", {25, -0.1}).text, "Error: LiBrKXVv: Input out of bounds: 0 <= X");
    const kxvhost::Call three = fn("LiBrKXVv", {25, 0.5, 10}, 4);
    EXPECT_EQ(three.text, "LiBrKXVv expects two inputs");
    EXPECT_EQ(three.mode, 4);
}

TEST(Properties, ProceduresComputeWhateverTheChecksSay) {
    const kxvhost::Call h = proc("LibrKXVpart_h", {50, 0.9, 600}, 4);
    EXPECT_QUOTED(h.outputs[0], "551.486611");
    EXPECT_EQ(h.text, "Warning: LiBrKXVpart_h: Input out of bounds: 0 < P < 500 kPa");
    EXPECT_EQ(h.mode, 0);
    EXPECT_QUOTED(proc("LibrKXVpart_h", {-1, 0.5, 600}, 4).outputs[0], "-1.71586241");
    const kxvhost::Call s = proc("LibrKXVpart_s", {50, 0.9, 600}, 4);
    EXPECT_QUOTED(s.outputs[0], "0.445251641");
    EXPECT_EQ(s.text, "Warning: LiBrKXVpart_s: Input out of bounds: 0 < P < 500 kPa");
    const kxvhost::Call hot = proc("LibrKXVpart_s", {350, 0.5, 10}, 4);
    EXPECT_QUOTED(hot.outputs[0], "1.86052411");
    EXPECT_EQ(hot.text, kxvtest::tc_message("LiBrKXVpart_s"));
    EXPECT_EQ(hot.mode, 0);

    const struct {
        std::vector<double> in;
        const char* out[4];
        std::string text;
    } volume[] = {
        {{25, -0.1},
         {"0.00107240359", "-7.02506074e-06", "0.00100215298", "0.000299646908"},
         "Error: LiBrKXVpart_v: Input out of bounds: 0 <= X"},
        {{-10, 0.9},
         {"0.000360303621", "-7.19558848e-06", "0.00100790658", "0.000288347737"},
         kxvtest::tc_message("LiBrKXVpart_v")},
    };
    for (const auto& r : volume) {
        const kxvhost::Call c = proc("LibrKXVpart_v", r.in, 4, 6);
        for (int i = 0; i < 4; ++i) EXPECT_QUOTED(c.outputs[static_cast<std::size_t>(i)], r.out[i]);
        EXPECT_EQ(c.text, r.text);
        EXPECT_EQ(c.mode, 0);
    }
    for (const char* name : {"LibrKXVpart_h", "LibrKXVpart_s"}) {
        const kxvhost::Call c = proc(name, {50, -0.1, 10}, 4);
        for (double v : c.outputs) EXPECT_TRUE(std::isnan(v)) << name;
        EXPECT_EQ(c.mode, 0);
    }
}

TEST(Properties, CountsOfTheProcedures) {
    for (const char* name : {"LibrKXVpart_h", "LibrKXVpart_s", "LibrKXVpart_v"}) {
        SCOPED_TRACE(name);
        const std::string msg = std::string("LiBrKXVpart_") + name[12];
        const std::size_t ins = name[12] == 'v' ? 2 : 3;
        const kxvhost::Call wrong_in = proc(name, std::vector<double>(ins + 1, 1.0), 3);
        EXPECT_EQ(wrong_in.mode, 1);
        EXPECT_EQ(wrong_in.text,
                  msg + (ins == 2 ? " expects two inputs" : " expects three inputs"));
        for (std::size_t outs : {3u, 5u}) {
            const kxvhost::Call wrong_out = proc(name, std::vector<double>(ins, 1.0), outs);
            EXPECT_EQ(wrong_out.mode, 2);
            EXPECT_EQ(wrong_out.text, msg + " requires 4 outputs");
            for (double v : wrong_out.outputs) EXPECT_EQ(v, kxvhost::kUnwritten);
        }
    }
}
