ORVANE6
TITLE
Drilled shaft 48 in, 45 ft long, socketed 30 ft into weak sandstone
Stiff clay above the rock; rock properties from cores of borings R-1 and R-2
Free-head shears of 50 to 150 kips and a fixed-head 150 kips, all with 400 kips axial load


OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 200
MaxDeflection 50.0
Tolerance 1.0E-5
Increments 180
PrintSummaryOnly NO
PrintIncrement 5
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
1
45.0
48.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
20
1
1.128
1.0
4.0
0.0
SOIL LAYERS
2
3  0.0 15.0
120.0  1500.0  0.007
120.0  2500.0  0.005
8  15.0 50.0
 75.0   600.0  60000.0  40.0  0.0002
 80.0   900.0  90000.0  60.0  0.0002
LOADING
4
1  1   50000.0   0.0  400000.0  1
2  1  100000.0   0.0  400000.0  1
3  1  150000.0   0.0  400000.0  1
4  2  150000.0   0.0  400000.0  1
0
DEPTHS OF PRINTED P-Y CURVES
3
1  16.0
2  25.0
3  40.0
END
