ORVANE6
TITLE
Steel pipe pile 914 x 25 mm, 30 m long, 500 increments, in three layers
Soft clay to 6 m over API sand to 18 m over a stiff elastic subgrade
Five load cases: free head, fixed head and a prescribed head deflection


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
PrintIncrement 25
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
11
30.0
2
2.0E+8
914.0
914.0
69810.0
69810.0
6.942E+9
6.942E+9
SOIL LAYERS
3
1  0.0  6.0
6.0  15.0  0.0
6.0  30.0  0.0
6  6.0  18.0
10.0  33.0  0.0
10.0  36.0  0.0
13  18.0  30.0
11.0  150000.0
11.0  150000.0
LOADING
5
1  1  150.0  0.0  0.0  1
2  1  400.0  0.0  0.0  1
3  1  700.0  0.0  0.0  1
4  2  700.0  0.0  0.0  1
5  4  0.05   0.0  0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
3
1  3.0
2  10.0
3  24.0
END
