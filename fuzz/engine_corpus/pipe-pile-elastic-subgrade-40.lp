ORVANE6
TITLE
Steel pipe pile 600 x 12 mm, 20 m long, in an elastic subgrade
Subgrade modulus k = 20 MN/m3 from the ground surface at the pile head
Free, fixed and rotationally restrained heads; prescribed head deflections


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
MaxDeflection 1.0
Tolerance 1.0E-7
Increments 40
PrintSummaryOnly NO
PrintIncrement 10
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
1
1
11
20.0
2
2.0E+8
600.0
600.0
22167.0
22167.0
9.585E+8
9.585E+8
SOIL LAYERS
1
13  0.0  20.0
9.0  20000.0
9.0  20000.0
LOADING
5
1  1  100.0    0.0     0.0  1
2  2  100.0    0.0     0.0  1
3  3  100.0    50000.0 0.0  1
4  4  0.005    0.0     0.0  1
5  5  0.005    0.0     0.0  1
0
DEPTHS OF PRINTED P-Y CURVES
2
1  2.0
2  5.0
END
