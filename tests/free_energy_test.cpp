// The free energy and the chemical potentials, through the module and on the
// core functions: reference values and the identities that tie them.
#include <cmath>

#include "model.hpp"
#include "test_support.hpp"

using kxvtest::fn;
using kxvtest::proc;

namespace {

struct GRow {
    double Tc, X, P;
    const char *g, *dgdx, *mu_w, *mu_s;
};

const GRow kFreeEnergy[] = {
    {0, 0, 0, "-0.45503135", "-13.7511191", "-0.45503135", "-1375.56694"},
    {25, 0.3, 5, "-37.7422568", "0.178355917", "-43.0929343", "-25.2573426"},
    {50, 0.5, 10, "-9.17486693", "3.96935927", "-207.64283", "189.293097"},
    {100, 0.6, 100, "21.9259308", "7.02557173", "-399.608373", "302.9488"},
    {150, 0.65, 50, "28.1775031", "8.88943547", "-549.635802", "339.307744"},
    {300, 0.8, 500, "60.1944695", "14.3161343", "-1085.09628", "346.517156"},
};

struct MuRow {
    double Tc, X, P;
    const char *mu_w, *mu_s;
};

const MuRow kPotentials[] = {
    {0, 0, 0, "-0.45503135", "-1375.56694"},    {25, 0.3, 5, "-43.0929343", "-25.2573426"},
    {40, 0.55, 1, "-268.033997", "249.624132"}, {50, 0.5, 10, "-207.64283", "189.293097"},
    {100, 0.6, 100, "-399.608373", "302.9488"}, {300, 0.8, 500, "-1085.09628", "346.517156"},
};

}  // namespace

TEST(FreeEnergyProcedure, ReferenceValues) {
    for (const GRow& r : kFreeEnergy) {
        SCOPED_TRACE(::testing::Message() << r.Tc << ", " << r.X << ", " << r.P);
        const kxvhost::Call c = proc("LibrKXVpart_g", {r.Tc, r.X, r.P}, 4, 0, "old");
        ASSERT_EQ(c.outputs.size(), 4u);
        EXPECT_QUOTED(c.outputs[0], r.g);
        EXPECT_QUOTED(c.outputs[1], r.dgdx);
        EXPECT_QUOTED(c.outputs[2], r.mu_w);
        EXPECT_QUOTED(c.outputs[3], r.mu_s);
        EXPECT_EQ(c.mode, 0);
        EXPECT_EQ(c.text, "");
        EXPECT_HOST_SAFE(c);
    }
}

TEST(FreeEnergyProcedure, AboveEightyPercentComputesWithAWarning) {
    const kxvhost::Call c = proc("LibrKXVpart_g", {50, 0.9, 10}, 4);
    EXPECT_QUOTED(c.outputs[0], "407.378771");
    EXPECT_QUOTED(c.outputs[1], "18.5339705");
    EXPECT_QUOTED(c.outputs[2], "-1260.67858");
    EXPECT_QUOTED(c.outputs[3], "592.718477");
    EXPECT_EQ(c.text, "Warning: LiBrKXVpart_g: Input out of bounds: X <= 80 % LiBr");
    EXPECT_EQ(c.mode, 0);
}

TEST(FreeEnergyProcedure, PureWaterHasEqualGAndWaterPotential) {
    const kxvhost::Call c = proc("LibrKXVpart_g", {0, 0, 0}, 4);
    EXPECT_EQ(c.outputs[0], c.outputs[2]);
    EXPECT_TRUE(std::isfinite(c.outputs[3]));
}

TEST(ChemicalPotentials, ReferenceValuesThroughTheExports) {
    for (const MuRow& r : kPotentials) {
        SCOPED_TRACE(::testing::Message() << r.Tc << ", " << r.X << ", " << r.P);
        const kxvhost::Call w = fn("LiBrKXVuw", {r.Tc, r.X, r.P}, 0, "old");
        const kxvhost::Call s = fn("LiBrKXVus", {r.Tc, r.X, r.P}, 0, "old");
        EXPECT_QUOTED(w.result, r.mu_w);
        EXPECT_QUOTED(s.result, r.mu_s);
        for (const kxvhost::Call* c : {&w, &s}) {
            EXPECT_EQ(c->mode, 0);
            EXPECT_EQ(c->text, "old");
            EXPECT_HOST_SAFE(*c);
        }
    }
}

TEST(ChemicalPotentials, SaltPotentialTakesAPercentage) {
    EXPECT_QUOTED(kxv::mus_TXP(50, 50, 10), "189.293097");
    EXPECT_QUOTED(kxv::mus_TXP(50, 0.5, 10), "-347.98638");
    EXPECT_QUOTED(kxv::muw_TXP(50, 0.5, 10), "-207.64283");
}

TEST(ChemicalPotentials, TemperatureAndPressureOutOfRangeStillCompute) {
    const kxvhost::Call c = fn("LiBrKXVus", {301, 0.5, 600});
    EXPECT_EQ(c.mode, -5);
    EXPECT_EQ(c.text, "Warning: LiBrKXVus: Input out of bounds: 0 < P < 500 kPa");
    EXPECT_DOUBLE_EQ(c.result, kxv::mus_TXP(301, 50, 600));
}

// The identities of the model over a grid of states inside the ranges.
TEST(FreeEnergyIdentities, PotentialsAgreeWithGAndItsDerivative) {
    for (double Tc = 0; Tc <= 300; Tc += 25)
        for (double X = 0; X <= 0.8001; X += 0.1)
            for (double P : {0.0, 1.0, 50.0, 500.0}) {
                SCOPED_TRACE(::testing::Message() << Tc << ", " << X << ", " << P);
                const kxvhost::Call c = proc("LibrKXVpart_g", {Tc, X, P}, 4);
                const double g = c.outputs[0], dgdx = c.outputs[1], mw = c.outputs[2],
                             ms = c.outputs[3];
                const double scale = std::fabs(mw) + std::fabs(ms) + std::fabs(g);
                EXPECT_NEAR(mw - ms, -100 * dgdx, 1e-12 * scale);
                EXPECT_NEAR((1 - X) * mw + X * ms, g, 1e-12 * scale);
                // The term-by-term expansions agree with g - x dg/dx and g + (100 - x) dg/dx.
                EXPECT_NEAR(kxv::muw_TXP(Tc, X, P), mw, 1e-12 * scale);
                EXPECT_NEAR(kxv::mus_TXP(Tc, 100 * X, P), ms, 1e-12 * scale);
                // dgdx is the derivative of g per mass percent.
                const double h = 1e-4;
                const double num =
                    (kxv::g_TXP(Tc, X + h / 100, P) - kxv::g_TXP(Tc, X - h / 100, P)) / (2 * h);
                if (X > 0.05) {
                    EXPECT_NEAR(num, dgdx, 1e-6 * (1 + std::fabs(dgdx)));
                }
            }
}
