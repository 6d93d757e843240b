ORVANE6
TITLE
Micropile 200 mm hole, 12 m long: casing 178 x 12.7 mm over its whole length, 63 mm central bar
Grout 35 MPa; soft clay to 4 m over medium dense sand
Free-head shears of 10, 20 and 30 kN and a fixed-head 30 kN, all with a 300 kN axial load


OPTIONS
Units SI
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 200
MaxDeflection 2.0
Tolerance 1.0E-5
Increments 120
PrintSummaryOnly NO
PrintIncrement 10
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
14
12.0
200.0
35000.0
177.8
12.7
552000.0
2.0E+8
63.0
520000.0
2.0E+8
SOIL LAYERS
2
1  0.0  4.0
6.0  15.0  0.02
6.0  20.0  0.02
5  4.0  12.0
10.0  33.0  0.0
10.0  35.0  0.0
LOADING
4
1  1   10.0  0.0  300.0  1
2  1   20.0  0.0  300.0  1
3  1   30.0  0.0  300.0  1
4  2   30.0  0.0  300.0  1
0
DEPTHS OF PRINTED P-Y CURVES
2
1  1.0
2  5.0
END
