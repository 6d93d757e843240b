"""The response of a run drawn with matplotlib, for notebooks: deflection, moment, shear and soil
reaction against depth for every load case, depth downward, the ground surface marked. The load
cases take the colours of the command's SVG figures, in the same order (PALETTE)."""

from __future__ import annotations

from typing import Optional, Sequence

from .result import Result

# The series colours of the command's figures (cli/svg_plot.cpp), the n-th case the n-th colour.
PALETTE = ("#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd",
           "#8c564b", "#e377c2", "#17becf", "#7f7f7f", "#bcbd22")

_PANELS = (("deflection", "Deflection"), ("moment", "Bending moment"), ("shear", "Shear force"),
           ("soil_reaction", "Soil reaction"))


def plot(result: Result, cases: Optional[Sequence[int]] = None, fig=None):
    """Draws the response of the given load cases (default: all) and returns the Figure."""
    import matplotlib.pyplot as plt
    if not result.nodes:
        raise ValueError(f"the run {result.name!r} has no node results to draw"
                         + (f": {result.error}" if result.error else ""))
    numbers = list(cases) if cases is not None else sorted(result.nodes)
    if fig is None:
        fig = plt.figure(figsize=(12, 6), layout="constrained")
    axes = fig.subplots(1, len(_PANELS), sharey=True)
    depth_unit = result.units.get("depth", "")
    for ax, (column, label) in zip(axes, _PANELS):
        for i, n in enumerate(numbers):
            frame = result.nodes[n]
            if column in frame:
                ax.plot(frame[column], frame["depth"], label=f"Load case {n}",
                        color=PALETTE[i % len(PALETTE)])
        ax.axvline(0.0, color="0.6", linewidth=0.8)
        if result.ground_surface_depth is not None:
            ax.axhline(result.ground_surface_depth, color="saddlebrown", linewidth=1.0,
                       linestyle="--")
        unit = result.units.get(column, "")
        ax.set_xlabel(f"{label} ({unit})" if unit else label)
        ax.grid(True, linewidth=0.3)
    axes[0].set_ylabel(f"Depth below pile head ({depth_unit})" if depth_unit else "Depth")
    axes[0].invert_yaxis()
    axes[-1].legend(loc="lower right", fontsize="small")
    title = next((t for t in result.title if t.strip()), result.name)
    fig.suptitle(title)
    return fig
