ORVANE6
TITLE
Bending stiffness of seven trial pile sections, one of each family
Drilled shaft, cased shaft, steel pipe, prestressed square pile,
elastic H-pile, elastic-plastic pipe and a pile with a measured M-EI curve
Axial thrusts 0, 250 and 500 kips

OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers NO
ComputeEIOnly YES
Loading STATIC
MaxIterations 100
MaxDeflection 100.0
Tolerance 1.0E-5
Increments 100
PrintSummaryOnly NO
PrintIncrement 1
PrintPYCurves NO
ComputeInteraction NO
SECTIONS
7
1
1
10.0
36.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
6
2
1.128
1.0
3.0
0.0
2
3
10.0
48.0
0.5
36000.0
29000000.0
20.0
0.5
50000.0
29000000.0
5000.0
0.75
Override concrete tensile strength
-450.0
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in noncircular pattern
60000.0
29000000.0
4
1  9  1.128  1.0   15.0   15.0
2  9  1.128  1.0  -15.0   15.0
3  9  1.128  1.0  -15.0  -15.0
4  9  1.128  1.0   15.0  -15.0
3
4
10.0
24.0
0.5
50000.0
29000000.0
4
7
10.0
18.0
0.75
6000.0
0.75
Use default concrete tensile strength
Input stress-strain curve for concrete
4
1  0.0      0.0
2  0.001  4200.0
3  0.002  6000.0
4  0.003  5100.0
Autoposition strands
1
3
12
31000.0
0.2
3.0
1
5
11
10.0
4
29000000.0
10.075
9.70
0.42
0.415
12.4
210.0
6
12
10.0
3
29000000.0
9.8E+6
9.8E+6
24.0
24.0
0.5
0.5
36.9
36.9
2549.0
2549.0
7
13
10.0
30.0
2
0.0
3
0.0
1.2E+11
2.0E+7
9.0E+10
4.0E+7
4.0E+10
500000.0
2
0.0
1.4E+11
3.0E+7
8.0E+10
AXIAL THRUST LOADS
3
1  500000.0
2       0.0
3  250000.0
END
