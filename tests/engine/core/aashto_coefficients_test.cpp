// Modulus-of-rupture coefficient and stress-block factors by specification, edition and density
// class, as pure functions and through the document's members.
#include "engine/core/aashto_coefficients.h"

#include "test_support.h"

namespace kordel::test {
namespace {

// Distinct user factors, so that a case that reads the wrong one fails.
constexpr RuptureFactors kFactors{0.24, 0.37, 0.21, 0.18};

TEST(AashtoCoefficientsTest, RuptureCoefficientByClass) {
    struct Case {
        bool lrfd;
        int edition;
        int densityClass;
        double expected;
        const char* why;
    };
    const Case cases[] = {
        {true, 0, 1, 0.37, "normal weight, up to the LRFD 5th: minimum-reinforcement factor"},
        {true, 1, 1, 0.37, "normal weight, LRFD 5th"},
        {true, 2, 1, 0.24, "normal weight, LRFD 6th: generic factor"},
        {true, 4, 1, 0.24, "normal weight, LRFD 7th"},
        {true, 2, 2, 0.21, "sand-lightweight: the user's factor"},
        {true, 2, 3, 0.18, "all-lightweight: the user's factor"},
        {true, 2, 4, 0.24, "lightweight: generic factor"},
        {true, 2, 0, 0.37, "class outside 1 to 4"},
        {true, 2, 7, 0.37, "class outside 1 to 4"},
        // 7.5, 6.3 and 5.5 sqrt(f'c psi) over sqrt(1000) per ksi: 0.237, 0.199, 0.174.
        {false, 0, 1, 0.24, "Standard Specifications, normal weight"},
        {false, 0, 2, 0.20, "Standard Specifications, sand-lightweight"},
        {false, 0, 3, 0.17, "Standard Specifications, all-lightweight"},
        {false, 0, 4, 0.37, "Standard Specifications, class 4"},
        {false, 0, -1, 0.37, "Standard Specifications, class outside 1 to 4"},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(RuptureCoefficient(c.lrfd, c.edition, c.densityClass, kFactors),
                         c.expected)
            << c.why << " (edition " << c.edition << ", class " << c.densityClass << ")";
    }
}

TEST(AashtoCoefficientsTest, StressBlockFactors) {
    // alpha1: 0.85; LRFD 7th above 10 ksi, 0.85 - 0.02 (f'c - 10), not below 0.75.
    struct Alpha {
        double fc;
        int edition;
        double expected;
    };
    const Alpha alphas[] = {
        {10.0, 4, 0.85}, {10.0, 2, 0.85}, {12.0, 4, 0.81},  // 0.85 - 0.02 x 2
        {12.0, 2, 0.85}, {12.0, 3, 0.85}, {20.0, 4, 0.75},  // 0.85 - 0.20 = 0.65 -> 0.75
        {15.0, 4, 0.75},                                    // 0.85 - 0.10 = 0.75 exactly
    };
    for (const Alpha& a : alphas) {
        EXPECT_NEAR(StressBlockAlpha1(a.fc, a.edition), a.expected, 1e-12)
            << "f'c " << a.fc << " ksi, edition " << a.edition;
    }
    // beta1: 0.85 up to 4 ksi, less 0.05 per ksi above, not below 0.65.
    const double betas[][2] = {{3.0, 0.85}, {4.0, 0.85}, {5.0, 0.80},
                               {6.0, 0.75}, {8.0, 0.65}, {10.0, 0.65}};
    for (const auto& b : betas) {
        EXPECT_NEAR(StressBlockBeta1(b[0]), b[1], 1e-12) << "f'c " << b[0] << " ksi";
    }
}

class CoefficientsFromDesignTest : public EngineTest {};

TEST_F(CoefficientsFromDesignTest, ReadTheSpecificationEditionAndUserFactors) {
    auto doc = NewDoc();
    doc->m_fFrGeneric = 0.25f;
    doc->m_fFrMinReinf = 0.37f;
    doc->m_nSpecification = kSpecLrfd;
    doc->m_nSpecEdition = 2;
    // The single-precision factor widened: 0.25 is exact in a float.
    EXPECT_EQ(doc->GetRuptureCoefficient(kConcreteNormalWeight), 0.25);
    doc->m_nSpecEdition = 1;
    EXPECT_EQ(doc->GetRuptureCoefficient(kConcreteNormalWeight), static_cast<double>(0.37f));
    doc->m_nSpecification = kSpecStandard;
    EXPECT_EQ(doc->GetRuptureCoefficient(kConcreteNormalWeight), 0.24);

    doc->m_nSpecEdition = 4;
    EXPECT_NEAR(doc->GetStressBlockFactor(12.0), 0.81, 1e-12);
    doc->m_nSpecEdition = 2;
    EXPECT_EQ(doc->GetStressBlockFactor(12.0), 0.85);
}

}  // namespace
}  // namespace kordel::test
