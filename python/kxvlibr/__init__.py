"""kxvlibr: properties of aqueous lithium bromide solutions from Python.

Pure Python over ctypes: the package loads the KXVLiBr module and calls its
exports the way an equation-solving host does, with a text buffer, a mode
word and linked lists of values.

    import kxvlibr
    kxvlibr.enthalpy(50, 0.5)            # J/g, at the equilibrium pressure
    kxvlibr.p_sat([30, 40, 50], 0.55)    # kPa, one per temperature
    kxvlibr.flash(200, 5, 0.5).q         # vapour quality of a flash

The module-level functions use the module found by kxvlibr.load(): the path
in KXVLIBR_MODULE, else the copy installed beside this package. Another
module: m = kxvlibr.load("path/to/KXVLiBr.so"), then m.enthalpy(...).

Units: Tc in degrees Celsius, X the LiBr mass fraction, P in kPa; enthalpy
and chemical potentials in J/g, entropy and heat capacity in J/g-K, volume
in m^3/kg. help() on each function shows the export's calling sequence and
units as the module answers them.

What the module reports becomes Python's: an "Error:" text raises
ValueError, a "Warning:" text issues kxvlibr.RangeWarning, a flag value
(9999.0, 999.0, -9999.0) raises kxvlibr.ConvergenceError, or gives NaN when
the function is called with strict=False.
"""

from ._host import Answer, ValueNode
from ._module import (
    NAME_LISTS,
    RECORDS,
    ConvergenceError,
    Flash,
    Module,
    PartG,
    PartH,
    PartS,
    PartV,
    RangeWarning,
    find_module,
)

__version__ = "1.0.0"

_FUNCTIONS = tuple(s.name for s in RECORDS) + tuple(n for n, _, _ in NAME_LISTS)
_default = None


def load(path=None):
    """Loads a module: from path, else KXVLIBR_MODULE, else the copy beside
    this package. The first module loaded without a path also serves the
    module-level functions."""
    global _default
    if path is None:
        if _default is None:
            _default = Module()
        return _default
    return Module(path)


def __getattr__(name):
    if name in _FUNCTIONS:
        return getattr(load(), name)
    raise AttributeError(f"module 'kxvlibr' has no attribute {name!r}")


def __dir__():
    return sorted(list(globals()) + list(_FUNCTIONS))


__all__ = [
    "Answer", "ConvergenceError", "Flash", "Module", "PartG", "PartH", "PartS", "PartV",
    "RangeWarning", "ValueNode", "find_module", "load", *_FUNCTIONS,
]
