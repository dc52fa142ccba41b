"""The two charts engineers read LiBr-water from.

    python3 -m kxvlibr.charts [--out DIR] [--module PATH]

writes duhring.png/.svg, the equilibrium chart (equilibrium pressure on a
log axis against solution temperature, lines of constant mass fraction, the
pure-water line, the crystallisation line, and the worked chiller of
kxvlibr.chiller), and
enthalpy-concentration.png/.svg (enthalpy against mass fraction: isotherms
of the liquid, the equilibrium lines at a few pressures and the
crystallisation line). Every point comes from the module's exports.
"""

import argparse
import os
import warnings

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.ticker import FixedLocator, FuncFormatter, NullLocator  # noqa: E402

import kxvlibr  # noqa: E402
from kxvlibr import chiller  # noqa: E402

# The crystallisation line covers these mass fractions.
X_CRYST = (0.4846908, 0.7190951)

DUHRING_X = (0.0, 0.1, 0.2, 0.3, 0.4, 0.45, 0.5, 0.55, 0.6, 0.65, 0.7)
DUHRING_T = (0.0, 180.0)  # degC
DUHRING_P = (0.1, 200.0)  # kPa

HX_T = tuple(range(10, 190, 10))  # isotherms, degC
HX_P = (0.7, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0)  # equilibrium lines, kPa
HX_P_LIQUID = 10.0  # the isotherms' pressure; the liquid's enthalpy hardly depends on it
HX_X = (0.0, 0.7)
HX_LABEL_X = 0.47  # where the equilibrium lines carry their pressure


def _crystallisation(lib, n=80):
    """(X, T) along the crystallisation line, from 0 degC up."""
    X = np.linspace(X_CRYST[0], X_CRYST[1] - 1e-9, n)
    T = lib.t_cryst(X)
    return X[T >= 0.0], T[T >= 0.0]


def _above_crystallisation(lib, T, X):
    """True where a solution at T and X is not supersaturated."""
    X = np.broadcast_to(np.asarray(X, dtype=float), np.shape(T))
    inside = (X >= X_CRYST[0]) & (X <= X_CRYST[1])
    t_line = np.full(np.shape(T), -np.inf)
    if inside.any():
        t_line[inside] = lib.t_cryst(X[inside])
    return (T >= t_line) & (X <= X_CRYST[1])


def _chiller_cycle(lib, ax):
    """The worked chiller's solution loop between the two pressures, and its
    condenser and evaporator on the water line."""
    c = chiller.solve(lib)
    s = {st.number: st for st in c.states}
    boil = lib.t_sat(c.P_high, s[1].X)  # where the weak solution starts to boil
    T = [s[1].T, boil, s[4].T, s[6].T, s[1].T]
    P = [c.P_low, c.P_high, c.P_high, c.P_low, c.P_low]
    ax.plot(T, P, color="black", lw=1.6, marker="o", ms=4, gid="chiller",
            label="worked chiller: solution loop")
    ax.plot([s[10].T, s[8].T], [c.P_low, c.P_high], color="black", lw=0, marker="s", ms=5,
            gid="chiller water", label="evaporator, condenser")
    for number, t, p in ((1, s[1].T, c.P_low), (4, s[4].T, c.P_high), (6, s[6].T, c.P_low),
                         (8, s[8].T, c.P_high), (10, s[10].T, c.P_low)):
        ax.annotate(str(number), (t, p), xytext=(4, -11), textcoords="offset points",
                    fontsize=8)


def duhring(lib=None):
    """The equilibrium (Duehring) chart; returns the figure."""
    lib = lib or kxvlibr.load()
    fig, ax = plt.subplots(figsize=(9, 6.5), layout="constrained")
    T = np.linspace(*DUHRING_T, 181)
    colours = plt.cm.viridis(np.linspace(0, 0.9, len(DUHRING_X)))
    for X, colour in zip(DUHRING_X, colours):
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", kxvlibr.RangeWarning)
            P = lib.p_sat(T, X, strict=False)
        P = np.where(_above_crystallisation(lib, T, X), P, np.nan)
        if X == 0.0:
            ax.plot(T, P, color="tab:blue", lw=2.2, label="pure water (X = 0)", gid=f"X={X:g}")
        else:
            ax.plot(T, P, color=colour, lw=1.2, label=f"X = {X:.2f}", gid=f"X={X:g}")
    Xc, Tc = _crystallisation(lib)
    ax.plot(Tc, lib.p_sat(Tc, Xc), color="tab:red", lw=2.2, ls="--",
            label="crystallisation line", gid="crystallisation")
    _chiller_cycle(lib, ax)
    ax.set_yscale("log")
    ax.set_xlim(*DUHRING_T)
    ax.set_ylim(*DUHRING_P)
    ax.set_xlabel("solution temperature [°C]")
    ax.set_ylabel("equilibrium pressure [kPa]")
    ax.set_title("LiBr–water: equilibrium (Dühring) chart\n"
                 "lines of constant LiBr mass fraction X [kg/kg]")
    ax.grid(True, which="major", alpha=0.5)
    ax.grid(True, which="minor", alpha=0.15)

    # The right axis: the temperature at which pure water has that pressure.
    water_T = np.linspace(-20.0, 200.0, 441)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", kxvlibr.RangeWarning)
        water_lnP = np.log(lib.p_sat(water_T, 0.0))
    right = ax.secondary_yaxis(
        "right",
        functions=(lambda p: np.interp(np.log(np.maximum(p, 1e-30)), water_lnP, water_T),
                   lambda t: np.exp(np.interp(t, water_T, water_lnP))))
    right.set_ylabel("saturation temperature of water [°C]")
    right.yaxis.set_major_locator(FixedLocator([0, 5, 10, 20, 30, 40, 50, 60, 80, 100, 120]))
    right.yaxis.set_major_formatter(FuncFormatter(lambda t, _: f"{t:g}"))
    right.yaxis.set_minor_locator(NullLocator())
    ax.legend(loc="upper left", fontsize=9, ncol=2)
    return fig


def enthalpy_concentration(lib=None):
    """The enthalpy-concentration chart; returns the figure."""
    lib = lib or kxvlibr.load()
    fig, ax = plt.subplots(figsize=(9, 6.5), layout="constrained")
    X = np.linspace(*HX_X, 141)
    colours = plt.cm.plasma(np.linspace(0, 0.85, len(HX_T)))
    for T, colour in zip(HX_T, colours):
        h = lib.enthalpy(T, X, HX_P_LIQUID)
        h = np.where(_above_crystallisation(lib, np.full_like(X, T), X), h, np.nan)
        ax.plot(X, h, color=colour, lw=1.1, gid=f"T={T:g}")
        ax.annotate(f"{T} °C", (X[1], h[1]), xytext=(2, 2), textcoords="offset points",
                    fontsize=7, va="bottom", color=colour)
    ax.plot([], [], color="grey", lw=1.1, label=f"isotherms (liquid at {HX_P_LIQUID:g} kPa)")
    for i, P in enumerate(HX_P):
        T = lib.t_sat(P, X)
        h = lib.enthalpy(T, X, P)
        h = np.where(_above_crystallisation(lib, T, X), h, np.nan)
        ax.plot(X, h, color="black", lw=1.0, ls=(0, (5, 3)), gid=f"P={P:g}",
                label="equilibrium at P [kPa]" if i == 0 else None)
        k = np.searchsorted(X, HX_LABEL_X)
        ax.annotate(f"{P:g} kPa", (X[k], h[k]), ha="center", va="center", fontsize=7,
                    bbox=dict(boxstyle="round,pad=0.15", fc="white", ec="none"))
    Xc, Tc = _crystallisation(lib)
    ax.plot(Xc, lib.enthalpy(Tc, Xc, HX_P_LIQUID), color="tab:red", lw=2.2, ls="--",
            label="crystallisation line", gid="crystallisation")
    ax.set_xlim(*HX_X)
    ax.set_xlabel("LiBr mass fraction X [kg/kg]")
    ax.set_ylabel("specific enthalpy of the solution h [J/g = kJ/kg]")
    ax.set_title("LiBr–water: enthalpy–concentration chart")
    ax.grid(True, alpha=0.4)
    ax.legend(loc="upper right", fontsize=9)
    return fig


CHARTS = {"duhring": duhring, "enthalpy-concentration": enthalpy_concentration}


def write(out_dir, lib=None):
    """Writes every chart as PNG and SVG into out_dir; returns the paths."""
    os.makedirs(out_dir, exist_ok=True)
    paths = []
    for name, draw in CHARTS.items():
        fig = draw(lib)
        for ext, extra in (("png", dict(dpi=110)), ("svg", dict(metadata={"Date": None}))):
            path = os.path.join(out_dir, f"{name}.{ext}")
            fig.savefig(path, **extra)
            paths.append(path)
        plt.close(fig)
    return paths


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m kxvlibr.charts",
                                     description="Writes the LiBr-water charts.")
    parser.add_argument("--out", default=".", help="directory for the files (default: here)")
    parser.add_argument("--module", help="path of the KXVLiBr module")
    a = parser.parse_args(argv)
    for path in write(a.out, kxvlibr.load(a.module)):
        print(path)
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
