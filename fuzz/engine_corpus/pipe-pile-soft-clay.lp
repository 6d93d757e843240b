ORVANE6
TITLE
Steel pipe pile 762 x 19 mm, 30 m long, in soft clay
Normally consolidated marine clay, c = 12 kPa at the mudline rising to 45 kPa at 30 m
Free-head lateral loads of 50 to 250 kN, static loading


OPTIONS
Units SI
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 100
MaxDeflection 2.0
Tolerance 1.0E-5
Increments 300
PrintSummaryOnly NO
PrintIncrement 20
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
11
30.0
2
2.0E+8
762.0
762.0
44350.0
44350.0
3.063E+9
3.063E+9
SOIL LAYERS
1
1  0.0  30.0
6.0  12.0  0.0
6.0  45.0  0.0
LOADING
4
1  1   50.0  0.0  0.0  1
2  1  100.0  0.0  0.0  1
3  1  175.0  0.0  0.0  1
4  1  250.0  0.0  0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
2
1  1.5
2  6.0
END
