"""The engine in this process: the shared library `liborvane.so` called through ctypes.

A run in process gives the text of the problem's input data file to the engine and takes back
its results document; no file is written and no process is started, so a study of many cases
costs what the engine costs. The library is found through $ORVANE_LIBRARY, or beside the
`orvane` command (both are built into the same folder); ORVANE_IN_PROCESS=0 turns it off, so that
every run is an `orvane` process (a library built with the sanitizers cannot be loaded into an
ordinary Python). The engine keeps one model per process
and runs one analysis at a time: calls from several threads of this process wait for each other
here; separate processes (the workers of `run_many`) run in parallel.
"""

from __future__ import annotations

import ctypes
import json
import os
import threading
from typing import Optional

import numpy

# the node columns in the engine's order, which is orvane_node_column's column numbers
from .result import NODE_COLUMNS

LIBRARY_NAME = "liborvane.so"
BUSY = 97   # the engine's result while another call runs in the process

_lock = threading.Lock()
_loaded = {}


class _Library:
    def __init__(self, path: str):
        lib = ctypes.CDLL(path)
        lib.orvane_run_text.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p]
        lib.orvane_run_text.restype = ctypes.c_int32
        lib.orvane_check_text.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p]
        lib.orvane_check_text.restype = ctypes.c_void_p
        lib.orvane_results_json.argtypes = []
        lib.orvane_results_json.restype = ctypes.c_void_p
        lib.orvane_results_json_without_nodes.argtypes = []
        lib.orvane_results_json_without_nodes.restype = ctypes.c_void_p
        lib.orvane_node_column.argtypes = [ctypes.c_int32, ctypes.c_int32,
                                           ctypes.POINTER(ctypes.c_double), ctypes.c_int32]
        lib.orvane_node_column.restype = ctypes.c_int32
        lib.orvane_free.argtypes = [ctypes.c_void_p]
        lib.orvane_free.restype = None
        lib.orvane_version.restype = ctypes.c_char_p
        self.lib = lib
        self.path = path
        self.version = lib.orvane_version().decode()

    def _document(self, pointer) -> dict:
        if not pointer:
            raise MemoryError("the engine handed out no document")
        try:
            return json.loads(ctypes.string_at(pointer).decode("utf-8", "surrogateescape"))
        finally:
            self.lib.orvane_free(pointer)

    def run(self, text: bytes, name: str) -> dict:
        """The results document of a run of the input data file's text. The node tables come
        as numbers, not as text: each case's "nodes" holds numpy arrays (Result turns them into
        lists where a caller asks for the document itself)."""
        with _lock:
            code = self.lib.orvane_run_text(text, len(text), name.encode())
            if code == BUSY:
                raise RuntimeError("the engine is running another analysis in this process")
            doc = self._document(self.lib.orvane_results_json_without_nodes())
            results = doc.get("results")
            for case in (results or {}).get("load_cases") or []:
                case["nodes"] = self._nodes(case["number"])
            return doc

    def _nodes(self, number: int):
        """The node table of case `number` as arrays of the document's columns, or None."""
        n = self.lib.orvane_node_column(number, 0, None, 0)
        if n <= 0:
            return None
        columns = {}
        for index, name in enumerate(NODE_COLUMNS):
            values = numpy.empty(n, dtype=numpy.float64)
            self.lib.orvane_node_column(number, index, values.ctypes.data_as(ctypes.POINTER(ctypes.c_double)), n)
            columns[name] = values
        return columns

    def check(self, text: bytes, name: str) -> dict:
        """The check document of the input data file's text."""
        with _lock:
            return self._document(self.lib.orvane_check_text(text, len(text), name.encode()))


def library_path(orvane: Optional[str] = None) -> Optional[str]:
    """The shared library: $ORVANE_LIBRARY, else beside the orvane command; None without one or
    with ORVANE_IN_PROCESS=0."""
    if os.environ.get("ORVANE_IN_PROCESS") == "0":
        return None
    candidate = os.environ.get("ORVANE_LIBRARY")
    if candidate:
        return candidate if os.path.isfile(candidate) else None
    from .engine import EngineError, find_orvane
    try:
        exe = find_orvane(orvane)
    except EngineError:
        return None
    beside = os.path.join(os.path.dirname(os.path.realpath(exe)), LIBRARY_NAME)
    return beside if os.path.isfile(beside) else None


def load(orvane: Optional[str] = None) -> Optional[_Library]:
    """The engine library of this process (loaded once per path), or None when there is none."""
    path = library_path(orvane)
    if path is None:
        return None
    path = os.path.realpath(path)
    with _lock:
        if path not in _loaded:
            _loaded[path] = _Library(path)
        return _loaded[path]
