"""The two charts: the files, their axes, and curves that behave as the
physics says they must."""

import os
import xml.etree.ElementTree as ET

import matplotlib.pyplot as plt
import numpy as np
import pytest

from kxvlibr import charts


def _lines(fig):
    return {line.get_gid(): line for line in fig.axes[0].get_lines() if line.get_gid()}


@pytest.fixture(scope="module")
def duhring(lib):
    fig = charts.duhring(lib)
    yield fig
    plt.close(fig)


@pytest.fixture(scope="module")
def hx(lib):
    fig = charts.enthalpy_concentration(lib)
    yield fig
    plt.close(fig)


def test_write_makes_a_png_and_an_svg_of_each_chart(lib, tmp_path):
    paths = charts.write(tmp_path, lib)
    assert sorted(os.path.basename(p) for p in paths) == [
        "duhring.png", "duhring.svg", "enthalpy-concentration.png", "enthalpy-concentration.svg"]
    for path in paths:
        if path.endswith(".png"):
            with open(path, "rb") as f:
                assert f.read(8) == b"\x89PNG\r\n\x1a\n"
            assert os.path.getsize(path) > 30_000
        else:
            root = ET.parse(path).getroot()
            assert root.tag == "{http://www.w3.org/2000/svg}svg"


def test_the_command_writes_into_the_directory_given(module_path, tmp_path, capsys):
    assert charts.main(["--out", str(tmp_path / "out"), "--module", module_path]) == 0
    printed = capsys.readouterr().out.split()
    assert len(printed) == 4 and all(os.path.exists(p) for p in printed)


def test_duhring_axes(duhring):
    ax = duhring.axes[0]
    (right,) = ax.child_axes
    assert ax.get_yscale() == "log"
    assert ax.get_xlim() == charts.DUHRING_T and ax.get_ylim() == charts.DUHRING_P
    assert ax.get_xlabel() == "solution temperature [°C]"
    assert ax.get_ylabel() == "equilibrium pressure [kPa]"
    assert right.get_ylabel() == "saturation temperature of water [°C]"
    legend = [t.get_text() for t in ax.get_legend().get_texts()]
    assert legend[0] == "pure water (X = 0)"
    assert legend[1:-3] == [f"X = {x:.2f}" for x in charts.DUHRING_X[1:]]
    assert legend[-3:] == ["crystallisation line", "worked chiller: solution loop",
                           "evaporator, condenser"]


def test_duhring_lines_rise_with_temperature_and_fall_with_concentration(duhring):
    lines = _lines(duhring)
    at_120 = []
    for X in charts.DUHRING_X:
        T, P = (np.asarray(v) for v in lines[f"X={X:g}"].get_data())
        ok = np.isfinite(P)
        assert ok.sum() > 50 and (np.diff(P[ok]) > 0).all()
        at_120.append(P[T == 120.0][0])
    assert (np.diff(at_120) < 0).all()
    T, P = lines["X=0"].get_data()
    assert P[list(T).index(100.0)] == pytest.approx(100.721464, rel=1e-8)


def test_duhring_lines_stop_at_the_crystallisation_line(lib, duhring):
    lines = _lines(duhring)
    Tc, Pc = lines["crystallisation"].get_data()
    assert Tc.min() >= 0.0 and Tc.max() == pytest.approx(120.0, abs=0.01)
    T, P = lines["X=0.65"].get_data()
    first = T[np.isfinite(P)][0]
    assert first == pytest.approx(lib.t_cryst(0.65), abs=1.0)  # the 1 K grid


def test_enthalpy_concentration_axes(hx):
    ax = hx.axes[0]
    assert ax.get_xlim() == charts.HX_X
    lo, hi = ax.get_ylim()
    assert -50 < lo < 0 and 700 < hi < 900
    assert ax.get_xlabel() == "LiBr mass fraction X [kg/kg]"
    assert ax.get_ylabel() == "specific enthalpy of the solution h [J/g = kJ/kg]"
    assert [t.get_text() for t in ax.get_legend().get_texts()] == [
        "isotherms (liquid at 10 kPa)", "equilibrium at P [kPa]", "crystallisation line"]


def test_isotherms_and_equilibrium_lines_are_ordered(hx):
    lines = _lines(hx)
    at_half = [lines[f"T={T:g}"].get_ydata()[50] for T in charts.HX_T]  # X = 0.25
    assert (np.diff(at_half) > 0).all()
    at_half = [lines[f"P={P:g}"].get_ydata()[50] for P in charts.HX_P]
    assert (np.diff(at_half) > 0).all()
    # At X = 0 an equilibrium line is saturated liquid water: 191.81 kJ/kg at
    # 10 kPa in the steam tables (the model's water lies about 0.6 J/g lower).
    assert lines["P=10"].get_ydata()[0] == pytest.approx(191.81, abs=1.5)


def test_duhring_shows_the_worked_chiller_between_its_pressures(lib, duhring):
    from kxvlibr import chiller

    c = chiller.solve(lib)
    lines = _lines(duhring)
    T, P = lines["chiller"].get_data()
    assert sorted(set(P)) == [c.P_low, c.P_high]
    assert T[0] == 35.0 and T[2] == pytest.approx(85.0, abs=1e-8)
    T, P = lines["chiller water"].get_data()
    # the condenser and evaporator sit on the pure-water line
    assert T == pytest.approx([5.0, 40.0], abs=1e-6)
    assert P == pytest.approx(lib.p_sat(np.array([5.0, 40.0]), 0.0), rel=1e-12)
