// The model checked against itself over the whole range, state by state:
// equilibrium round trips and residuals, the flash's balances, and the
// thermodynamic identities that tie every property to g(T, x, P).
#include <cmath>
#include <vector>

#include "equilibrium.hpp"
#include "model.hpp"
#include "test_support.hpp"

namespace {

struct State {
    double Tc, X, P;
};

// 0 to 300 degC, mass fractions 0 to 0.8, pressures 0 to 500 kPa.
std::vector<State> grid() {
    std::vector<State> states;
    for (int i = 0; i <= 30; ++i)
        for (int j = 0; j <= 20; ++j)
            for (double P : {0.0, 0.1, 1.0, 10.0, 100.0, 450.0, 500.0})
                states.push_back({10.0 * i, 0.04 * j, P});
    return states;
}

// Equilibrium states inside the ranges: (Tc, X) whose pressure settles
// at no more than 500 kPa.
struct Equilibrium {
    double Tc, X, P;
};

std::vector<Equilibrium> equilibria() {
    std::vector<Equilibrium> states;
    for (int i = 0; i <= 60; ++i)
        for (int j = 0; j <= 40; ++j) {
            const double Tc = 5.0 * i, X = 0.02 * j;
            const double P = kxv::Psat_TX(Tc, X);
            if (P != kxv::kNotSettled && P > 0 && P <= 500) states.push_back({Tc, X, P});
        }
    return states;
}

double residual(double Tc, double X, double P) {
    return kxv::muw_TXP(Tc, X, P) - kxv::muv_TP(Tc + 273.15, P);
}

// The solvers stop once the residual of a pass is within this, J/g.
constexpr double kSolverTolerance = 1e-5;

}  // namespace

TEST(Consistency, EquilibriumRoundTripsAndResiduals) {
    const std::vector<Equilibrium> states = equilibria();
    ASSERT_GT(states.size(), 1500u);
    for (const Equilibrium& e : states) {
        SCOPED_TRACE(::testing::Message() << e.Tc << " degC, X " << e.X << ", " << e.P << " kPa");
        EXPECT_LT(std::fabs(residual(e.Tc, e.X, e.P)), kSolverTolerance);

        const double Tc = kxv::Tsat_PX(e.P, e.X);
        ASSERT_NE(Tc, kxv::kNotSettled);
        EXPECT_LT(std::fabs(residual(Tc, e.X, e.P)), kSolverTolerance);
        EXPECT_NEAR(Tc, e.Tc, 1e-6);

        if (e.X < 0.02) continue;  // pure water: the pressure fixes no mass fraction
        const double X = kxv::Xsat_TP(e.Tc, e.P);
        ASSERT_NE(X, kxv::kNotSettled);
        EXPECT_LT(std::fabs(residual(e.Tc, X, e.P)), kSolverTolerance);
        EXPECT_NEAR(X, e.X, 1e-8);
    }
}

// Feeds over the whole two-phase region: the LiBr stays in the liquid, the
// energy of the feed is shared between the phases, the liquid leaves at its
// equilibrium temperature and each phase carries its own enthalpy.
TEST(Consistency, FlashBalancesCloseOnEverySettledTwoPhaseResult) {
    int settled = 0;
    for (double P : {0.7, 1.0, 2.0, 5.0, 10.0, 50.0, 100.0})
        for (int i = 0; i <= 13; ++i)
            for (double h = 50; h <= 2000; h += 50) {
                const double x_in = 0.05 * i;
                const kxv::Flash f = kxv::flash_hPX(h, P, x_in);
                if (f.q == kxv::kNotSettled || f.q == 0.0) continue;
                ++settled;
                SCOPED_TRACE(::testing::Message() << h << " J/g, " << P << " kPa, " << x_in);
                EXPECT_GT(f.q, 0.0);
                EXPECT_LT(f.q, 1.0);
                EXPECT_NEAR(f.x * (1 - f.q), x_in, 1e-6);
                EXPECT_NEAR(f.q * f.hv + (1 - f.q) * f.hl, h, 1e-9 * h);
                EXPECT_NEAR(kxv::Tsat_PX(P, f.x), f.T, 1e-9);
                EXPECT_EQ(f.hl, kxv::h_TXP(f.T, f.x, P));
                EXPECT_EQ(f.hv, kxv::hv_TP(f.T + 273.15, P));
            }
    EXPECT_GT(settled, 1500);
}

// g and its concentration derivative give the chemical potentials, and the
// potentials weighted by the mass fractions give g back; h = g - T dg/dT,
// s = -dg/dT, cp = dh/dT = T ds/dT and v = dg/dP against central
// differences; each procedure's partial values weighted back to the property.
TEST(Consistency, FreeEnergyIdentitiesHoldOverTheGrid) {
    using namespace kxv;
    const double dT = 1e-2, dP = 1.0, dx = 1e-5;
    const std::vector<State> states = grid();
    for (const State& st : states) {
        const double Tc = st.Tc, X = st.X, P = st.P, T = Tc + 273.15, x = 100 * X;
        SCOPED_TRACE(::testing::Message() << Tc << " degC, X " << X << ", " << P << " kPa");
        const double g = g_TXP(Tc, X, P), dgdx = dgdx_TXP(Tc, X, P);
        const double mw = muw_TXP(Tc, X, P), ms = mus_TXP(Tc, x, P);
        const double scale = std::fabs(mw) + std::fabs(ms) + std::fabs(g);
        EXPECT_NEAR(mw, g - x * dgdx, 1e-12 * scale);
        EXPECT_NEAR(ms, g + (100 - x) * dgdx, 1e-12 * scale);
        EXPECT_NEAR((1 - X) * mw + X * ms, g, 1e-12 * scale);
        if (X >= 0.04) {
            const double num = (g_TXP(Tc, X + dx, P) - g_TXP(Tc, X - dx, P)) / (200 * dx);
            EXPECT_NEAR(num, dgdx, 1e-6 * (1 + std::fabs(dgdx)));
        }

        const double h = h_TXP(Tc, X, P), s = s_TXP(Tc, X, P), cp = cp_TXP(Tc, X, P);
        const double dgdT = (g_TXP(Tc + dT, X, P) - g_TXP(Tc - dT, X, P)) / (2 * dT);
        EXPECT_NEAR(h, g - T * dgdT, 1e-6 * (1 + std::fabs(h)));
        EXPECT_NEAR(s, -dgdT, 1e-8);
        EXPECT_NEAR(cp, (h_TXP(Tc + dT, X, P) - h_TXP(Tc - dT, X, P)) / (2 * dT), 1e-6);
        EXPECT_NEAR(cp, T * (s_TXP(Tc + dT, X, P) - s_TXP(Tc - dT, X, P)) / (2 * dT), 1e-6);
        if (P >= dP) {
            EXPECT_NEAR(v_TX(Tc, x), (g_TXP(Tc, X, P + dP) - g_TXP(Tc, X, P - dP)) / (2 * dP),
                        1e-10);
        }
        if (X >= 0.04) {
            const auto by_x = [&](double (*f)(double, double, double)) {
                return (f(Tc, X + dx, P) - f(Tc, X - dx, P)) / (200 * dx);
            };
            EXPECT_NEAR(dhdx_TXP(Tc, X, P), by_x(h_TXP), 1e-6);
            EXPECT_NEAR(dsdx_TXP(Tc, X, P), by_x(s_TXP), 1e-8);
            EXPECT_NEAR(dvdx_TX(Tc, x),
                        (v_TX(Tc, x + 100 * dx) - v_TX(Tc, x - 100 * dx)) / (200 * dx), 1e-13);
        }

        // The partial values the procedures return weigh back to the property.
        for (const char* name : {"LibrKXVpart_g", "LibrKXVpart_h", "LibrKXVpart_s"}) {
            const std::vector<double> z = kxvtest::proc(name, {Tc, X, P}, 4).outputs;
            EXPECT_NEAR(X * z[3] + (1 - X) * z[2], z[0],
                        1e-11 * (std::fabs(z[2]) + std::fabs(z[3])))
                << name;
        }
        const std::vector<double> zv = kxvtest::proc("LibrKXVpart_v", {Tc, X}, 4).outputs;
        EXPECT_NEAR(X * zv[3] + (1 - X) * zv[2], zv[0], 1e-17);
    }
}
