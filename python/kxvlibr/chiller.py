"""A single-effect LiBr-water absorption chiller with a solution heat exchanger.

    python3 -m kxvlibr.chiller [--evaporator 5] [--absorber 35] [--condenser 40]
                               [--generator 85] [--effectiveness 0.7] [--pump 0.05]

Every state comes from the module's exports (through kxvlibr, that is through
the host protocol). Water is the solution with X = 0. The states:

  1  weak solution leaving the absorber: saturated at the absorber temperature
     and the low pressure; X1 = x_sat(T_abs, P_low), h1 = enthalpy(T_abs, X1, P_low)
  2  after the pump: h2 = h1 + v1 (P_high - P_low), v1 = volume(T_abs, X1);
     T2 from flash(h2, P_high, X1), which finds the liquid at that enthalpy
  3  weak solution leaving the solution heat exchanger: h3 from its energy
     balance, T3 from flash(h3, P_high, X1) (q = 0: it does not boil there)
  4  strong solution leaving the generator, and
  7  the water vapour leaving it: the weak solution heated to the feed
     enthalpy h_g flashes at P_high into liquid and vapour at a common
     temperature; h_g is found so that this temperature is the generator
     temperature. The flash gives the quality q (vapour per weak solution),
     T4 = T7, X4 and h4 (the liquid) and h7 (the vapour)
  5  strong solution leaving the heat exchanger: T5 = T4 - eff (T4 - T2) (the
     strong stream has the smaller heat-capacity rate), h5 = enthalpy(T5, X4, P_high)
  6  after the solution valve: flash(h5, P_low, X4); a little water flashes
     off when T5 lies above the solution's equilibrium temperature at P_low
  8  condensate: saturated liquid water at the condenser temperature,
     h8 = enthalpy(T_cond, 0, P_high)
  9  after the refrigerant valve: flash(h8, P_low, 0)
 10  vapour leaving the evaporator: saturated at P_low, the vapour of that flash

Pressures: P_low = p_sat(T_evap, 0), P_high = p_sat(T_cond, 0). Flows: the
pump moves m1 of weak solution, m7 = q m1 of water goes round the refrigerant
loop, m4 = m1 - m7 of strong solution returns. Units: degC, kPa, kg/kg, J/g
(= kJ/kg), kg/s and kW.
"""

import argparse
import sys
from typing import List, NamedTuple

import kxvlibr


class State(NamedTuple):
    number: int
    name: str
    T: float  # degC
    P: float  # kPa
    X: float  # LiBr mass fraction of the stream (0 for water)
    h: float  # J/g
    q: float  # vapour mass fraction of the stream
    m: float  # kg/s


class Cycle(NamedTuple):
    states: List[State]
    P_low: float
    P_high: float
    Q_gen: float  # kW, heat into the generator
    Q_cond: float  # kW, heat out of the condenser
    Q_evap: float  # kW, cooling: heat into the evaporator
    Q_abs: float  # kW, heat out of the absorber
    Q_shx: float  # kW, heat passed in the solution heat exchanger
    W_pump: float  # kW
    COP: float  # Q_evap / Q_gen
    libr_balance: float  # kg/s, m1 X1 - m4 X4
    water_balance: float  # kg/s, m1 (1 - X1) - m4 (1 - X4) - m7
    energy_balance: float  # kW, Q_gen + Q_evap + W_pump - Q_abs - Q_cond
    crystallisation_margin: float  # K, T5 above the crystallisation line at X4


DESIGN = dict(T_evap=5.0, T_abs=35.0, T_cond=40.0, T_gen=85.0, effectiveness=0.7, m_pump=0.05)

# The generator feed enthalpy: stop when the flash temperature is this close
# to the generator temperature.
T_TOLERANCE = 1e-9
MAX_STEPS = 50


def generator_feed(lib, P_high, X1, T_gen):
    """The enthalpy of the weak solution whose flash at P_high ends at T_gen,
    by secant steps from two feeds that already boil."""
    h_boil = lib.enthalpy(lib.t_sat(P_high, X1), X1, P_high)
    h_a = h_boil + 50.0
    h_b = h_boil + 150.0
    T_a = lib.flash(h_a, P_high, X1).T
    T_b = lib.flash(h_b, P_high, X1).T
    for _ in range(MAX_STEPS):
        if abs(T_b - T_gen) < T_TOLERANCE or T_b == T_a:
            break
        h_c = h_b - (T_b - T_gen) * (h_b - h_a) / (T_b - T_a)
        h_a, T_a = h_b, T_b
        h_b = h_c
        T_b = lib.flash(h_b, P_high, X1).T
    return h_b


def solve(lib=None, T_evap=5.0, T_abs=35.0, T_cond=40.0, T_gen=85.0, effectiveness=0.7,
          m_pump=0.05):
    lib = lib or kxvlibr.load()
    P_low = lib.p_sat(T_evap, 0.0)
    P_high = lib.p_sat(T_cond, 0.0)
    m1 = m_pump

    # 1, 2: the weak solution, saturated in the absorber, then pumped.
    X1 = lib.x_sat(T_abs, P_low)
    h1 = lib.enthalpy(T_abs, X1, P_low)
    h2 = h1 + lib.volume(T_abs, X1) * (P_high - P_low)
    T2 = lib.flash(h2, P_high, X1).T

    # 4, 7: the generator's outlet, a flash of the heated weak solution.
    T_boil = lib.t_sat(P_high, X1)
    if not T_gen > T_boil:
        raise ValueError(f"the weak solution does not boil in the generator: at {P_high:.4f} kPa "
                         f"it boils from {T_boil:.3f} °C, above the generator's {T_gen:g} °C")
    h_g = generator_feed(lib, P_high, X1, T_gen)
    gen = lib.flash(h_g, P_high, X1)
    m7 = gen.q * m1
    m4 = m1 - m7
    T4, X4, h4, h7 = gen.T, gen.x, gen.hl, gen.hv

    # 5, 3: the solution heat exchanger.
    T5 = T4 - effectiveness * (T4 - T2)
    h5 = lib.enthalpy(T5, X4, P_high)
    Q_shx = m4 * (h4 - h5)
    h3 = h2 + Q_shx / m1
    shx = lib.flash(h3, P_high, X1)

    # 6: the strong solution throttled to the absorber.
    valve = lib.flash(h5, P_low, X4)

    # 8, 9, 10: the refrigerant loop.
    h8 = lib.enthalpy(T_cond, 0.0, P_high)
    evap = lib.flash(h8, P_low, 0.0)
    h10 = evap.hv

    states = [
        State(1, "weak solution, absorber outlet", T_abs, P_low, X1, h1, 0.0, m1),
        State(2, "weak solution, pump outlet", T2, P_high, X1, h2, 0.0, m1),
        State(3, "weak solution, generator inlet", shx.T, P_high, X1, h3, shx.q, m1),
        State(4, "strong solution, generator outlet", T4, P_high, X4, h4, 0.0, m4),
        State(5, "strong solution, valve inlet", T5, P_high, X4, h5, 0.0, m4),
        State(6, "strong solution, absorber inlet", valve.T, P_low, X4, h5, valve.q, m4),
        State(7, "water vapour, generator outlet", T4, P_high, 0.0, h7, 1.0, m7),
        State(8, "water, condenser outlet", T_cond, P_high, 0.0, h8, 0.0, m7),
        State(9, "water, evaporator inlet", evap.T, P_low, 0.0, h8, evap.q, m7),
        State(10, "water vapour, evaporator outlet", evap.T, P_low, 0.0, h10, 1.0, m7),
    ]

    Q_gen = m1 * (h_g - h3)
    Q_cond = m7 * (h7 - h8)
    Q_evap = m7 * (h10 - h8)
    Q_abs = m7 * h10 + m4 * h5 - m1 * h1
    W_pump = m1 * (h2 - h1)
    return Cycle(
        states=states, P_low=P_low, P_high=P_high,
        Q_gen=Q_gen, Q_cond=Q_cond, Q_evap=Q_evap, Q_abs=Q_abs, Q_shx=Q_shx, W_pump=W_pump,
        COP=Q_evap / Q_gen,
        libr_balance=m1 * X1 - m4 * X4,
        water_balance=m1 * (1.0 - X1) - m4 * (1.0 - X4) - m7,
        energy_balance=Q_gen + Q_evap + W_pump - Q_abs - Q_cond,
        crystallisation_margin=T5 - lib.t_cryst(X4),
    )


HEADER = ("state                                    T [°C]  P [kPa]    X [-]   h [J/g]"
          "     q [-]  m [kg/s]")


def report(cycle, T_evap, T_abs, T_cond, T_gen, effectiveness, m_pump):
    """The text kxvhost chiller prints too."""
    lines = [
        "Single-effect LiBr-water absorption chiller with a solution heat exchanger",
        f"evaporator {T_evap:g} °C, absorber {T_abs:g} °C, condenser {T_cond:g} °C, "
        f"generator {T_gen:g} °C, heat-exchanger effectiveness {effectiveness:g}, "
        f"pump {m_pump:g} kg/s",
        "",
        HEADER,
    ]
    for s in cycle.states:
        lines.append(f"{s.number:>2}  {s.name:<34}{s.T:>9.3f}{s.P:>9.4f}{s.X:>9.5f}"
                     f"{s.h:>10.3f}{s.q:>10.6f}{s.m:>10.6f}")
    lines += [
        "",
        f"generator   Q_gen  = {cycle.Q_gen:9.4f} kW",
        f"condenser   Q_cond = {cycle.Q_cond:9.4f} kW",
        f"evaporator  Q_evap = {cycle.Q_evap:9.4f} kW",
        f"absorber    Q_abs  = {cycle.Q_abs:9.4f} kW",
        f"solution heat exchanger  {cycle.Q_shx:9.4f} kW,  pump {cycle.W_pump * 1000:.4f} W",
        f"COP = Q_evap / Q_gen = {cycle.COP:.5f}",
        f"crystallisation margin at state 5: {cycle.crystallisation_margin:.2f} K",
        "",
        "balances (each should be zero):",
    ]
    for what, sum_, value, unit in (
        ("LiBr", "m1 X1 - m4 X4", cycle.libr_balance, "kg/s"),
        ("water", "m1 (1 - X1) - m4 (1 - X4) - m7", cycle.water_balance, "kg/s"),
        ("energy", "Q_gen + Q_evap + W_pump - Q_abs - Q_cond", cycle.energy_balance, "kW"),
    ):
        lines.append(f"  {what:<8}{sum_:<42}{value:10.2e} {unit}")
    return "\n".join(lines) + "\n"


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m kxvlibr.chiller",
                                     description="A single-effect LiBr-water chiller.")
    parser.add_argument("--module", help="path of the KXVLiBr module")
    parser.add_argument("--evaporator", type=float, default=DESIGN["T_evap"], help="°C")
    parser.add_argument("--absorber", type=float, default=DESIGN["T_abs"], help="°C")
    parser.add_argument("--condenser", type=float, default=DESIGN["T_cond"], help="°C")
    parser.add_argument("--generator", type=float, default=DESIGN["T_gen"], help="°C")
    parser.add_argument("--effectiveness", type=float, default=DESIGN["effectiveness"])
    parser.add_argument("--pump", type=float, default=DESIGN["m_pump"], help="kg/s")
    a = parser.parse_args(argv)
    inputs = dict(T_evap=a.evaporator, T_abs=a.absorber, T_cond=a.condenser, T_gen=a.generator,
                  effectiveness=a.effectiveness, m_pump=a.pump)
    lib = kxvlibr.load(a.module)
    try:
        cycle = solve(lib, **inputs)
    except (ValueError, kxvlibr.ConvergenceError) as e:
        print(f"{parser.prog}: {e}", file=sys.stderr)
        return 1
    sys.stdout.write(report(cycle, **inputs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
