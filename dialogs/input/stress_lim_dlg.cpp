#include "dialogs/input/stress_lim_dlg.h"

#include "document/model_limits.h"
#include "document/model_project.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// Tension coefficients of sqrt(f'ci) (release) and sqrt(f'c) (final) from ksi to MPa: the
/// ratios of the rules as written in each unit system.
constexpr double kReleaseTensionKsiToMpa = 0.25 / 0.0948;  // 2.6371308016877637
constexpr double kFinalTensionKsiToMpa = 0.5 / 0.19;       // 2.6315789473684212

/// The coefficient of a fixed rule in each unit system.
struct Rule {
    double us;
    double metric;
};

// AASHTO LRFD 6th ed. Table 5.9.4.1.2-1 (release tension 0.0948 sqrt(f'ci) <= 0.2 ksi, or 0.24
// sqrt(f'ci) with bonded reinforcement; in MPa 0.25 and 0.63), Art. 5.9.4.1.1 (release
// compression 0.60 f'ci; LRFD 7th ed. 0.65 f'ci), Table 5.9.4.2.2-1 (final tension 0.0948 and
// 0.19 sqrt(f'c); in MPa 0.25 and 0.50), Table 5.9.4.2.1-1 (final compression 0.45, 0.60 and
// 0.40 f'c); AASHTO Standard Specifications 17th ed. Art. 9.15.2.2 (0.40 f'c permanent).
constexpr Rule kReleaseTension[] = {{-0.0948, -0.25}, {-0.24, -0.63}};
constexpr Rule kFinalTension[] = {{0, 0}, {-0.0948, -0.25}, {-0.19, -0.5}};

}  // namespace

double StressLimitTensionFactor(int limit) {
    switch (limit) {
        case kLimitReleaseTension:
            return kReleaseTensionKsiToMpa;
        case kLimitFinalTensionPermanent:
        case kLimitFinalTensionAllLoads:
            return kFinalTensionKsiToMpa;
        default:
            return 1.0;
    }
}

std::optional<double> StressLimitRuleCoefficient(int limit, int code, bool metric,
                                                 int designCode, int edition) {
    if (limit < 0 || limit >= kStressLimitCount || code < 1 ||
        code >= CStressLimDlg::kLimits[limit].specifyCode)
        return std::nullopt;
    const auto pick = [metric](const Rule& r) { return metric ? r.metric : r.us; };
    switch (limit) {
        case kLimitReleaseTension:
            return pick(kReleaseTension[code - 1]);
        case kLimitReleaseCompression:
            return edition == kEditionLrfd7th ? 0.65 : 0.6;
        case kLimitFinalTensionPermanent:
        case kLimitFinalTensionAllLoads:
            return pick(kFinalTension[code - 1]);
        case kLimitFinalCompressionPermanent:
            return IsLrfd(designCode) ? 0.45 : 0.40;
        case kLimitFinalCompressionAllLoads:
            return 0.6;
        default:
            return 0.4;
    }
}

const CStressLimDlg::LimitControls CStressLimDlg::kLimits[kStressLimitCount] = {
    {{0, IDC_RELEASE_TENSION_1, IDC_RELEASE_TENSION_2, IDC_RELEASE_TENSION_SPECIFY, 0}, 3,
     IDC_RELEASE_TENSION_COEF, IDC_RELEASE_TENSION_SQRT},
    {{0, IDC_RELEASE_COMPRESSION_1, IDC_RELEASE_COMPRESSION_SPECIFY, 0, 0}, 2,
     IDC_RELEASE_COMPRESSION_COEF, kIdStatic},
    {{0, IDC_PERMANENT_TENSION_NONE, IDC_PERMANENT_TENSION_2, IDC_PERMANENT_TENSION_3,
      IDC_PERMANENT_TENSION_SPECIFY},
     4, IDC_PERMANENT_TENSION_COEF, IDC_PERMANENT_TENSION_SQRT},
    {{0, IDC_ALL_TENSION_NONE, IDC_ALL_TENSION_2, IDC_ALL_TENSION_3, IDC_ALL_TENSION_SPECIFY}, 4,
     IDC_ALL_TENSION_COEF, IDC_ALL_TENSION_SQRT},
    {{0, IDC_PERMANENT_COMPRESSION_1, IDC_PERMANENT_COMPRESSION_SPECIFY, 0, 0}, 2,
     IDC_PERMANENT_COMPRESSION_COEF, kIdStatic},
    {{0, IDC_ALL_COMPRESSION_1, IDC_ALL_COMPRESSION_SPECIFY, 0, 0}, 2, IDC_ALL_COMPRESSION_COEF,
     kIdStatic},
    {{0, IDC_HALF_COMPRESSION_1, IDC_HALF_COMPRESSION_SPECIFY, 0, 0}, 2, IDC_HALF_COMPRESSION_COEF,
     kIdStatic},
};

const DialogTemplate& CStressLimDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_STRESS_LIMITS;
        d.caption = "Stress Limits";
        d.size = {238, 239};
        constexpr unsigned off = kStyleDisabled;
        constexpr int L = 15;   // tension column
        constexpr int R = 133;  // compression column
        // "Specify:" with its edit and, for tension, its square-root label.
        const auto specify = [](std::vector<ControlTemplate>& c, int x, int y, int radio, int edit,
                                int sqrtLabel, const char* sqrtText) {
            c.push_back(MakeControl(ControlKind::RadioButton, radio, "Specify:", x, y, 40, 10));
            c.push_back(MakeControl(ControlKind::Edit, edit, "", x + 42, y - 1, 36, 12, off));
            if (sqrtLabel != kIdStatic) {
                c.push_back(
                    MakeControl(ControlKind::Label, sqrtLabel, sqrtText, x + 81, y + 1, 36, 9, off));
            }
        };
        auto& c = d.controls;
        c = {
            MakeControl(ControlKind::GroupBox, IDC_LIMIT_RELEASE_GROUP, "Release,KSI", 7, 4, 224,
                        66),
            MakeControl(ControlKind::Label, kIdStatic, "(-) Tension:", L, 15, 80, 9),
            MakeControl(ControlKind::RadioButton, IDC_RELEASE_TENSION_1, "-0.0948sqrt(f'ci)", L,
                        26, 110, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_RELEASE_TENSION_2, "-0.24sqrt(f'ci)", L, 38,
                        110, 10),
        };
        specify(c, L, 50, IDC_RELEASE_TENSION_SPECIFY, IDC_RELEASE_TENSION_COEF,
                IDC_RELEASE_TENSION_SQRT, "x sqrt(f'ci)");
        c.push_back(MakeControl(ControlKind::Label, kIdStatic, "(+) Compression:", R, 15, 90, 9));
        c.push_back(MakeControl(ControlKind::RadioButton, IDC_RELEASE_COMPRESSION_1, ".6f'ci", R,
                                26, 90, 10, kStyleGroup));
        specify(c, R, 38, IDC_RELEASE_COMPRESSION_SPECIFY, IDC_RELEASE_COMPRESSION_COEF, kIdStatic,
                "");

        c.push_back(MakeControl(ControlKind::GroupBox, IDC_LIMIT_FINAL_GROUP, "Final,KSI", 7, 74,
                                224, 141, kStyleGroup));
        c.push_back(MakeControl(ControlKind::Label, kIdStatic, "(-) Tension:", L, 85, 80, 9));
        // The two final tension limits, one under the other.
        const struct {
            const char* title;
            int top;
            int ids[4];
            int edit;
            int sqrtLabel;
        } tension[] = {
            {"PS + permanent loads:", 97,
             {IDC_PERMANENT_TENSION_NONE, IDC_PERMANENT_TENSION_2, IDC_PERMANENT_TENSION_3,
              IDC_PERMANENT_TENSION_SPECIFY},
             IDC_PERMANENT_TENSION_COEF, IDC_PERMANENT_TENSION_SQRT},
            {"PS + all loads:", 156,
             {IDC_ALL_TENSION_NONE, IDC_ALL_TENSION_2, IDC_ALL_TENSION_3, IDC_ALL_TENSION_SPECIFY},
             IDC_ALL_TENSION_COEF, IDC_ALL_TENSION_SQRT},
        };
        for (const auto& g : tension) {
            c.push_back(MakeControl(ControlKind::Label, kIdStatic, g.title, L, g.top, 110, 9));
            c.push_back(MakeControl(ControlKind::RadioButton, g.ids[0], "No tension", L,
                                    g.top + 11, 110, 10, kStyleGroup));
            c.push_back(MakeControl(ControlKind::RadioButton, g.ids[1], "-0.0948sqrt(f'c)", L,
                                    g.top + 22, 110, 10));
            c.push_back(MakeControl(ControlKind::RadioButton, g.ids[2], "-0.19sqrt(f'c)", L,
                                    g.top + 33, 110, 10));
            specify(c, L, g.top + 44, g.ids[3], g.edit, g.sqrtLabel, "x sqrt(f'c)");
        }
        c.push_back(MakeControl(ControlKind::Label, kIdStatic, "(+) Compression:", R, 85, 90, 9));
        const struct {
            const char* title;
            const char* rule;
            int top;
            int fixed;
            int radio;
            int edit;
        } compression[] = {
            {"PS + permanent loads:", "0.45f'c", 97, IDC_PERMANENT_COMPRESSION_1,
             IDC_PERMANENT_COMPRESSION_SPECIFY, IDC_PERMANENT_COMPRESSION_COEF},
            {"PS + all loads:", "0.60f'c", 134, IDC_ALL_COMPRESSION_1, IDC_ALL_COMPRESSION_SPECIFY,
             IDC_ALL_COMPRESSION_COEF},
            {"LL + (PS+permanent)/2:", "0.40f'c", 171, IDC_HALF_COMPRESSION_1,
             IDC_HALF_COMPRESSION_SPECIFY, IDC_HALF_COMPRESSION_COEF},
        };
        for (const auto& g : compression) {
            c.push_back(MakeControl(ControlKind::Label, kIdStatic, g.title, R, g.top, 95, 9));
            c.push_back(MakeControl(ControlKind::RadioButton, g.fixed, g.rule, R, g.top + 11, 90,
                                    10, kStyleGroup));
            specify(c, R, g.top + 22, g.radio, g.edit, kIdStatic, "");
        }
        c.push_back(MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 125, 220, 50, 14,
                                kStyleGroup));
        c.push_back(MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 181, 220, 50, 14));
        return d;
    }();
    return t;
}

CStressLimDlg::CStressLimDlg() : Dialog(Template()) {
    for (int limit = 0; limit < kStressLimitCount; ++limit) {
        for (int code = 1; code <= 4; ++code) {
            if (const int radio = kLimits[limit].radios[code])
                m_commands.On(radio, [this, limit, code] { OnRule(limit, code); });
        }
    }
}

bool CStressLimDlg::Metric() const {
    return m_nUnits != kUnitsUS;
}

int& CStressLimDlg::Code(int limit) {
    int* codes[kStressLimitCount] = {
        &m_nReleaseTensionLimit,           &m_nReleaseCompressionLimit,
        &m_nFinalTensionLimitPermanent,    &m_nFinalTensionLimitAllLoads,
        &m_nFinalCompressionLimitPermanent, &m_nFinalCompressionLimitAllLoads,
        &m_nFinalCompressionLimitHalfPermanentLL};
    return *codes[limit];
}

double& CStressLimDlg::Coefficient(int limit) {
    double* coefficients[kStressLimitCount] = {
        &m_dReleaseTensionCoef,           &m_dReleaseCompressionCoef,
        &m_dFinalTensionCoefPermanent,    &m_dFinalTensionCoefAllLoads,
        &m_dFinalCompressionCoefPermanent, &m_dFinalCompressionCoefAllLoads,
        &m_dFinalCompressionCoefHalfPermanentLL};
    return *coefficients[limit];
}

void CStressLimDlg::DoDataExchange(DataExchange& dx) {
    for (int limit = 0; limit < kStressLimitCount; ++limit)
        dx.Double(kLimits[limit].edit, Coefficient(limit));
}

bool CStressLimDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (Metric()) {
        SetDlgItemText(IDC_LIMIT_RELEASE_GROUP, "Release,MPa");
        SetDlgItemText(IDC_LIMIT_FINAL_GROUP, "Final,MPa");
        SetDlgItemText(IDC_RELEASE_TENSION_1, "-0.25sqrt(f'ci)");
        SetDlgItemText(IDC_RELEASE_TENSION_2, "-0.63sqrt(f'ci)");
        for (int id : {IDC_ALL_TENSION_2, IDC_PERMANENT_TENSION_2})
            SetDlgItemText(id, "-0.25sqrt(f'c)");
        for (int id : {IDC_ALL_TENSION_3, IDC_PERMANENT_TENSION_3})
            SetDlgItemText(id, "-0.50sqrt(f'c)");
    }
    SetDlgItemText(IDC_RELEASE_COMPRESSION_1,
                   m_nSpecEdition == kEditionLrfd7th ? ".65f'ci" : ".6f'ci");
    SetDlgItemText(IDC_PERMANENT_COMPRESSION_1, IsLrfd(m_nSpecification) ? "0.45f'c" : "0.40f'c");

    for (int limit = 0; limit < kStressLimitCount; ++limit) {
        int code = Code(limit);
        const bool known = code >= 1 && code <= kLimits[limit].specifyCode;
        // A code the limit does not have shows its first rule, except the final tension under
        // permanent loads, which then shows none; the member keeps the code either way.
        if (!known) code = limit == kLimitFinalTensionPermanent ? 0 : 1;
        ShowRule(limit, code);
    }
    return true;
}

void CStressLimDlg::ShowRule(int limit, int code) {
    const LimitControls& l = kLimits[limit];
    for (int k = 1; k <= 4; ++k) {
        if (l.radios[k]) CheckDlgButton(l.radios[k], k == code);
    }
    const bool specified = code == l.specifyCode;
    EnableItem(l.edit, specified);
    if (l.sqrtLabel != kIdStatic) EnableItem(l.sqrtLabel, specified);
}

void CStressLimDlg::OnRule(int limit, int code) {
    // The coefficients typed so far are taken first; a text that is not a number is refused
    // and shows its coefficient again.
    for (int k = 0; k < kStressLimitCount; ++k) {
        const int edit = kLimits[k].edit;
        double& coefficient = Coefficient(k);
        const std::string text = GetDlgItemText(edit);
        if (text == FormatDouble(coefficient)) continue;
        if (const std::optional<double> value = ParseNumber(text)) {
            coefficient = *value;
        } else {
            MessageBox(kEnterNumber);
            SetDlgItemText(edit, FormatDouble(coefficient));
        }
    }
    Code(limit) = code;
    if (const std::optional<double> fixed =
            StressLimitRuleCoefficient(limit, code, Metric(), m_nSpecification, m_nSpecEdition)) {
        Coefficient(limit) = *fixed;
    } else if (limit == kLimitFinalTensionPermanent) {
        Coefficient(limit) = 0;  // "Specify:" of this limit always starts from no tension
    }
    SetDlgItemText(kLimits[limit].edit, FormatDouble(Coefficient(limit)));
    ShowRule(limit, code);
}

}  // namespace kordel
