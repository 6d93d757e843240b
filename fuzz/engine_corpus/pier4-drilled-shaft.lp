ORVANE6
TITLE
Bridge pier 4, drilled shaft in layered soil
Service and extreme-event pile-head loads, cyclic loading (scour not included)
Soil profile from borings B-4 and B-5; ground surface 2 ft below the pile head


OPTIONS
Units USCS
UseLRFD NO
ComputeKmatrix NO
UseTipShear NO
UseSoilMovement NO
UsePYModifiers YES
ComputeEIOnly NO
Loading CYCLIC   100
MaxIterations 500
MaxDeflection 100.0
Tolerance 1.0E-5
Increments 100
PrintSummaryOnly NO
PrintIncrement 2
PrintPYCurves YES
ComputeInteraction NO
SECTIONS
2
1
2
15.0
48.0
0.5
36000.0
29000000.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Not Same As Section Above
Rebar in circle
60000.0
29000000.0
16
1
1.41
1.56
4.0
0.0
2
1
45.0
42.0
4000.0
0.75
Use default concrete tensile strength
Use internal stress-strain curve for concrete
Rebar Arrangement Same As Section Above
Rebar in circle
60000.0
29000000.0
16
1
1.41
1.56
3.0
0.0
SOIL LAYERS
4
1  2.0 12.0
115.0  500.0  0.02
115.0  800.0  0.01
5  12.0 25.0
 60.0  32.0   60.0
 62.0  34.0   90.0
2  25.0 40.0
 65.0  2000.0  0.005  500.0
 66.0  3000.0  0.004  1000.0
5  40.0 60.0
 68.0  38.0  125.0
 70.0  40.0  125.0
LOADING
4
1  1   50000.0   0.0       200000.0  1
2  1  100000.0   2.4E+6    200000.0  1
3  2   75000.0   0.0       150000.0  1
4  3   75000.0   1.0E+9    150000.0  1
2
1   0.0    0.0
2  24.0  100.0
GROUP EFFECT FACTORS
2
1   2.0  0.8  1.0
2  60.0  0.8  1.0
PILE BATTER AND SLOPE
5.0
0.0
DEPTHS OF PRINTED P-Y CURVES
3
1   5.0
2  15.0
3  30.0
END
