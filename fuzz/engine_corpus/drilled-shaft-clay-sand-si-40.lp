ORVANE6
TITLE
Drilled shaft 1200 mm, 20 m long, 24 bars of 32 mm, f'c 30 MPa
Stiff clay with free water to 8 m over medium dense sand
Free-head shears of 250 to 1000 kN and a fixed-head 1200 kN, all with a 1000 kN axial load


OPTIONS
Units SI
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 50
MaxDeflection 2.0
Tolerance 1.0E-5
Increments 40
PrintSummaryOnly NO
PrintIncrement 10
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
1
20.0
1200.0
30000.0
19.0
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
420000.0
2.0E+8
24
1
32.0
819.0
75.0
0.0
SOIL LAYERS
2
2  0.0  8.0
9.0   100.0  0.0  0.0
9.0   160.0  0.0  0.0
5  8.0  20.0
10.0  34.0  0.0
10.0  36.0  0.0
LOADING
4
1  1   250.0  0.0  1000.0  1
2  1   600.0  0.0  1000.0  1
3  1  1000.0  0.0  1000.0  1
4  2  1200.0  0.0  1000.0  1
0
END
