ORVANE6
TITLE
Steel pipe pile 30 in x 0.625 in, 60 ft long, US customary units
Loess to 12 ft (cone tip resistance 400 to 600 psi) over cemented silt to 35 ft
(c 300 to 500 psf, phi 30 to 32 degrees, default k) over Piedmont residual soil (SPT N60 20 to 40)


OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
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
60.0
2
29.0E+6
30.0
30.0
57.7
57.7
6140.0
6140.0
SOIL LAYERS
3
12  0.0  12.0
100.0  400.0
100.0  600.0
11  12.0  35.0
55.0  300.0  30.0  0.0  0.0
55.0  500.0  32.0  0.0  0.0
10  35.0  60.0
60.0  1  20.0  0.0  0.0  0.0
60.0  1  40.0  0.0  0.0  0.0
LOADING
3
1  1   50000.0  0.0  0.0  1
2  1  150000.0  0.0  0.0  1
3  2  150000.0  0.0  0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
3
1  2.0
2  20.0
3  45.0
END
