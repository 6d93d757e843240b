ORVANE6
TITLE
One layer of every soil type under an elastic pipe pile
Values chosen to be read, echoed and compared; the rock and silt criteria end the run



OPTIONS
Units SI
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly NO
Loading CYCLIC    50
MaxIterations 100
MaxDeflection 2.0
Tolerance 1.0E-5
Increments 100
PrintSummaryOnly NO
PrintIncrement 10
PrintPYCurves NO
ComputeInteraction YES
Interaction ACI318
SECTIONS
1
1
11
19.5
2
2.0E+8
762.0
762.0
44350.0
44350.0
3.063E+9
3.063E+9
SOIL LAYERS
20
1  0.0  1.0
6.0  12.0  0.02
6.5  14.0  0.02
2  1.0  2.0
9.0  100.0  0.005  135000.0
9.0  110.0  0.005  135000.0
3  2.0  3.0
9.5  120.0  0.006
9.5  125.0  0.006
4  3.0  4.0
9.5  130.0  0.006  270000.0
9.5  140.0  0.006  270000.0
5  4.0  5.0
10.0  32.0  16300.0
10.0  33.0  16300.0
6  5.0  6.0
10.0  34.0  24400.0
10.0  35.0  24400.0
7  6.0  7.0
9.0
9.0
8  7.0  8.0
20.0  5000.0  1.0E+6  50.0  0.0005
20.0  6000.0  1.2E+6  60.0  0.0005
9  8.0  9.0
21.0  8000.0
21.0  9000.0
10  9.0  10.0
10.0  1  20.0  0.0  0.0  0.0
10.0  2  0.0  5000.0  0.0  0.0
11  10.0  11.0
10.0  50.0  30.0  0.005  50000.0
10.0  55.0  31.0  0.005  50000.0
12  11.0  12.0
8.0  2000.0
8.0  2500.0
13  12.0  13.0
10.0  40000.0
10.0  45000.0
14  13.0  14.0
10.5  3
0.0  0.0
0.01  80.0
0.1  120.0
11.0  4
0.0  0.0
0.005  60.0
0.02  110.0
0.1  130.0
15  14.0  15.0
7.0  20.0  0.01  0.25
7.0  22.0  0.01  0.5
16  15.0  16.0
24.0  50000.0  7  60.0  0.0
24.0  55000.0  7  65.0  1.5
17  16.0  17.0
18  17.0  18.0
19  18.0  19.0
20  19.0  20.0
LOADING
2
1  1  100.0  0.0  500.0  1
2  4  0.01  0.0  500.0  1
2
1  0.0  10.0
2  2.0  0.0
PILE BATTER AND SLOPE
4.0
-2.5
END
