ORVANE6
TITLE
Steel pipe pile 36 in x 0.75 in, 80 ft long, in submerged sand, US customary units
API sand to 20 ft (phi 32 to 34 degrees) over Reese sand (phi 34 to 36 degrees)
Default subgrade moduli; free-head shears of 20 to 110 kips under cyclic loading (100 cycles)


OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading CYCLIC   100
MaxIterations 50
MaxDeflection 60.0
Tolerance 1.0E-5
Increments 40
PrintSummaryOnly NO
PrintIncrement 12
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
11
80.0
2
29.0E+6
36.0
36.0
83.06
83.06
12906.0
12906.0
SOIL LAYERS
2
6  0.0  20.0
57.6  32.0  0.0
57.6  34.0  0.0
5  20.0  80.0
57.6  34.0  0.0
57.6  36.0  0.0
LOADING
4
1  1   20000.0  0.0  0.0  1
2  1   50000.0  0.0  0.0  1
3  1   80000.0  0.0  0.0  1
4  1  110000.0  0.0  0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
2
1  5.0
2  30.0
END
