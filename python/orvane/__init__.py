"""Orvane from Python: build problems, run them, and run studies of many variants.

    import orvane
    p = orvane.Problem.from_file("examples/pipe-pile-soft-clay.lp")
    result = orvane.run(p)                   # one run: node tables, summary, p-y curves
    table = orvane.run_many(variants)        # many runs in worker processes, or on a dask cluster
"""

from .checks import InputError
from .problem import (
    Problem, Options, Concrete, RebarCircle, RebarList, Bar, AutoStrands, ManualStrands, Strand,
    RectangularPile, DrilledShaft, CasedShaft, CasedShaftWithCore, SteelPipe,
    CircularPrestressed, SquarePrestressed, OctagonalPrestressed, ElasticPile,
    ElasticPlasticPile, UserMEIPile, MEICurve, Micropile, RectangleShape, CircleShape, PipeShape,
    HPileShape, PoleShape, SoilLayer, SoftClay, SoftClayJ, StiffClayFreeWater, StiffClay,
    StiffClayK, Sand, APISand, LiquefiedSand, WeakRock, VuggyLimestone, Piedmont, CementedSilt,
    Loess, ElasticSubgrade, MassiveRock, FrozenSoil, UserPY, LoadCase, ShearMoment, ShearSlope,
    ShearStiffness, DeflectionMoment, DeflectionSlope, LrfdLoad, LrfdCombination, SOIL_TYPES,
)
from .result import Result, Message
from .engine import run, EngineError, find_orvane
from .batch import run_many, apply_parameters
from .plotting import plot

__all__ = [n for n in dir() if not n.startswith("_")]
