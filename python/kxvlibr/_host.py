"""The host side of the calling protocol, over ctypes.

A property export takes the host's text buffer, the address of its mode word
and a linked list of input values; a procedure also takes a list of output
nodes whose values it overwrites. This module builds those lists, owns the
buffer and the mode word, and hands back what the module left in them,
untranslated.
"""

import ctypes
import os
from typing import NamedTuple, Optional, Sequence, Tuple, Union


class ValueNode(ctypes.Structure):
    """One node of the host's singly linked list of values."""


ValueNode._fields_ = [("value", ctypes.c_double), ("next", ctypes.POINTER(ValueNode))]

# The longest text the module writes is 138 bytes; the host's buffer is larger.
BUFFER_SIZE = 256

# Mode words on entry that ask for the calling sequence, input and output units.
QUERY_CALL, QUERY_INPUT_UNITS, QUERY_OUTPUT_UNITS = -1, -2, -3

ENCODING = "cp1252"  # the module's texts: 0xB0 is the degree sign


class Answer(NamedTuple):
    """What the host finds after one call."""

    value: Union[float, Tuple[float, ...]]  # the result, or the output values
    mode: int  # the mode word after the call
    text: str  # the buffer, decoded


_FUNCTION = ctypes.CFUNCTYPE(
    ctypes.c_double, ctypes.c_char_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ValueNode)
)
_PROCEDURE = ctypes.CFUNCTYPE(
    None,
    ctypes.c_char_p,
    ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ValueNode),
    ctypes.POINTER(ValueNode),
)
_NAME_LIST = ctypes.CFUNCTYPE(None, ctypes.c_char_p)


def _linked(count: int):
    """A list of count nodes, linked in order; None for an empty list."""
    if count == 0:
        return None, None
    nodes = (ValueNode * count)()
    for i in range(count - 1):
        nodes[i].next = ctypes.pointer(nodes[i + 1])
    return nodes, ctypes.pointer(nodes[0])


class Library:
    """A loaded module: finds exports by name and calls them as a host does."""

    def __init__(self, path: str):
        self.path = os.fspath(path)
        self._dll = ctypes.CDLL(self.path)
        self._cache = {}

    def has(self, name: str) -> bool:
        try:
            getattr(self._dll, name)
        except AttributeError:
            return False
        return True

    def _export(self, name: str, prototype):
        key = (name, prototype)
        if key not in self._cache:
            self._cache[key] = prototype((name, self._dll))
        return self._cache[key]

    def name_list(self, name: str) -> str:
        buffer = ctypes.create_string_buffer(BUFFER_SIZE)
        self._export(name, _NAME_LIST)(buffer)
        return buffer.value.decode(ENCODING)

    def caller(self, name: str, inputs: int, outputs: Optional[int]):
        """A reusable call of one export with that many input nodes (and,
        for a procedure, output nodes): call(values, mode) -> Answer."""
        procedure = outputs is not None
        fn = self._export(name, _PROCEDURE if procedure else _FUNCTION)
        in_nodes, in_head = _linked(inputs)
        out_nodes, out_head = _linked(outputs or 0)
        buffer = ctypes.create_string_buffer(BUFFER_SIZE)
        mode_word = ctypes.c_int(0)
        mode_ref = ctypes.byref(mode_word)

        def call(values: Sequence[float], mode: int = 0) -> Answer:
            for i, v in enumerate(values):
                in_nodes[i].value = v
            buffer.value = b""
            mode_word.value = mode
            if procedure:
                for i in range(outputs):
                    out_nodes[i].value = 0.0
                fn(buffer, mode_ref, in_head, out_head)
                value = tuple(out_nodes[i].value for i in range(outputs))
            else:
                value = fn(buffer, mode_ref, in_head)
            return Answer(value, mode_word.value, buffer.value.decode(ENCODING))

        return call

    def call(
        self, name: str, inputs: Sequence[float], outputs: Optional[int] = None, mode: int = 0
    ) -> Answer:
        """One call: a procedure when outputs is a count, else a function."""
        return self.caller(name, len(inputs), outputs)(inputs, mode)
