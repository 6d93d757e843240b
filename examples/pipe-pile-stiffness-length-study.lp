ORVANE6
TITLE
Steel pipe pile 24 in x 0.5 in, 30 ft long, in submerged API sand, US customary units
Pile-head stiffness matrix for the superstructure model, from the loads of load case 1
Pile-head deflection versus pile length near the critical length (about 5 T)


OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix YES
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 200
MaxDeflection 20.0
Tolerance 1.0E-5
Increments 120
PrintSummaryOnly NO
PrintIncrement 10
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
4
30.0
24.0
0.5
50000.0
29000000.0
SOIL LAYERS
1
6  0.0  30.0
57.6  34.0  0.0
57.6  34.0  0.0
LOADING
3
1  1  20000.0  600000.0  50000.0  0
2  2  40000.0       0.0  50000.0  2
3  1  60000.0       0.0  50000.0  1
0
END
