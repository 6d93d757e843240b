ORVANE6
TITLE
Steel pipe pile 914 x 25 mm, 30 m long, in overconsolidated stiff clay
Desiccated crust above the water table at 4 m (StfClyAK), stiff clay below (StfClyBW)
Free-head wave loads of 100 to 400 kN, cyclic loading, 50 cycles


OPTIONS
Units SI
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading CYCLIC   50
MaxIterations 50
MaxDeflection 2.0
Tolerance 1.0E-5
Increments 40
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
914.0
914.0
69810.0
69810.0
6.942E+9
6.942E+9
SOIL LAYERS
2
4  0.0   4.0
19.0   90.0  0.006  0.0
19.0   90.0  0.006  0.0
2  4.0  30.0
9.0    75.0  0.0    0.0
9.0   180.0  0.0    0.0
LOADING
4
1  1  100.0  0.0  0.0  1
2  1  200.0  0.0  0.0  1
3  1  300.0  0.0  0.0  1
4  1  400.0  0.0  0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
2
1  2.0
2  8.0
END
