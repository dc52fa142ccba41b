"""The worked chiller: its balances close, its numbers are the ones below,
and kxvhost chiller prints the same report."""

import os
import subprocess

import pytest

from kxvlibr import chiller

DESIGNS = [
    dict(),  # the design point: 5, 35, 40, 85 degC, effectiveness 0.7, 0.05 kg/s
    dict(T_gen=90.0),
    dict(T_gen=80.0, effectiveness=0.6),
    dict(T_evap=7.0, T_abs=32.0, T_cond=38.0, T_gen=88.0, effectiveness=0.8, m_pump=0.1),
]


def _design(overrides):
    return {**chiller.DESIGN, **overrides}


@pytest.fixture(scope="module", params=DESIGNS, ids=lambda d: ",".join(map(str, d.values())))
def design_and_cycle(request, lib):
    design = _design(request.param)
    return design, chiller.solve(lib, **design)


def test_every_component_balances_from_the_state_table(design_and_cycle):
    """Mass, LiBr and energy of each component, from the table's m, X and h
    alone (the duties as the cycle reports them)."""
    _, c = design_and_cycle
    s = {st.number: st for st in c.states}
    m = {k: v.m for k, v in s.items()}
    h = {k: v.h for k, v in s.items()}
    X = {k: v.X for k, v in s.items()}
    tol_m, tol_q = 1e-10, 1e-9  # kg/s, kW: the flash's tolerance and round-off
    # mass and LiBr: generator (3 -> 4 + 7) and absorber (6 + 10 -> 1)
    assert m[3] - m[4] - m[7] == pytest.approx(0, abs=tol_m)
    assert m[3] * X[3] - m[4] * X[4] == pytest.approx(0, abs=tol_m)
    assert m[6] + m[10] - m[1] == pytest.approx(0, abs=tol_m)
    assert m[6] * X[6] - m[1] * X[1] == pytest.approx(0, abs=tol_m)
    # energy, component by component
    balances = {
        "pump": m[1] * h[1] + c.W_pump - m[2] * h[2],
        "heat exchanger": m[2] * h[2] + m[4] * h[4] - m[3] * h[3] - m[5] * h[5],
        "generator": m[3] * h[3] + c.Q_gen - m[4] * h[4] - m[7] * h[7],
        "condenser": m[7] * h[7] - c.Q_cond - m[8] * h[8],
        "evaporator": m[9] * h[9] + c.Q_evap - m[10] * h[10],
        "absorber": m[6] * h[6] + m[10] * h[10] - c.Q_abs - m[1] * h[1],
        "solution valve": h[5] - h[6],
        "refrigerant valve": h[8] - h[9],
    }
    for component, residual in balances.items():
        assert residual == pytest.approx(0, abs=tol_q), component
    # and the three sums the report prints
    assert abs(c.libr_balance) < tol_m and abs(c.water_balance) < tol_m
    assert abs(c.energy_balance) < tol_q


def test_the_states_are_what_the_module_says_they_are(lib, design_and_cycle):
    d, c = design_and_cycle
    s = {st.number: st for st in c.states}
    # the absorber's outlet is in equilibrium at P_low; the generator's at P_high
    assert lib.p_sat(d["T_abs"], s[1].X) == pytest.approx(c.P_low, rel=1e-9)
    assert lib.p_sat(s[4].T, s[4].X) == pytest.approx(c.P_high, rel=1e-9)
    assert s[4].T == pytest.approx(d["T_gen"], abs=1e-8)
    assert s[4].h == pytest.approx(lib.enthalpy(s[4].T, s[4].X, c.P_high), abs=1e-6)
    # the refrigerant evaporates at the evaporator temperature
    assert s[9].T == pytest.approx(d["T_evap"], abs=1e-6)
    # liquid where the cycle needs liquid, and no crystals at the coldest strong solution
    assert s[3].q == 0.0 and 0.0 < s[9].q < 1.0
    assert c.crystallisation_margin > 5.0


def test_the_cop_is_physically_sane(design_and_cycle):
    d, c = design_and_cycle
    T = {k: d[k] + 273.15 for k in ("T_evap", "T_abs", "T_cond", "T_gen")}
    carnot = (1 - T["T_abs"] / T["T_gen"]) * T["T_evap"] / (T["T_cond"] - T["T_evap"])
    assert 0.6 < c.COP < 0.85 < carnot
    assert c.Q_gen > c.Q_evap > 0 and c.Q_abs > c.Q_cond > 0


# The design point, to the digits the report prints.
DESIGN_POINT = [
    ("P_low", 0.8638, 5e-5), ("P_high", 7.3967, 5e-5),
    ("Q_gen", 12.3681, 5e-5), ("Q_cond", 9.7617, 5e-5), ("Q_evap", 9.1731, 5e-5),
    ("Q_abs", 11.7797, 5e-5), ("Q_shx", 3.1146, 5e-5), ("COP", 0.74168, 5e-6),
    ("crystallisation_margin", 25.44, 5e-3),
]


@pytest.mark.parametrize("name, value, tol", DESIGN_POINT)
def test_the_design_point_numbers(lib, name, value, tol):
    assert getattr(chiller.solve(lib), name) == pytest.approx(value, abs=tol)


def test_the_design_point_water_side_matches_steam_tables(lib):
    # Per kilogram of refrigerant the evaporator takes in h_g(5 degC) - h_f(40 degC);
    # steam tables give 2510.07 - 167.53 = 2342.54 kJ/kg.
    s = {st.number: st for st in chiller.solve(lib).states}
    assert s[10].h - s[8].h == pytest.approx(2342.54, rel=2e-4)
    assert s[1].X == pytest.approx(0.55594, abs=5e-6) and s[4].X == pytest.approx(0.60318, abs=5e-6)
    assert s[7].m == pytest.approx(0.003916, abs=5e-7)


def _kxvhost(*args):
    env = dict(os.environ, KXVLIBR_MODULE=os.environ["KXVLIBR_MODULE"])
    return subprocess.run([os.environ["KXVLIBR_KXVHOST"], *args], env=env, capture_output=True,
                          check=False)


def _options(overrides):
    names = dict(T_evap="--evaporator", T_abs="--absorber", T_cond="--condenser",
                 T_gen="--generator", effectiveness="--effectiveness", m_pump="--pump")
    return [a for k, v in overrides.items() for a in (names[k], repr(v))]


@pytest.mark.parametrize("overrides", DESIGNS, ids=lambda d: ",".join(map(str, d.values())))
def test_kxvhost_chiller_prints_the_same_report(lib, overrides):
    design = _design(overrides)
    run = _kxvhost("chiller", *_options(overrides))
    assert run.returncode == 0, run.stderr
    assert run.stdout.decode("utf-8") == chiller.report(chiller.solve(lib, **design), **design)


def test_a_generator_too_cold_to_boil_is_refused(lib):
    message = ("the weak solution does not boil in the generator: at 7.3967 kPa it boils "
               "from 74.958 °C, above the generator's 60 °C")
    with pytest.raises(ValueError) as caught:
        chiller.solve(lib, T_gen=60.0)
    assert str(caught.value) == message
    run = _kxvhost("chiller", "--generator", "60")
    assert run.returncode == 1
    assert run.stderr.decode("utf-8") == f"kxvhost chiller: {message}\n"
