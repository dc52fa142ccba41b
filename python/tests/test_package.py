"""The Python package as its user sees it: values, arrays, and each of the
module's error, warning, flag and count paths."""

import inspect
import math
import os
import re
import subprocess
import sys
import warnings

import numpy as np
import pytest

import kxvlibr

# Reference values (quoted digits) for scalar calls of every kind of export.
REFERENCE = [
    ("mu_water", (50, 0.5, 10), -207.6428305, 1e-9),
    ("enthalpy", (50, 0.5), 107.2994606, 1e-9),
    ("p_sat", (40, 0.5), 2.00539037, 1e-8),
    ("p_sat", (100, 0.6), 14.6580811, 1e-8),
    ("t_sat", (2, 0.5), 39.9528890, 1e-8),
    ("x_sat", (40, 2), 0.500318993, 1e-8),
    ("t_cryst", (0.6,), 23.0888345, 1e-8),
    ("activity_coefficient", (25, 0.5, 10), 40.2843221, 1e-8),
]


@pytest.mark.parametrize("name, args, expected, rel", REFERENCE)
def test_scalar_calls_give_the_reference_values(lib, name, args, expected, rel):
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        value = getattr(lib, name)(*args)
    assert isinstance(value, float)
    assert value == pytest.approx(expected, rel=rel)


FLASHES = [
    ((200, 5, 0.5), (0.0283499503, 59.3725235, 0.514588560, 129.646273, 2611.26355)),
    ((200, 5, 0.0), (0.0260366826, 32.8271227, 0.0, 136.893903, 2560.63190)),
    ((100, 5, 0.5), (0.0, 46.6711712, 0.5, 100.0, math.nan)),  # liquid only: no vapour
]


@pytest.mark.parametrize("feed, expected", FLASHES)
def test_flash_returns_a_named_state(lib, feed, expected):
    state = lib.flash(*feed)
    assert isinstance(state, kxvlibr.Flash)
    assert state == pytest.approx(expected, rel=1e-8, abs=1e-12, nan_ok=True)


def test_an_optional_pressure_may_be_left_out_or_given_as_none(lib):
    assert lib.enthalpy(50, 0.5, None) == lib.enthalpy(50, 0.5) == lib.enthalpy(Tc=50, X=0.5)
    assert lib.enthalpy(50, 0.5, P=10) == lib.call_raw("LiBrKXVh", [50, 0.5, 10]).value
    with pytest.raises(TypeError):
        lib.enthalpy(50)


def test_the_module_level_functions_use_kxvlibr_module(module_path):
    assert os.path.samefile(kxvlibr.load().path, module_path)
    assert kxvlibr.enthalpy(50, 0.5) == pytest.approx(107.2994606, rel=1e-9)
    assert kxvlibr.enthalpy is not None and "enthalpy" in dir(kxvlibr)


# Array calls broadcast and agree element by element with scalar calls.
ARRAYS = [
    ("enthalpy", (np.array([[30.0], [50.0], [70.0]]), np.array([0.4, 0.5, 0.6, 0.65]))),
    ("enthalpy", (50.0, [0.4, 0.5], np.array([5.0, 100.0])[:, None])),
    ("p_sat", ([20.0, 60.0, 100.0], 0.55)),
    ("t_cryst", (np.linspace(0.5, 0.7, 5),)),
    ("part_h", (np.array([30.0, 60.0]), 0.5, np.array([[1.0], [10.0]]))),
    ("flash", (np.array([100.0, 200.0, 300.0]), 5, 0.5)),
]


@pytest.mark.parametrize("name, args", ARRAYS)
def test_array_calls_broadcast_to_the_scalar_results(lib, name, args):
    fn = getattr(lib, name)
    result = fn(*args)
    arrays = np.broadcast_arrays(*(np.asarray(a, dtype=float) for a in args))
    shape = arrays[0].shape
    fields = result if isinstance(result, tuple) else (result,)
    for field in fields:
        assert isinstance(field, np.ndarray) and field.shape == shape
    for index in np.ndindex(shape):
        scalar = fn(*(float(a[index]) for a in arrays))
        scalar = scalar if isinstance(scalar, tuple) else (scalar,)
        got = tuple(f[index] for f in fields)
        np.testing.assert_array_equal(got, scalar)


# "Error:" texts raise ValueError with the module's message.
ERRORS = [
    ("enthalpy", (50, -0.1), "Error: LiBrKXVh: Input out of bounds: 0 <= X"),
    ("p_sat", ([40, 40], [0.5, -0.2]), "Error: LiBrKXVp: Input out of bounds: 0 <= X"),
    ("part_g", (50, -0.1, 10), "Error: LiBrKXVpart_g: Input out of bounds: 0 <= X"),
    ("flash", (200, 5, -0.1), "Error: LiBrKXVflash: Input out of bounds: 0 <= X"),
]


@pytest.mark.parametrize("name, args, message", ERRORS)
def test_an_error_text_raises_value_error(lib, name, args, message):
    with pytest.raises(ValueError) as caught:
        getattr(lib, name)(*args)
    assert str(caught.value) == message


# "Warning:" texts issue RangeWarning; the value comes back, or NaN where the
# module refused to compute (a single-result function above X = 0.8).
WARNINGS = [
    ("mu_water", (301, 0.5, 10), "Warning: LiBrKXVuw: Input out of bounds: 0 < Tc < 300°C",
     "computed"),
    ("mu_water", (301, 0.5, 600), "Warning: LiBrKXVuw: Input out of bounds: 0 < P < 500 kPa",
     "computed"),
    ("p_sat", (350, 0.5), "Warning: LiBrKXVp: Input out of bounds: 0 < Tc < 300°C", 7930.1985),
    ("p_sat", (40, 0.9), "Warning: LiBrKXVp: Input out of bounds: X <= 80 % LiBr", "nan"),
    ("part_g", (50, 0.85, 10), "Warning: LiBrKXVpart_g: Input out of bounds: X <= 80 % LiBr",
     "computed"),
    ("flash", (200, 600, 0.5), "Warning: LiBrKXVflash: Input out of bounds: 0 < P < 500 kPa",
     (0.0, 91.6361278, 0.5, 200.0, math.nan)),
    ("viscosity", (25, 0.85), "Warning: LiBrKXVVisc: Input out of bounds: 0 < X < 80 % LiBr",
     "computed"),
]


@pytest.mark.parametrize("name, args, message, value", WARNINGS)
def test_a_warning_text_issues_a_range_warning(lib, name, args, message, value):
    with pytest.warns(kxvlibr.RangeWarning) as record:
        result = getattr(lib, name)(*args)
    assert [str(w.message) for w in record] == [message]
    assert record[0].filename == __file__  # the warning points at the caller's line
    if value == "nan":
        assert math.isnan(result)
    elif value == "computed":
        # what the module returned through the protocol
        record = next(s for s in kxvlibr.RECORDS if s.name == name)
        outputs = None if record.result is None else len(record.result._fields)
        raw = lib.call_raw(record.export, args, outputs).value
        raw = raw if isinstance(raw, tuple) else (raw,)
        got = result if isinstance(result, tuple) else (result,)
        np.testing.assert_array_equal([v for v in got], [v for v in raw])
    else:
        assert result == pytest.approx(value, rel=1e-8, nan_ok=True)


def test_an_array_warns_once_per_message(lib):
    with pytest.warns(kxvlibr.RangeWarning) as record:
        values = lib.p_sat([350, 360, 40, 370], [0.5, 0.5, 0.5, 0.9])
    assert sorted(str(w.message) for w in record) == [
        "Warning: LiBrKXVp: Input out of bounds: 0 < Tc < 300°C",
        "Warning: LiBrKXVp: Input out of bounds: X <= 80 % LiBr",
    ]
    assert np.isfinite(values[:3]).all() and math.isnan(values[3])


# Flag values raise ConvergenceError, or give NaN with strict=False.
FLAGS = [
    ("x_sat", (40, 20), 9999.0, None),  # above the pure-water pressure
    ("x_sat", (140, 0.1), 9999.0, None),  # the only root lies above X = 1
    # Near 0.611 kPa the pressure solve finds no root; the saturated
    # properties, which need that pressure, pass the flag on.
    ("p_sat", (1, 0.11), 9999.0, None),
    ("enthalpy", (1, 0.11), 9999.0, None),
    ("entropy", (1, 0.11), 9999.0, None),
    ("cp", (1, 0.11), 9999.0, None),
    ("t_sat", (-1, 0.5), 9999.0, "Warning: LiBrKXVT: Input out of bounds: 0 < P < 500 kPa"),
    ("flash", (1500, 5, 0.5), 9999.0, None),  # the quality search does not settle
    ("flash", (2000, 5, 0.5), 9999.0, None),  # it diverges: T is the flag
    ("activity_coefficient", (1400, 0.5, 10), 999.0, None),
    ("t_cryst", (0.3,), -9999.0,
     "Warning: LiBrKXVTCryst: Input out of bounds: 48.46908 < X < 71.90951 % LiBr"),
]


@pytest.mark.parametrize("name, args, flag, warning", FLAGS)
def test_a_flag_raises_convergence_error_or_gives_nan(lib, name, args, flag, warning):
    fn = getattr(lib, name)
    for strict in (True, False):
        with warnings.catch_warnings(record=True) as record:
            warnings.simplefilter("always")
            if strict:
                with pytest.raises(kxvlibr.ConvergenceError) as caught:
                    fn(*args)
                assert caught.value.flag == flag and caught.value.inputs == args
                assert f"returned the flag {flag:g}" in str(caught.value)
            else:
                result = fn(*args, strict=False)
                assert np.isnan(result).all()
        assert [str(w.message) for w in record] == ([warning] if warning else [])


def test_strict_false_leaves_the_settled_elements_of_an_array(lib):
    values = lib.x_sat(40, [2.0, 20.0, 5.0], strict=False)
    assert math.isnan(values[1])
    assert values[0] == pytest.approx(0.500318993, rel=1e-8)
    assert values[2] == lib.x_sat(40, 5.0)


# Count messages (reachable by calling an export by name) raise TypeError.
COUNTS = [
    ("LiBrKXVuw", (50, 0.5), "LiBrKXVuw expects three inputs"),
    ("LiBrKXVTCryst", (0.5, 1), "LiBrKXVTCryst expects one input"),
    ("LibrKXVpart_g", (1, 2), "LiBrKXVpart_g expects three inputs"),
    ("LiBrKXVh", (), "LiBrKXVh expects two or three inputs"),
]


@pytest.mark.parametrize("export, args, message", COUNTS)
def test_a_count_message_raises_type_error(lib, export, args, message):
    with pytest.raises(TypeError) as caught:
        lib.invoke(export, *args)
    assert str(caught.value) == message


def test_the_raw_protocol_shows_the_mode_word(lib):
    assert lib.call_raw("LibrKXVpart_g", [50, 0.5, 10], outputs=3) == (
        (0.0, 0.0, 0.0), 2, "LiBrKXVpart_g requires 4 outputs")
    answer = lib.call_raw("LiBrKXVh", [50, 0.9])
    assert answer == (0.0, -5, "Warning: LiBrKXVh: Input out of bounds: X <= 80 % LiBr")
    assert lib.call_raw("LiBrKXVh", [], mode=-1).text == (
        "h = LiBrKXVh(Tc,X,P) or h_sat = LiBrKXVh(Tc,X) ")


@pytest.mark.parametrize("record", kxvlibr.RECORDS, ids=lambda s: s.name)
def test_help_shows_the_query_answers(lib, record):
    fn = getattr(lib, record.name)
    outputs = None if record.result is None else len(record.result._fields)
    call_text, in_units, out_units = (
        lib.call_raw(record.export, [], outputs, mode).text for mode in (-1, -2, -3))
    doc = inspect.getdoc(fn)
    for line in (f"calling sequence: {call_text}", f"input units:      {in_units}",
                 f"output units:     {out_units}"):
        assert line.rstrip() in doc
    # The Python inputs are the export's inputs, in its order.
    params = [p for p in inspect.signature(fn).parameters if p != "strict"]
    assert len(params) == len(in_units.split(","))
    if record.result is not None:
        names = re.search(r" : (.*)\)", call_text).group(1).split(", ")
        assert list(record.result._fields) == names


def test_every_export_has_a_python_function(lib):
    listed = lib.function_names() + lib.procedure_names()
    assert len(listed) == 18 and lib.fdl_names() == []
    exports = {s.export for s in kxvlibr.RECORDS}
    assert set(listed) | {"LiBrKXVActCoef"} == exports


def _python(code, env_extra, cwd, drop=("KXVLIBR_MODULE",)):
    env = {k: v for k, v in os.environ.items() if k not in drop}
    env.update(env_extra)
    env["PYTHONDONTWRITEBYTECODE"] = "1"
    return subprocess.run([sys.executable, "-c", code], env=env, cwd=cwd, capture_output=True,
                          text=True, check=False)


def test_the_installed_package_loads_the_module_beside_it(stage):
    site = os.path.join(stage, "lib", "python3", "dist-packages")
    run = _python("import kxvlibr; print(kxvlibr.load().path); print(kxvlibr.enthalpy(50, 0.5))",
                  {"PYTHONPATH": site}, cwd=stage)
    assert run.returncode == 0, run.stderr
    path, value = run.stdout.split()
    assert os.path.samefile(path, os.path.join(site, "kxvlibr", "KXVLiBr.so"))
    assert float(value) == pytest.approx(107.2994606, rel=1e-9)


def test_without_a_module_loading_says_where_to_put_one(tmp_path):
    source = os.path.join(os.path.dirname(__file__), os.pardir)
    run = _python("import kxvlibr; kxvlibr.enthalpy(50, 0.5)", {"PYTHONPATH": source},
                  cwd=tmp_path)
    assert run.returncode == 1
    assert "FileNotFoundError: no KXVLiBr module: pass its path to kxvlibr.load()" in run.stderr
    with pytest.raises(OSError):
        kxvlibr.load(tmp_path / "KXVLiBr.so")
