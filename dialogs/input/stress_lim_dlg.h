// "Stress Limits": the seven allowable-stress rules of the girder concrete (tension and
// compression at release; at final two tension and three compression rules). Each is a radio
// group of fixed rules and "Specify:" with an edit for the user's own coefficient; the rule's
// code and its coefficient are both kept. A tension coefficient multiplies sqrt(f'ci) or sqrt(f'c)
// (negative), a compression coefficient f'ci or f'c. The dialog works in the units it shows:
// for a metric design the tension coefficients are those of the strength in MPa, and the
// opening command converts them (StressLimitTensionFactor).
#pragma once

#include <optional>

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_STRESS_LIMITS = 137;
inline constexpr int IDC_LIMIT_RELEASE_GROUP = 1264;
inline constexpr int IDC_LIMIT_FINAL_GROUP = 1265;
// Release tension: codes 1, 2, 3 (specified).
inline constexpr int IDC_RELEASE_TENSION_1 = 1014;
inline constexpr int IDC_RELEASE_TENSION_2 = 1015;
inline constexpr int IDC_RELEASE_TENSION_SPECIFY = 1023;
inline constexpr int IDC_RELEASE_TENSION_COEF = 1121;
inline constexpr int IDC_RELEASE_TENSION_SQRT = 1262;
// Release compression: codes 1, 2 (specified).
inline constexpr int IDC_RELEASE_COMPRESSION_1 = 1024;
inline constexpr int IDC_RELEASE_COMPRESSION_SPECIFY = 1025;
inline constexpr int IDC_RELEASE_COMPRESSION_COEF = 1122;
// Final tension, prestress and permanent loads: codes 1 (none), 2, 3, 4 (specified).
inline constexpr int IDC_PERMANENT_TENSION_NONE = 1361;
inline constexpr int IDC_PERMANENT_TENSION_2 = 1679;
inline constexpr int IDC_PERMANENT_TENSION_3 = 1680;
inline constexpr int IDC_PERMANENT_TENSION_SPECIFY = 1681;
inline constexpr int IDC_PERMANENT_TENSION_COEF = 1682;
inline constexpr int IDC_PERMANENT_TENSION_SQRT = 1683;
// Final tension, prestress and all loads: codes 1 (none), 2, 3, 4 (specified).
inline constexpr int IDC_ALL_TENSION_NONE = 1168;
inline constexpr int IDC_ALL_TENSION_2 = 1026;
inline constexpr int IDC_ALL_TENSION_3 = 1036;
inline constexpr int IDC_ALL_TENSION_SPECIFY = 1037;
inline constexpr int IDC_ALL_TENSION_COEF = 1124;
inline constexpr int IDC_ALL_TENSION_SQRT = 1263;
// Final compression: codes 1 (by the design code), 2 (specified).
inline constexpr int IDC_PERMANENT_COMPRESSION_1 = 1038;
inline constexpr int IDC_PERMANENT_COMPRESSION_SPECIFY = 1039;
inline constexpr int IDC_PERMANENT_COMPRESSION_COEF = 1123;
inline constexpr int IDC_ALL_COMPRESSION_1 = 1040;
inline constexpr int IDC_ALL_COMPRESSION_SPECIFY = 1041;
inline constexpr int IDC_ALL_COMPRESSION_COEF = 1125;
inline constexpr int IDC_HALF_COMPRESSION_1 = 1042;
inline constexpr int IDC_HALF_COMPRESSION_SPECIFY = 1043;
inline constexpr int IDC_HALF_COMPRESSION_COEF = 1126;

/// The seven limits, in the order of CStressLimDlg::Limit.
enum StressLimit : int {
    kLimitReleaseTension,
    kLimitReleaseCompression,
    kLimitFinalTensionPermanent,
    kLimitFinalTensionAllLoads,
    kLimitFinalCompressionPermanent,
    kLimitFinalCompressionAllLoads,
    kLimitFinalCompressionHalfPermanentLL,
    kStressLimitCount,
};

/// What the opening command multiplies a stored (ksi) tension coefficient of `limit` by to show
/// it for a metric design (MPa); 1 for the compression limits, which are fractions of f'c.
double StressLimitTensionFactor(int limit);

/// The coefficient that fixed rule `code` of `limit` sets, in the units shown (`metric`: MPa
/// for the tension rules), for the design code and edition; none for "Specify:" and
/// for codes the limit does not have. A fixed rule has one value in each unit system: the
/// metric one is the rule as written for MPa, not the US one converted.
std::optional<double> StressLimitRuleCoefficient(int limit, int code, bool metric,
                                                 int designCode, int edition);

class CStressLimDlg : public platform::ui::Dialog {
  public:
    CStressLimDlg();
    bool OnInitDialog() override;
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    static const platform::ui::DialogTemplate& Template();

    /// One limit's controls: its radios by code (0: no such code), the "Specify:" code, its
    /// edit and its square-root label (kIdStatic for compression).
    struct LimitControls {
        int radios[5];
        int specifyCode;
        int edit;
        int sqrtLabel;
    };
    static const LimitControls kLimits[kStressLimitCount];

    /// The rule code and coefficient of each limit [StressLimit], as the document names them.
    int& Code(int limit);
    double& Coefficient(int limit);

    int m_nReleaseTensionLimit = 0;
    double m_dReleaseTensionCoef = 0;
    int m_nReleaseCompressionLimit = 0;
    double m_dReleaseCompressionCoef = 0;
    int m_nFinalTensionLimitPermanent = 0;
    double m_dFinalTensionCoefPermanent = 0;
    int m_nFinalTensionLimitAllLoads = 0;
    double m_dFinalTensionCoefAllLoads = 0;
    int m_nFinalCompressionLimitPermanent = 0;
    double m_dFinalCompressionCoefPermanent = 0;
    int m_nFinalCompressionLimitAllLoads = 0;
    double m_dFinalCompressionCoefAllLoads = 0;
    int m_nFinalCompressionLimitHalfPermanentLL = 0;
    double m_dFinalCompressionCoefHalfPermanentLL = 0;
    int m_nUnits = 1;          ///< read only: 1 US customary, 2 metric
    int m_nSpecification = 1;  ///< read only: 1 LRFD, 2 Standard Specifications
    int m_nSpecEdition = 0;    ///< read only: kEditionLrfd7th changes the release compression

  private:
    bool Metric() const;
    void OnRule(int limit, int code);
    /// Shows code `code` of `limit` chosen, with its edit and label enabled for "Specify:".
    void ShowRule(int limit, int code);
};

}  // namespace kordel
