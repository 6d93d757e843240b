ORVANE6
TITLE
Harbour dolphin, open-ended steel pipe pile
LRFD strength and extreme-event combinations
Soft marine clay over dense sand; lateral spreading of the clay crust
Tip shear from the pile-tip load test
p-y curves of the sand layer from the instrumented test pile
OPTIONS
Units SI
UseLRFD YES
ComputeKmatrix YES
UseTipShear YES
UseSoilMovement YES
UsePYModifiers NO
ComputeEIOnly NO
Loading STATIC
MaxIterations 50
MaxDeflection 2.54
Tolerance 2.54E-7
Increments 40
PrintSummaryOnly YES
PrintIncrement 4
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
1
1
4
30.0
1067.0
25.0
345000.0
2.0E+8
SOIL LAYERS
4
15  -1.5  6.0
  6.0  12.0  0.02  0.25
  6.5  25.0  0.015  0.5
6   6.0  14.0
  10.0  36.0  33000.0
  10.5  38.0  40000.0
14  14.0  18.0
  10.5  4
   0.0     0.0
   0.005  60.0
   0.02  110.0
   0.1   130.0
  11.0  3
   0.0     0.0
   0.01  150.0
   0.1   180.0
13  18.0  30.0
  11.0  60000.0
  11.0  80000.0
LRFD LOADS
3
1  1   120.0   300.0  2500.0  0
2  2    80.0   150.0   900.0  0
3  5   150.0     0.0     0.0  2
1   0.0   12.0
2   6.0    0.0
LRFD FACTORS AND CASES
3
1  1.25 1.75 0 0 0    0 0 0 0 0 0 0 0   0.9  0.9
Strength I
2  1.25 0    0 0 1.4  0 0 0 0 0 0 0 0   0.9  0.9
Strength III
3  0.9  0    0 0 1.0  0 0 0 0 0 0 0 0   1.0  0
Extreme event, wind on the dolphin
SOIL MOVEMENTS
3
1  -1.5  150.0
2   3.0   60.0
3   6.0    0.0
TIP SHEAR
3
1  0.0    0.0
2  0.01  40.0
3  0.05  60.0
END
