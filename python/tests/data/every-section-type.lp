ORVANE6
TITLE
Bending stiffness of one pile section of every kind not in the examples
Rectangular, cased, void-core, prestressed circular, square and octagonal, elastic shapes, micropile



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
16
1
0
5.0
24.0
18.0
5000.0
0.75
Override concrete tensile strength
450.0
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in noncircular pattern
60000.0
29000000.0
4
1  8  1.0  0.79   6.0   9.0
2  8  1.0  0.79  -6.0   9.0
3  8  1.0  0.79  -6.0  -9.0
4  8  1.0  0.79   6.0  -9.0
2
2
5.0
36.0
0.375
36000.0
29000000.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Same As Section Above
Rebar in circle
60000.0
29000000.0
4
3
1.0
0.79
3.0
1.5
3
-3
5.0
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
Use default concrete tensile strength
Use internal stress-strain curve for concrete
No rebar
4
5
5.0
24.0
6000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Autoposition strands
1
3
8
31000.0
0.2
3.0
0
5
6
5.0
36.0
20.0
6000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Manually-positioned strands
1
4
31000.0
0.2
1  1  3   12.0   0.0
2  1  3    0.0  12.0
3  1  3  -12.0   0.0
4  2  4    0.0 -12.0
6
8
5.0
24.0
11.0
1.0
6000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Autoposition strands
0
5
12
28000.0
0.18
2.5
2
7
9
5.0
24.0
6000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Autoposition strands
1
4
8
31000.0
0.2
3.0
0
8
10
5.0
30.0
14.0
6000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Autoposition strands
2
2
12
30000.0
0.2
3.0
0
9
11
5.0
1
3600000.0
18.0
16.0
18.0
16.0
324.0
256.0
8748.0
5461.0
10
11
5.0
2
29000000.0
12.0
10.0
113.1
78.5
1017.9
490.9
11
11
5.0
5
29000000.0
12.045
11.78
0.435
0.435
15.5
127.0
12
11
5.0
6
1600000.0
12.0
10.0
113.1
78.5
1017.9
490.9
30.0
13
12
5.0
4
29000000.0
2.6E+6
10.075
9.70
0.42
0.415
12.4
210.0
14
12
5.0
1
3600000.0
1.2E+6
1.0E+6
18.0
16.0
18.0
16.0
324.0
256.0
8748.0
5461.0
15
12
5.0
3
29000000.0
3.0E+6
2.8E+6
24.0
22.0
0.5
0.45
36.9
30.5
2549.0
2000.0
16
14
5.0
8.0
5000.0
7.0
0.5
80000.0
29000000.0
2.5
75000.0
29000000.0
AXIAL THRUST LOADS
2
1  100000.0
2       0.0
END
