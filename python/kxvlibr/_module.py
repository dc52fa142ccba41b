"""Python functions over the module's exports.

Each export becomes a function with a Python name and the export's inputs in
the export's order. What the module reports through the buffer, the mode
word and its flag values becomes an exception, a warning or NaN.
"""

import inspect
import math
import os
import sys
import textwrap
import warnings
from collections import namedtuple
from typing import NamedTuple, Optional, Tuple

import numpy as np

from ._host import QUERY_CALL, QUERY_INPUT_UNITS, QUERY_OUTPUT_UNITS, Answer, Library


class RangeWarning(UserWarning):
    """An input lies outside the range the module validates; the text is the
    module's message."""


class ConvergenceError(ArithmeticError):
    """An export returned one of its flag values in place of a result."""

    def __init__(self, message, export, inputs, flag):
        super().__init__(message)
        self.export = export
        self.inputs = inputs
        self.flag = flag


# Flag values and what each means.
FLAG_MEANINGS = {
    9999.0: "the equilibrium solve did not settle",
    999.0: "the reference-density iteration did not settle",
    -9999.0: "no crystallisation line at this mass fraction",
}

# The results of the procedures, named as in their calling sequences.
PartG = namedtuple("PartG", "g dgdx mu_w mu_s")
PartH = namedtuple("PartH", "h dhdx h_w h_s")
PartS = namedtuple("PartS", "s dsdx s_w s_s")
PartV = namedtuple("PartV", "v dvdx v_w v_s")
Flash = namedtuple("Flash", "q T x hl hv")


class Record(NamedTuple):
    name: str  # the Python name
    export: str  # the name in the module's export table
    params: Tuple[str, ...]  # inputs in calling order; a trailing "P?" is optional
    flag: Optional[float] = None  # the flag value a function may return
    result: Optional[type] = None  # the named tuple of a procedure
    summary: str = ""


RECORDS = (
    Record("mu_water", "LiBrKXVuw", ("Tc", "X", "P"), summary="Chemical potential of water."),
    Record("mu_salt", "LiBrKXVus", ("Tc", "X", "P"), summary="Chemical potential of LiBr."),
    Record("part_g", "LibrKXVpart_g", ("Tc", "X", "P"), result=PartG,
         summary="Gibbs free energy, its derivative per mass percent, and the chemical "
                 "potentials of water and LiBr."),
    Record("enthalpy", "LiBrKXVh", ("Tc", "X", "P?"), flag=9999.0,
         summary="Enthalpy of the solution; without P at its equilibrium pressure."),
    Record("part_h", "LibrKXVpart_h", ("Tc", "X", "P"), result=PartH,
         summary="Enthalpy, its derivative per mass percent, and the partial enthalpies."),
    Record("entropy", "LiBrKXVs", ("Tc", "X", "P?"), flag=9999.0,
         summary="Entropy of the solution; without P at its equilibrium pressure."),
    Record("part_s", "LibrKXVpart_s", ("Tc", "X", "P"), result=PartS,
         summary="Entropy, its derivative per mass percent, and the partial entropies."),
    Record("cp", "LiBrKXVCp", ("Tc", "X", "P?"), flag=9999.0,
         summary="Isobaric specific heat; without P at the equilibrium pressure."),
    Record("volume", "LiBrKXVv", ("Tc", "X"), summary="Specific volume of the solution."),
    Record("part_v", "LibrKXVpart_v", ("Tc", "X"), result=PartV,
         summary="Specific volume, its derivative per mass percent, and the partial volumes."),
    Record("p_sat", "LiBrKXVp", ("Tc", "X"), flag=9999.0,
         summary="Equilibrium (vapour) pressure of the solution."),
    Record("t_sat", "LiBrKXVT", ("P", "X"), flag=9999.0,
         summary="Equilibrium temperature of the solution at P."),
    Record("x_sat", "LiBrKXVX", ("Tc", "P"), flag=9999.0,
         summary="Equilibrium LiBr mass fraction at Tc and P."),
    Record("flash", "LiBrKXVflash", ("h", "P", "x_in"), flag=9999.0, result=Flash,
         summary="Adiabatic flash of a feed of enthalpy h and mass fraction x_in at P into "
                 "liquid and vapour: quality q, temperature T, liquid mass fraction x, "
                 "liquid and vapour enthalpies hl, hv (hv is NaN when no vapour forms)."),
    Record("conductivity", "LiBrKXVCond", ("Tc", "X"), summary="Thermal conductivity."),
    Record("viscosity", "LiBrKXVVisc", ("Tc", "X"), summary="Dynamic viscosity."),
    Record("refractive_index", "LiBrKXVRefIndex", ("Tc", "X"), summary="Refractive index."),
    Record("t_cryst", "LiBrKXVTCryst", ("X",), flag=-9999.0,
         summary="Crystallisation temperature (the solubility line)."),
    Record("activity_coefficient", "LiBrKXVActCoef", ("Tc", "X", "P"), flag=999.0,
         summary="Activity coefficient of LiBr against the 1 mol/l solution."),
)

NAME_LISTS = (
    ("function_names", "DLFNames", "The single-result functions the module lists."),
    ("procedure_names", "DLPNames", "The procedures the module lists."),
    ("fdl_names", "FDLNames", "The third name list (empty)."),
)

# A range message of a single-result function that ends the call: the
# module returns 0.0, which is no result.
_ENDING_RANGES = (": Input out of bounds: 0 <= X", ": Input out of bounds: X <= 80 % LiBr")


def _module_file():
    return "KXVLiBr.dll" if sys.platform == "win32" else "KXVLiBr.so"


def find_module(path=None):
    """The module's path: the argument, else KXVLIBR_MODULE, else the copy
    installed beside this package."""
    if path is not None:
        return os.fspath(path)
    env = os.environ.get("KXVLIBR_MODULE")
    if env:
        return env
    beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), _module_file())
    if os.path.exists(beside):
        return beside
    raise FileNotFoundError(
        "no KXVLiBr module: pass its path to kxvlibr.load(), set KXVLIBR_MODULE, or "
        "install the package with cmake --install (which puts the module beside it)"
    )


def _label(name, unit):
    return f"{name} [{unit}]"


class Module:
    """One loaded module, with every export as a method-like function."""

    def __init__(self, path=None):
        self.library = Library(find_module(path))
        self.path = self.library.path
        self.queries = {}
        for record in RECORDS:
            setattr(self, record.name, self._make_function(record))
        for name, export, doc in NAME_LISTS:
            setattr(self, name, self._make_name_list(name, export, doc))

    def __repr__(self):
        return f"<kxvlibr.Module {self.path!r}>"

    # ---- the protocol as it is -------------------------------------------

    def call_raw(self, export, inputs, outputs=None, mode=0) -> Answer:
        """Calls an export once, as a host does, and returns what the host
        finds: the result (or output values), the mode word and the text.
        outputs is the number of output nodes for a procedure, None for a
        single-result function."""
        return self.library.call(export, list(inputs), outputs, mode)

    def query(self, record):
        """The export's three query answers: calling sequence, input units,
        output units."""
        if record.export not in self.queries:
            outs = None if record.result is None else len(record.result._fields)
            self.queries[record.export] = tuple(
                self.library.call(record.export, [], outs, q).text
                for q in (QUERY_CALL, QUERY_INPUT_UNITS, QUERY_OUTPUT_UNITS)
            )
        return self.queries[record.export]

    # ---- the protocol's answers as Python's ---------------------------------

    def _evaluate(self, record, args, strict, stacklevel):
        outputs = None if record.result is None else len(record.result._fields)
        arrays = np.broadcast_arrays(*(np.asarray(a, dtype=float) for a in args))
        shape = arrays[0].shape if arrays else ()
        flat = [a.reshape(-1) for a in arrays]
        size = flat[0].size if flat else 1
        results = np.empty((outputs or 1, size))
        call = self.library.caller(record.export, len(args), outputs)
        messages = []
        try:
            for i in range(size):
                inputs = [float(f[i]) for f in flat]
                answer = call(inputs)
                values = answer.value if outputs else (answer.value,)
                results[:, i] = self._translate(record, inputs, answer, values, strict, messages)
        finally:
            for message in messages:
                warnings.warn(message, RangeWarning, stacklevel=stacklevel + 2)
        if shape == ():
            values = [float(r[0]) for r in results]
        else:
            values = [r.reshape(shape) for r in results]
        return record.result(*values) if outputs else values[0]

    def _translate(self, record, inputs, answer, values, strict, messages):
        text = answer.text
        procedure = record.result is not None
        if text.startswith("Error: "):
            raise ValueError(text)
        if text.startswith("Warning: "):
            if text not in messages:
                messages.append(text)
            if not procedure and text.endswith(_ENDING_RANGES):
                return (math.nan,)
        elif text or (procedure and answer.mode != 0):
            raise TypeError(text)  # a count message
        if record.flag is None:
            return values
        if procedure:
            q, T, x, hl, hv = values
            flagged = q == record.flag or T == record.flag
            if not flagged and q == 0.0 and hv == record.flag:
                return (q, T, x, hl, math.nan)  # no vapour formed
        else:
            flagged = values[0] == record.flag
        if not flagged:
            return values
        if strict:
            args = ", ".join(f"{v:g}" for v in inputs)
            raise ConvergenceError(
                f"{record.export}({args}) returned the flag {record.flag:g}: "
                f"{FLAG_MEANINGS[record.flag]}",
                record.export, tuple(inputs), record.flag)
        return (math.nan,) * len(values)

    def invoke(self, export, *inputs, strict=True):
        """Calls an export by its own name with any number of inputs,
        translating the answer like the named functions do (a count message
        raises TypeError)."""
        for record in RECORDS:
            if record.export == export:
                return self._evaluate(record, inputs, strict, stacklevel=1)
        raise KeyError(f"no export named {export!r}")

    # ---- building the functions ---------------------------------------------

    def _make_function(self, record):
        required = [p for p in record.params if not p.endswith("?")]
        optional = [p[:-1] for p in record.params if p.endswith("?")]
        module = self

        parameters = [inspect.Parameter(p, inspect.Parameter.POSITIONAL_OR_KEYWORD)
                      for p in required]
        parameters += [inspect.Parameter(p, inspect.Parameter.POSITIONAL_OR_KEYWORD,
                                         default=None) for p in optional]
        parameters.append(inspect.Parameter("strict", inspect.Parameter.KEYWORD_ONLY,
                                            default=True))
        signature = inspect.Signature(parameters)

        def bound(*args, **kwargs):
            ba = signature.bind(*args, **kwargs)
            ba.apply_defaults()
            values = [ba.arguments[p] for p in required]
            values += [ba.arguments[p] for p in optional if ba.arguments[p] is not None]
            return module._evaluate(record, values, ba.arguments["strict"], stacklevel=1)

        bound.__name__ = bound.__qualname__ = record.name
        bound.__signature__ = signature
        bound.__doc__ = self._docstring(record)
        bound.export = record.export
        return bound

    def _docstring(self, record):
        call_text, in_units, out_units = self.query(record)
        names = [p.rstrip("?") for p in record.params]
        units_in = in_units.split(",")
        inputs = ", ".join(_label(n, u) for n, u in zip(names, units_in))
        if record.result is not None:
            results = ", ".join(
                _label(n, u) for n, u in zip(record.result._fields, out_units.split(",")))
        else:
            results = out_units
        lines = [
            textwrap.fill(record.summary, 76),
            "",
            f"Export {record.export}, as the module describes it:",
            f"    calling sequence: {call_text}",
            f"    input units:      {in_units}",
            f"    output units:     {out_units}",
            "",
            f"Inputs:  {inputs} (C is degrees Celsius, - a mass fraction or ratio)",
            f"Returns: {results}"
            + (" as a named tuple" if record.result is not None else ""),
            "",
            "Inputs may be numbers or numpy arrays (broadcast; the result has their",
            "shape). An 'Error:' text raises ValueError; a 'Warning:' text issues",
            "kxvlibr.RangeWarning and the value is returned (NaN when the module",
            "refused to compute).",
        ]
        if record.flag is not None:
            lines += [
                f"The flag {record.flag:g} ({FLAG_MEANINGS[record.flag]}) raises",
                "kxvlibr.ConvergenceError, or gives NaN with strict=False.",
            ]
        return "\n".join(lines)

    def _make_name_list(self, name, export, doc):
        library = self.library

        def names():
            text = library.name_list(export)
            return text.split(",") if text else []

        names.__name__ = names.__qualname__ = name
        names.__doc__ = f"{doc}\n\nExport {export}: its comma-separated text, as a list."
        return names
