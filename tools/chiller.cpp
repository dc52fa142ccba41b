// The chiller of python/kxvlibr/chiller.py, state by state and in the same
// arithmetic, so that both print the same report. Water is the solution at
// X = 0. The states:
//   1  weak solution, saturated at the absorber temperature and P_low
//   2  pumped to P_high: h2 = h1 + v1 (P_high - P_low); T2 from a flash
//   3  heated in the solution heat exchanger: h3 from its energy balance
//   4  strong solution and 7 vapour leaving the generator: the weak solution
//      heated to the feed enthalpy h_g flashes at P_high, h_g chosen so that
//      the flash ends at the generator temperature
//   5  strong solution cooled in the heat exchanger: T5 = T4 - eff (T4 - T2)
//   6  throttled to P_low: a flash of h5
//   8  condensate, saturated water at the condenser temperature
//   9  throttled to P_low: a flash of h8; 10 its vapour, leaving the evaporator
#include "chiller.hpp"

#include <cmath>
#include <cstdio>
#include <vector>

namespace kxvhost {
namespace {

constexpr double kTTolerance = 1e-9;  // K, on the generator temperature
constexpr int kMaxSteps = 50;
constexpr double kFlag = 9999.0;

struct FlashState {
    double q, T, x, hl, hv;
};

// Calls the exports and keeps the first problem any call reports.
class Exports {
  public:
    explicit Exports(const Module& m) : m_(m) {}

    double f(const char* name, const std::vector<double>& in) {
        void* fn = find_export(m_, name);
        if (!fn) return fail(std::string("no export ") + name);
        const Call c = call_export(fn, false, in, 0, 0);
        if (!c.text.empty() || c.mode != 0) return fail(cp1252_to_utf8(c.text));
        if (c.result == kFlag) return fail(std::string(name) + " returned the flag 9999");
        return c.result;
    }

    FlashState flash(double h, double P, double x_in) {
        void* fn = find_export(m_, "LiBrKXVflash");
        if (!fn) return {fail("no export LiBrKXVflash"), 0, 0, 0, 0};
        const Call c = call_export(fn, true, {h, P, x_in}, 5, 0);
        if (!c.text.empty() || c.mode != 0) fail(cp1252_to_utf8(c.text));
        const std::vector<double>& o = c.outputs;
        if (o.size() != 5) return {fail("LiBrKXVflash wrote no outputs"), 0, 0, 0, 0};
        if (o[0] == kFlag || o[1] == kFlag) fail("LiBrKXVflash returned the flag 9999");
        return {o[0], o[1], o[2], o[3], o[4]};
    }

    const std::string& problem() const { return problem_; }

  private:
    double fail(const std::string& why) {
        if (problem_.empty()) problem_ = why;
        return NAN;
    }
    const Module& m_;
    std::string problem_;
};

// The enthalpy of the weak solution whose flash at P_high ends at T_gen, by
// secant steps from two feeds that already boil.
double generator_feed(Exports& e, double P_high, double X1, double T_gen) {
    const double h_boil = e.f("LiBrKXVh", {e.f("LiBrKXVT", {P_high, X1}), X1, P_high});
    double h_a = h_boil + 50.0;
    double h_b = h_boil + 150.0;
    double T_a = e.flash(h_a, P_high, X1).T;
    double T_b = e.flash(h_b, P_high, X1).T;
    for (int n = 0; n < kMaxSteps; ++n) {
        if (std::fabs(T_b - T_gen) < kTTolerance || T_b == T_a) break;
        const double h_c = h_b - (T_b - T_gen) * (h_b - h_a) / (T_b - T_a);
        h_a = h_b;
        T_a = T_b;
        h_b = h_c;
        T_b = e.flash(h_b, P_high, X1).T;
    }
    return h_b;
}

struct Row {
    int number;
    const char* name;
    double T, P, X, h, q, m;
};

}  // namespace

bool print_chiller(const Module& module, const ChillerDesign& d, std::string* problem) {
    Exports e(module);
    const double P_low = e.f("LiBrKXVp", {d.T_evap, 0.0});
    const double P_high = e.f("LiBrKXVp", {d.T_cond, 0.0});
    const double m1 = d.m_pump;

    const double X1 = e.f("LiBrKXVX", {d.T_abs, P_low});
    const double h1 = e.f("LiBrKXVh", {d.T_abs, X1, P_low});
    const double h2 = h1 + e.f("LiBrKXVv", {d.T_abs, X1}) * (P_high - P_low);
    const double T2 = e.flash(h2, P_high, X1).T;

    const double T_boil = e.f("LiBrKXVT", {P_high, X1});
    if (e.problem().empty() && !(d.T_gen > T_boil)) {
        char why[200];
        std::snprintf(why, sizeof why,
                      "the weak solution does not boil in the generator: at %.4f kPa it boils "
                      "from %.3f \u00b0C, above the generator's %g \u00b0C",
                      P_high, T_boil, d.T_gen);
        *problem = why;
        return false;
    }
    const double h_g = generator_feed(e, P_high, X1, d.T_gen);
    const FlashState gen = e.flash(h_g, P_high, X1);
    const double m7 = gen.q * m1;
    const double m4 = m1 - m7;
    const double T4 = gen.T, X4 = gen.x, h4 = gen.hl, h7 = gen.hv;

    const double T5 = T4 - d.effectiveness * (T4 - T2);
    const double h5 = e.f("LiBrKXVh", {T5, X4, P_high});
    const double Q_shx = m4 * (h4 - h5);
    const double h3 = h2 + Q_shx / m1;
    const FlashState shx = e.flash(h3, P_high, X1);

    const FlashState valve = e.flash(h5, P_low, X4);

    const double h8 = e.f("LiBrKXVh", {d.T_cond, 0.0, P_high});
    const FlashState evap = e.flash(h8, P_low, 0.0);
    const double h10 = evap.hv;
    const double T_cryst = e.f("LiBrKXVTCryst", {X4});

    if (!e.problem().empty()) {
        *problem = e.problem();
        return false;
    }

    const Row rows[] = {
        {1, "weak solution, absorber outlet", d.T_abs, P_low, X1, h1, 0.0, m1},
        {2, "weak solution, pump outlet", T2, P_high, X1, h2, 0.0, m1},
        {3, "weak solution, generator inlet", shx.T, P_high, X1, h3, shx.q, m1},
        {4, "strong solution, generator outlet", T4, P_high, X4, h4, 0.0, m4},
        {5, "strong solution, valve inlet", T5, P_high, X4, h5, 0.0, m4},
        {6, "strong solution, absorber inlet", valve.T, P_low, X4, h5, valve.q, m4},
        {7, "water vapour, generator outlet", T4, P_high, 0.0, h7, 1.0, m7},
        {8, "water, condenser outlet", d.T_cond, P_high, 0.0, h8, 0.0, m7},
        {9, "water, evaporator inlet", evap.T, P_low, 0.0, h8, evap.q, m7},
        {10, "water vapour, evaporator outlet", evap.T, P_low, 0.0, h10, 1.0, m7},
    };
    const double Q_gen = m1 * (h_g - h3);
    const double Q_cond = m7 * (h7 - h8);
    const double Q_evap = m7 * (h10 - h8);
    const double Q_abs = m7 * h10 + m4 * h5 - m1 * h1;
    const double W_pump = m1 * (h2 - h1);
    const double libr = m1 * X1 - m4 * X4;
    const double water = m1 * (1.0 - X1) - m4 * (1.0 - X4) - m7;
    const double energy = Q_gen + Q_evap + W_pump - Q_abs - Q_cond;

    std::printf("Single-effect LiBr-water absorption chiller with a solution heat exchanger\n");
    std::printf(
        "evaporator %g \u00b0C, absorber %g \u00b0C, condenser %g \u00b0C, generator %g \u00b0C, "
        "heat-exchanger effectiveness %g, pump %g kg/s\n\n",
        d.T_evap, d.T_abs, d.T_cond, d.T_gen, d.effectiveness, d.m_pump);
    std::printf(
        "state                                    T [\u00b0C]  P [kPa]    X [-]   h [J/g]"
        "     q [-]  m [kg/s]\n");
    for (const Row& r : rows)
        std::printf("%2d  %-34s%9.3f%9.4f%9.5f%10.3f%10.6f%10.6f\n", r.number, r.name, r.T, r.P,
                    r.X, r.h, r.q, r.m);
    std::printf("\ngenerator   Q_gen  = %9.4f kW\n", Q_gen);
    std::printf("condenser   Q_cond = %9.4f kW\n", Q_cond);
    std::printf("evaporator  Q_evap = %9.4f kW\n", Q_evap);
    std::printf("absorber    Q_abs  = %9.4f kW\n", Q_abs);
    std::printf("solution heat exchanger  %9.4f kW,  pump %.4f W\n", Q_shx, W_pump * 1000);
    std::printf("COP = Q_evap / Q_gen = %.5f\n", Q_evap / Q_gen);
    std::printf("crystallisation margin at state 5: %.2f K\n\n", T5 - T_cryst);
    std::printf("balances (each should be zero):\n");
    std::printf("  %-8s%-42s%10.2e %s\n", "LiBr", "m1 X1 - m4 X4", libr, "kg/s");
    std::printf("  %-8s%-42s%10.2e %s\n", "water", "m1 (1 - X1) - m4 (1 - X4) - m7", water, "kg/s");
    std::printf("  %-8s%-42s%10.2e %s\n", "energy", "Q_gen + Q_evap + W_pump - Q_abs - Q_cond",
                energy, "kW");
    return true;
}

}  // namespace kxvhost
