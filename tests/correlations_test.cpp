// Conductivity, viscosity, refractive index, crystallisation temperature and
// the activity coefficient, through the module and on the core.
#include "correlations.hpp"

#include <cmath>

#include "model.hpp"
#include "test_support.hpp"

using kxvtest::fn;

namespace {

struct Row {
    const char* name;
    std::vector<double> in;
    const char* result;  // quoted digits, or "nan"/"inf"
    int mode;            // after a call made with 0
    std::string text;    // "" means the host's text is left as it was
};

const std::string kCondX = "Warning: LiBrKXVCond: Input out of bounds: 0 < X < 80 % LiBr";
const std::string kViscX = "Warning: LiBrKXVVisc: Input out of bounds: 0 < X < 80 % LiBr";
const std::string kCryst =
    "Warning: LiBrKXVTCryst: Input out of bounds: 48.46908 < X < 71.90951 % LiBr";

const Row kRows[] = {
    {"LiBrKXVCond", {25, 0}, "0.611248436", 0, ""},
    {"LiBrKXVCond", {25, 0.5}, "0.444038058", 0, ""},
    {"LiBrKXVCond", {100, 0.6}, "0.466428836", 0, ""},
    {"LiBrKXVCond", {0, 0.8}, "0.321802748", 0, ""},
    {"LiBrKXVCond", {300, 0.8}, "0.4327827", 0, ""},
    {"LiBrKXVCond", {25, -0.1}, "0.644690512", -5, kCondX},
    {"LiBrKXVCond", {25, 0.9}, "0.310269755", -5, kCondX},
    {"LiBrKXVCond", {-10, 0.9}, "0.283486434", -5, kxvtest::tc_message("LiBrKXVCond")},
    {"LiBrKXVVisc", {25, 0}, "0.844179671", 0, ""},
    {"LiBrKXVVisc", {25, 0.5}, "3.80701359", 0, ""},
    {"LiBrKXVVisc", {100, 0.6}, "2.03612191", 0, ""},
    {"LiBrKXVVisc", {0, 0.8}, "85.0640608", 0, ""},
    {"LiBrKXVVisc", {300, 0.8}, "2.22493068", 0, ""},
    {"LiBrKXVVisc", {25, -0.1}, "0.896604411", -5, kViscX},
    {"LiBrKXVVisc", {25, 0.9}, "111.142303", -5, kViscX},
    {"LiBrKXVVisc", {-10, 0.9}, "360.08189", -5, kxvtest::tc_message("LiBrKXVVisc")},
    {"LiBrKXVRefIndex", {20, 0}, "1.33268", 0, ""},
    {"LiBrKXVRefIndex", {20, 0.5}, "1.44693", 0, ""},
    {"LiBrKXVRefIndex", {25, 0.6}, "1.48371", 0, ""},
    {"LiBrKXVRefIndex", {0, 0.8}, "1.57544", 0, ""},
    {"LiBrKXVRefIndex", {300, 0.8}, "1.54364", 0, ""},
    {"LiBrKXVRefIndex", {-10, 0.5}, "1.45011", -5, kxvtest::tc_message("LiBrKXVRefIndex")},
    {"LiBrKXVRefIndex", {25, -0.1}, "0", -5, "Error: LiBrKXVRefIndex: Input out of bounds: 0 <= X"},
    {"LiBrKXVRefIndex",
     {25, 0.9},
     "0",
     -5,
     "Warning: LiBrKXVRefIndex: Input out of bounds: X <= 80 % LiBr"},
    {"LiBrKXVRefIndex",
     {301, 0.9},
     "0",
     -5,
     "Warning: LiBrKXVRefIndex: Input out of bounds: X <= 80 % LiBr"},
    // Crystallisation: the branch bounds and the joints, where the lower bound
    // belongs to the upper branch.
    {"LiBrKXVTCryst", {0.4846908}, "-49.3199586", 0, ""},
    {"LiBrKXVTCryst", {0.5}, "-35.8225944", 0, ""},
    {"LiBrKXVTCryst", {0.55}, "-6.96571419", 0, ""},
    {"LiBrKXVTCryst", {0.5708439}, "2.2160261", 0, ""},
    {"LiBrKXVTCryst", {0.6}, "23.0888345", 0, ""},
    {"LiBrKXVTCryst", {0.6504612}, "41.4109898", 0, ""},
    {"LiBrKXVTCryst", {0.7}, "101.256468", 0, ""},
    {"LiBrKXVTCryst", {0.7190951}, "119.999985", 0, ""},
    {"LiBrKXVTCryst", {0.48}, "-9999", -5, kCryst},
    {"LiBrKXVTCryst", {0.72}, "-9999", -5, kCryst},
    {"LiBrKXVTCryst", {0.3}, "-9999", -5, kCryst},
    {"LiBrKXVTCryst", {0.8}, "-9999", -5, kCryst},
    // Activity coefficient: no range checks at all.
    {"LiBrKXVActCoef", {25, 0.5, 10}, "40.2843221", 0, ""},
    {"LiBrKXVActCoef", {25, 0.5, 1}, "40.2843077", 0, ""},
    {"LiBrKXVActCoef", {25, 0.5, 100}, "40.2844661", 0, ""},
    {"LiBrKXVActCoef", {0, 0.5, 10}, "49.5766004", 0, ""},
    {"LiBrKXVActCoef", {25, 0.1, 10}, "0.954335178", 0, ""},
    {"LiBrKXVActCoef", {100, 0.3, 10}, "2.16332784", 0, ""},
    {"LiBrKXVActCoef", {200, 0.7, 10}, "31.0017324", 0, ""},
    {"LiBrKXVActCoef", {25, 0.0820394643, 10}, "1.00001457", 0, ""},
    {"LiBrKXVActCoef", {-10, 0.5, 10}, "53.7114631", 0, ""},
    {"LiBrKXVActCoef", {25, 0.9, 10}, "20314.4641", 0, ""},
    {"LiBrKXVActCoef", {1400, 0.5, 10}, "999", 0, ""},
    {"LiBrKXVActCoef", {25, 0, 10}, "inf", 0, ""},
    {"LiBrKXVActCoef", {25, -0.1, 10}, "nan", 0, ""},
    {"LiBrKXVActCoef", {25, 0.5, 900}, nullptr, 0, ""},
    {"LiBrKXVActCoef", {std::nan(""), 0.5, 10}, "nan", 0, ""},
};

}  // namespace

TEST(Correlations, ReferenceValuesAndWarnings) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(::testing::Message() << r.name << ::testing::PrintToString(r.in));
        const kxvhost::Call c = fn(r.name, r.in, 0, "host text");
        if (r.result) {
            EXPECT_QUOTED(c.result, r.result);
        }
        EXPECT_EQ(c.mode, r.mode);
        EXPECT_EQ(c.text, r.text.empty() ? "host text" : r.text);
        EXPECT_HOST_SAFE(c);
    }
}

TEST(Correlations, CountMessages) {
    const struct {
        const char* name;
        int accepted;
        const char* message;
    } rows[] = {
        {"LiBrKXVCond", 2, "LiBrKXVCond expects two inputs"},
        {"LiBrKXVVisc", 2, "LiBrKXVVisc expects two inputs"},
        {"LiBrKXVRefIndex", 2, "LiBrKXVRefIndex expects two inputs"},
        {"LiBrKXVTCryst", 1, "LiBrKXVTCryst expects one input"},
        {"LiBrKXVActCoef", 3, "LiBrKXVActCoef expects three inputs"},
    };
    for (const auto& r : rows)
        for (int n : {r.accepted - 1, r.accepted + 1}) {
            const kxvhost::Call c =
                fn(r.name, std::vector<double>(static_cast<std::size_t>(n), 0.5), 8);
            EXPECT_EQ(c.text, r.message);
            EXPECT_EQ(c.mode, 8);
            EXPECT_EQ(c.result, 0.0);
        }
}

TEST(Correlations, ViscosityIsEvenInTheMassFraction) {
    for (double Tc : {0.0, 25.0, 150.0}) EXPECT_EQ(kxv::visc_TX(Tc, -0.1), kxv::visc_TX(Tc, 0.1));
}

TEST(Crystallisation, NeighbouringBranchesMeetAtTheJoints) {
    // Just below each joint the lower branch applies; it agrees to about 1e-4 degC.
    EXPECT_NEAR(kxv::tcryst_X(0.5708439 - 1e-12), kxv::tcryst_X(0.5708439), 1e-4);
    EXPECT_NEAR(kxv::tcryst_X(0.6504612 - 1e-12), kxv::tcryst_X(0.6504612), 2e-4);
    EXPECT_QUOTED(kxv::tcryst_X(0.5708439 - 1e-12), "2.2159635");
    EXPECT_QUOTED(kxv::tcryst_X(0.6504612 - 1e-12), "41.4111352");
    // Just outside the covered range there is no line, and NaN has none either.
    EXPECT_EQ(kxv::tcryst_X(0.4846907), -9999.0);
    EXPECT_EQ(kxv::tcryst_X(0.7190952), -9999.0);
    const kxvhost::Call nan = fn("LiBrKXVTCryst", {std::nan("")}, 0, "host text");
    EXPECT_EQ(nan.result, -9999.0);
    EXPECT_EQ(nan.mode, 0);
    EXPECT_EQ(nan.text, "host text");
}

TEST(ActivityCoefficient, ReferenceSolution) {
    const struct {
        double Tc;
        const char* X_ref;
    } rows[] = {{0, "0.0815857768"},
                {25, "0.0820394643"},
                {100, "0.0850038006"},
                {200, "0.0925682883"},
                {300, "0.103928366"}};
    for (const auto& r : rows) {
        const kxv::ReferenceSolution ref = kxv::reference_solution(r.Tc);
        EXPECT_QUOTED(ref.X, r.X_ref);
        EXPECT_TRUE(ref.settled);
    }
    double rho[101] = {};
    const kxv::ReferenceSolution at25 = kxv::reference_solution(25, rho);
    EXPECT_EQ(at25.passes, 10);
    const char* expected[] = {"1059.0641", "997.87424", "1058.5696", "1062.5349", "1058.5997",
                              "1058.3591", "1058.5978", "1058.6125", "1058.5979", "1058.5970"};
    for (int i = 0; i < 10; ++i) EXPECT_QUOTED(rho[i], expected[i]) << "pass " << i + 1;
    // At the reference concentration c is about 0.999985 mol/l, so gamma is about 1.
    EXPECT_NEAR(kxv::gamma_TXP(25, at25.X, 10), 1.0, 2e-5);
}

TEST(ActivityCoefficient, PassesOfTheDensityIteration) {
    for (double Tc = 0; Tc <= 300; Tc += 12.5)
        EXPECT_EQ(kxv::reference_solution(Tc).passes, 10) << Tc;
    for (double Tc : {301.3, 310.0, 350.0}) EXPECT_EQ(kxv::reference_solution(Tc).passes, 12) << Tc;
    const kxv::ReferenceSolution far = kxv::reference_solution(1400);
    EXPECT_FALSE(far.settled);
    EXPECT_EQ(far.passes, 101);
    // A NaN temperature leaves the loop on its second test, settled in name only.
    EXPECT_EQ(kxv::reference_solution(std::nan("")).passes, 1);
}
