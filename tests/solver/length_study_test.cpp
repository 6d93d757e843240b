// The trial lengths of the length study: 5 % steps of the input length, the step formed in
// single precision. The study itself runs end to end in tests/e2e/head_studies_test.cpp.
#include "solver/length_study.h"

#include <gtest/gtest.h>

namespace {

TEST(LengthStudy, TrialLengthsStepByFivePercentFormedInSinglePrecision) {
    struct Row { int j; double fraction; };
    // 1 - float(0.05f * j), widened: the products of j = 7, 9, 19 round away from 0.35, 0.45
    // and 0.95 (values from IEEE single-precision arithmetic).
    const Row rows[] = {
        {0, 1.0}, {1, 0.9499999992549419}, {5, 0.75}, {7, 0.6500000059604645},
        {9, 0.5499999821186066}, {10, 0.5}, {19, 0.050000011920928955},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.j);
        EXPECT_EQ(Trial_Length_Fraction(r.j), r.fraction);
    }
    // The shortest trial lies just above 5 % in single precision (0.05000000074505806), so
    // with the ground surface at the pile head all twenty trials are solved.
    EXPECT_GT(Trial_Length_Fraction(19), 0.05000000074505806);
}

}  // namespace
