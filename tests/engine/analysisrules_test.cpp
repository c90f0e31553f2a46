// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis screen's rules that the window and the command line share.
#include "analysisrules.h"

#include <gtest/gtest.h>

#include "messages.h"

TEST(AnalysisRules, CertifiedBoxesAreCheckedPrecisionFirst) {
    const struct {
        const char *start, *end, *precision;
        const char* refusal;
    } cases[] = {
        {"-3", "3", "0.1", nullptr},
        {"3", "", "1E-07", nullptr},  // one empty box reads 0
        {"", "", "0.1", messages::rangeOrDivisions},
        {"1e400", "3", "0.1", messages::rangeOrDivisions},
        {"", "", "0", messages::precisionPositive},
        {"-3", "3", "abc", messages::precisionPositive},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.end + " " + c.precision);
        const core::CertifiedBoxes boxes = core::certifiedBoxes(c.start, c.end, c.precision);
        EXPECT_EQ(boxes.refusal == nullptr, c.refusal == nullptr);
        if (boxes.refusal && c.refusal) {
            EXPECT_STREQ(boxes.refusal, c.refusal);
        }
    }
    const core::CertifiedBoxes read = core::certifiedBoxes("3", "-1", "0.01");
    EXPECT_EQ(read.range.start, 3.0);
    EXPECT_EQ(read.range.end, -1.0);
    EXPECT_EQ(read.precision, 0.01);
}

TEST(AnalysisRules, AnEquationWithoutTermsIsNoFormula) {
    EXPECT_STREQ(core::analysedFormula({}).refusal, messages::enterFormula);
    EXPECT_FALSE(core::analysedFormula({}));
}
