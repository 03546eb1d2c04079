#include "dialogs/results/results_grid_dlg.h"

#include <utility>

#include "document/kordel_doc.h"
#include "report/format.h"

// The number formats come from fixed literals, by column and unit system.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

using namespace platform::ui;

const char* const kResultTypeNames[24] = {
    "Camber & Deflections: Release",
    "Camber & Deflections: Erection",
    "Release Stresses",
    "Final Stresses: P + Pm",
    "Final Stresses: .5(P + Pm) + L",
    "Final Stresses: P + Pm + L",
    "Final Stresses: Beam",
    "Final Stresses: P/S",
    "Final Stresses: Deck",
    "Final Stresses: Diaph",
    "Final Stresses: ONC",
    "Final Stresses: Barrs",
    "Final Stresses: FWS",
    "Final Stresses: Veh+",
    "Final Stresses: Veh-",
    "Final Stresses: Veh",
    "Final Stresses: Pedst",
    "Vertical Shear",
    "Flexural Strength",
    "Interface Shear",
    "Handling Stresses",
    "Shipping Stresses",
    "Inventory Load Ratings",
    "Operating Load Ratings",
};

namespace {

// Metric factors of the stored US units.
constexpr double kFeetToMetres = 0.3048;
constexpr double kInchesToMetres = 0.0254;
constexpr double kSquareInchesToMm2 = 645.16;  // (25.4)^2
constexpr double kKsiToMpa = 6.8948;
constexpr double kKipToKn = 4.4482;
constexpr double kKipFtToKnM = 4.4482 * 0.3048;      // 1.35581136
constexpr double kIn2PerFtToMm2PerMm = 25.4 / 12.0;  // 2.1166...

constexpr const char* kForceFormat = "%7.1f";
constexpr const char* kAreaPerLengthFormat = "%7.3f";
constexpr const char* kMomentFormat = "%7.0f";
constexpr const char* kRatioFormat = "%6.3f";

const char* const kCamberType = kResultTypeNames[0];

bool IsType(const std::string& type, int index) {
    return type == kResultTypeNames[index];
}

ResultColumn Camber(const char* name, std::function<double(int)> value) {
    return {name, "(in)", "(m)", kInchesToMetres, nullptr, std::move(value)};
}
ResultColumn Stress(std::string name, std::function<double(int)> value) {
    return {std::move(name), "ksi", "MPa", kKsiToMpa, nullptr, std::move(value)};
}
ResultColumn Force(std::string name, std::function<double(int)> value) {
    return {std::move(name), "kip", "kN", kKipToKn, kForceFormat, std::move(value)};
}
ResultColumn AreaPerLength(std::string name, std::function<double(int)> value) {
    return {std::move(name),      "in2/ft",        "mm2/mm", kIn2PerFtToMm2PerMm,
            kAreaPerLengthFormat, std::move(value)};
}
ResultColumn Moment(std::string name, std::function<double(int)> value) {
    return {std::move(name), "k-ft", "kN-m", kKipFtToKnM, kMomentFormat, std::move(value)};
}
ResultColumn Ratio(std::string name, const char* format, std::function<double(int)> value) {
    return {std::move(name), "", "", 1.0, format, std::move(value)};
}

/// Girder top, girder bottom and (when asked) deck top of one service combination.
void ServiceColumns(std::vector<ResultColumn>& cols, const CKordelDoc& d, int combination,
                    const char* suffix, bool deck) {
    const std::string s = suffix;
    cols.push_back(Stress("Top of Beam" + s, [&d, combination](int i) {
        return d.m_aServiceStress[i][combination][kServiceTop];
    }));
    cols.push_back(Stress("Bottom of Beam" + s, [&d, combination](int i) {
        return d.m_aServiceStress[i][combination][kServiceBottom];
    }));
    if (deck) {
        cols.push_back(Stress("Top of Deck" + s, [&d, combination](int i) {
            return d.m_aServiceStress[i][combination][kServiceDeckTop];
        }));
    }
}

/// The fibre stresses of one load case.
void LoadCaseColumns(std::vector<ResultColumn>& cols, const CKordelDoc& d, int stressCase,
                     bool deck) {
    cols.push_back(Stress("Top of Beam", [&d, stressCase](int i) {
        return d.m_aLoadCaseStress[i][stressCase][kFibreGirderTop];
    }));
    cols.push_back(Stress("Bottom of Beam", [&d, stressCase](int i) {
        return d.m_aLoadCaseStress[i][stressCase][kFibreGirderBottom];
    }));
    if (deck) {
        cols.push_back(Stress("Top of Deck", [&d, stressCase](int i) {
            return d.m_aLoadCaseStress[i][stressCase][kFibreDeckTop];
        }));
    }
}

/// Totals with positive and negative impact at the top and bottom of the girder.
void HandlingColumns(std::vector<ResultColumn>& cols, const HandlingStrengthArrays& a) {
    const int down = HandlingStressSlot(kImpactDown, kHandlingStressTotal);
    const int up = HandlingStressSlot(kImpactUp, kHandlingStressTotal);
    cols.push_back(Stress("+Impact Ft", [&a, down](int i) { return a.m_adStressTop[i][down]; }));
    cols.push_back(Stress("+Impact Fb", [&a, down](int i) { return a.m_adStressBottom[i][down]; }));
    cols.push_back(Stress("-Impact Ft", [&a, up](int i) { return a.m_adStressTop[i][up]; }));
    cols.push_back(Stress("-Impact Fb", [&a, up](int i) { return a.m_adStressBottom[i][up]; }));
}

ResultColumn Rating(const char* name, const CKordelDoc& d, int row) {
    return Ratio(name, nullptr, [&d, row](int i) { return d.m_aRatingFactor[row][i]; });
}

/// The flexural block of one moment sign.
void FlexureColumns(std::vector<ResultColumn>& cols, const CKordelDoc& d, int sign) {
    const bool negative = sign == kFlexureNegative;
    const bool strengthII = d.m_bIncludeStrengthII != 0;
    const std::string s = negative ? "(-M)" : "(+M)";
    if (strengthII) {
        cols.push_back(Moment("Mu StrengthI" + s, [&d, negative](int i) {
            return negative ? d.m_aMuStrengthIEnd[i][kStrengthMomentNegativeComposite]
                            : d.m_aMuStrengthI[i][kStrengthMomentPositive];
        }));
        cols.push_back(Moment("Mu StrengthII" + s, [&d, negative](int i) {
            return negative ? d.m_aMuStrengthIIEnd[i][kStrengthMomentNegativeComposite]
                            : d.m_aMuStrengthII[i][kStrengthMomentPositive];
        }));
    } else {
        cols.push_back(Moment("Mu" + s, [&d, negative](int i) {
            return negative ? d.m_aFactoredMomentEnvelope[i][kStrengthINegative]
                            : d.m_aMuFlexure[i][kStrengthIPositive];
        }));
    }
    cols.push_back(Moment("Mr" + s, [&d, sign](int i) { return d.m_aFlexureMr[i][sign]; }));
    cols.push_back(Moment("Mcr" + s, [&d, sign](int i) { return d.m_aFlexureMcr[i][sign]; }));
    if (IsLrfd(d.m_nSpecification)) {
        cols.push_back(
            Ratio("phi" + s, kRatioFormat, [&d, sign](int i) { return d.m_aFlexurePhi[i][sign]; }));
    } else {
        cols.push_back(Ratio("c/d" + s, kRatioFormat,
                             [&d, sign](int i) { return d.m_aFlexureDepthRatio[i][sign]; }));
    }
}

}  // namespace

float PointFraction(int i, int points) {
    return static_cast<float>(i) / static_cast<float>(points);
}

int ResultStation(int i, int points) {
    return static_cast<int>((PointFraction(i, points) + kResultIndexBias) * 100.0f);
}

std::vector<std::string> OfferedResultTypes(const CKordelDoc& d) {
    const bool composite = d.m_bCompositeDeck != 0;
    const bool handling = d.m_bCheckStripping != 0 || d.m_bCheckHandling != 0;
    const bool rating = d.m_bIncludeLoadRating != 0;
    const bool offered[24] = {
        true,
        true,
        true,
        true,
        true,
        true,
        true,
        true,
        composite,
        d.m_dDiaphragmWeight > 0,
        d.m_dOtherNonCompositeLoad > 0,
        d.m_dBarrierLoad > 0,
        d.m_dWearingSurfaceLoad > 0,
        composite,
        composite && d.m_bContinuous != 0,
        !composite,
        d.m_dPedestrianLoad > 0,
        true,
        true,
        composite,
        handling,
        handling,
        rating && d.m_bRatingInventory != 0,
        rating && d.m_bRatingOperating != 0,
    };
    std::vector<std::string> types;
    for (int t = 0; t < 24; ++t)
        if (offered[t]) types.emplace_back(kResultTypeNames[t]);
    return types;
}

std::vector<ResultColumn> ResultColumns(const CKordelDoc& d, const std::string& type) {
    const bool composite = d.m_bCompositeDeck != 0;
    const bool continuous = d.m_bContinuous != 0;
    std::vector<ResultColumn> cols;
    auto deflection = [&d](int table) {
        return [&d, table](int i) { return d.m_adDeflectionResults[table][i]; };
    };
    int t = 0;
    while (t < 24 && !IsType(type, t)) ++t;
    switch (t) {
        case 0:
            cols.push_back(Camber("Prestress", deflection(kDeflPretension)));
            cols.push_back(Camber("Girder", deflection(kDeflGirder)));
            break;
        case 1:
            cols.push_back(Camber("Prestress", [&d](int i) {
                return d.m_adCamberMultiplier[kWPrestressErection] *
                       d.m_adDeflectionResults[kDeflPretension][i];
            }));
            cols.push_back(Camber("Girder", [&d](int i) {
                return d.m_adCamberMultiplier[kWGirderErection] *
                       d.m_adDeflectionResults[kDeflGirder][i];
            }));
            cols.push_back(Camber("Deck", deflection(kDeflDeck)));
            cols.push_back(Camber("Overlay", deflection(kDeflOverlay)));
            cols.push_back(Camber("Diaphs", deflection(kDeflDiaphragms)));
            cols.push_back(Camber("UDL NC", deflection(kDeflOtherNonComposite)));
            cols.push_back(Camber("Barriers", deflection(kDeflBarriers)));
            cols.push_back(Camber("FWS", deflection(kDeflWearingSurface)));
            cols.push_back(Camber("UDL C", deflection(kDeflOtherComposite)));
            break;
        case 2:
            ServiceColumns(cols, d, kServiceRelease, "", false);
            if (d.m_bReleaseTensionSteelRequired) {
                cols.push_back({"Astt", "in2", "mm2", kSquareInchesToMm2, nullptr,
                                [&d](int i) { return d.m_adReleaseTensionSteel[i]; }});
            }
            break;
        case 3:
            ServiceColumns(cols, d, kServicePermanent, "", composite);
            break;
        case 4:
        case 5: {
            const bool half = t == 4;
            ServiceColumns(cols, d, half ? kServiceFatiguePositive : kServiceAllLoadsPositive,
                           "(+M)", composite);
            if (continuous) {
                ServiceColumns(cols, d, half ? kServiceFatigueNegative : kServiceAllLoadsNegative,
                               "(-M)", composite);
            }
            break;
        }
        case 6:
            LoadCaseColumns(cols, d, kStressGirder, false);
            break;
        case 7:
            cols.push_back(Stress("Top of Beam", [&d](int i) {
                return d.m_aPrestressStress[i][kPrestressFinalTop];
            }));
            cols.push_back(Stress("Bottom of Beam", [&d](int i) {
                return d.m_aPrestressStress[i][kPrestressFinalBottom];
            }));
            break;
        case 8:
            LoadCaseColumns(cols, d, kStressDeck, false);
            break;
        case 9:
            LoadCaseColumns(cols, d, kStressDiaphragms, false);
            break;
        case 10:
            LoadCaseColumns(cols, d, kStressOtherNonComposite, false);
            break;
        case 11:
            LoadCaseColumns(cols, d, kStressBarriers, composite);
            break;
        case 12:
            LoadCaseColumns(cols, d, kStressWearingSurface, composite);
            break;
        case 13:
            LoadCaseColumns(cols, d, kStressLiveLoad, true);
            break;
        case 14:
            LoadCaseColumns(cols, d, kStressLiveLoadNegative, true);
            break;
        case 15:
            LoadCaseColumns(cols, d, kStressLiveLoad, false);
            break;
        case 16:
            LoadCaseColumns(cols, d, kStressPedestrian, composite);
            break;
        case 17: {
            const bool strengthII = d.m_bIncludeStrengthII != 0;
            cols.push_back(
                Force("Provided Vr", [&d](int i) { return d.m_dPhiShear * d.m_adShearVr[i]; }));
            cols.push_back(
                Force("Max Allow Vr", [&d](int i) { return d.m_dPhiShear * d.m_adShearVrMax[i]; }));
            cols.push_back(Force(strengthII ? "Vu StrengthI" : "Vu",
                                 [&d](int i) { return d.m_adVuStrengthI[i]; }));
            if (strengthII)
                cols.push_back(
                    Force("Vu StrengthII", [&d](int i) { return d.m_adVuStrengthII[i]; }));
            cols.push_back(Force("Vc,adopt", [&d](int i) { return d.m_adShearVc[i]; }));
            cols.push_back(Force("Vs,req", [&d](int i) { return d.m_adShearVs[i]; }));
            cols.push_back(Force("Vs,prov", [&d](int i) { return d.m_adShearVsProvided[i]; }));
            cols.push_back(
                AreaPerLength("Av,adopt", [&d](int i) { return d.m_adShearAvDesign[i]; }));
            cols.push_back(AreaPerLength("Av,prov", [&d](int i) { return d.m_adAvProvided[i]; }));
            break;
        }
        case 18:
            FlexureColumns(cols, d, kFlexurePositive);
            if (continuous) FlexureColumns(cols, d, kFlexureNegative);
            break;
        case 19:
            cols.push_back(Force("Vu", [&d](int i) { return d.m_adVu[i]; }));
            cols.push_back(Stress("vuh", [&d](int i) { return d.m_adInterfaceVuh[i]; }));
            cols.push_back(Force("Vnhr", [&d](int i) { return d.m_adInterfaceVnh[i]; }));
            cols.push_back(AreaPerLength("Avfc", [&d](int i) { return d.m_adInterfaceAvfc[i]; }));
            cols.push_back(AreaPerLength("Avf", [&d](int i) { return d.m_adInterfaceAvf[i]; }));
            break;
        case 20:
            HandlingColumns(cols, d.m_LiftingArrays);
            break;
        case 21:
            HandlingColumns(cols, d.m_ShippingArrays);
            break;
        case 22:
            cols.push_back(Rating("Tension", d, kRatingInvTension));
            cols.push_back(Rating("Compression", d, kRatingInvCompression));
            if (continuous) {
                cols.push_back(Rating("Flexure (+)", d, kRatingInvFlexurePos));
                cols.push_back(Rating("Flexure (-)", d, kRatingInvFlexureNeg));
            } else {
                cols.push_back(Rating("Flexure", d, kRatingInvFlexurePos));
            }
            cols.push_back(Rating("Shear", d, kRatingInvShear));
            break;
        case 23:
            if (continuous) {
                cols.push_back(Rating("Flexure (+)", d, kRatingOprFlexurePos));
                cols.push_back(Rating("Flexure (-)", d, kRatingOprFlexureNeg));
            } else {
                cols.push_back(Rating("Flexure", d, kRatingOprFlexurePos));
            }
            cols.push_back(Rating("Shear", d, kRatingOprShear));
            break;
        default:
            break;
    }
    return cols;
}

const DialogTemplate& CResultsGridDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_RESULTS_GRID;
        d.caption = "Results Grid";
        d.size = {562, 368};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "Result Type:", 7, 9, 41, 8),
            MakeControl(ControlKind::ComboBox, IDC_RESULT_TYPE, "", 7, 19, 134, 104,
                        kStyleComboEdit),
            MakeControl(ControlKind::Label, kIdStatic, "Number of Points:", 147, 9, 60, 8),
            MakeControl(ControlKind::RadioButton, IDC_POINTS_4, "4", 147, 22, 22, 10, kStyleGroup),
            MakeControl(ControlKind::RadioButton, IDC_POINTS_10, "10", 173, 22, 24, 10),
            MakeControl(ControlKind::RadioButton, IDC_POINTS_20, "20", 201, 22, 25, 10),
            MakeControl(ControlKind::RadioButton, IDC_POINTS_100, "100", 230, 22, 28, 10),
            MakeControl(ControlKind::Custom, IDC_RESULTS_GRID, "MFCGridCtrl", 7, 35, 548, 290,
                        kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 447, 347, 50, 14),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 505, 347, 50, 14),
        };
        return d;
    }();
    return t;
}

CResultsGridDlg::CResultsGridDlg(const CKordelDoc& doc) : Dialog(Template()), m_doc(doc) {
    m_commands.On(IDC_POINTS_4, [this] { OnPoints(IDC_POINTS_4, 4); });
    m_commands.On(IDC_POINTS_10, [this] { OnPoints(IDC_POINTS_10, 10); });
    m_commands.On(IDC_POINTS_20, [this] { OnPoints(IDC_POINTS_20, 20); });
    m_commands.On(IDC_POINTS_100, [this] { OnPoints(IDC_POINTS_100, 100); });
    OnNotify(Notification::SelChange, IDC_RESULT_TYPE, [this] { OnSelchangeResultType(); });
}

void CResultsGridDlg::DoDataExchange(DataExchange&) {}

bool CResultsGridDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_grid.Attach(CreateControlWindow(IDC_RESULTS_GRID, m_grid), IDC_RESULTS_GRID);
    m_nResultType = 0;
    ResetContent(IDC_RESULT_TYPE);
    for (const std::string& type : OfferedResultTypes(m_doc)) AddString(IDC_RESULT_TYPE, type);
    SetCurSel(IDC_RESULT_TYPE, 0);
    m_nPoints = 4;
    CheckRadioButton(IDC_POINTS_4);
    m_strResultType = kCamberType;
    FillGrid(m_strResultType);
    return true;
}

void CResultsGridDlg::OnPoints(int radioId, int points) {
    m_nPoints = points;
    CheckRadioButton(radioId);
    FillGrid(m_strResultType);
}

void CResultsGridDlg::OnSelchangeResultType() {
    const int index = GetCurSel(IDC_RESULT_TYPE);
    if (index < 0) return;
    m_nResultType = index;
    m_strResultType = GetItemString(IDC_RESULT_TYPE, index);
    FillGrid(m_strResultType);
    InvalidateItem();
}

void CResultsGridDlg::FillGrid(const std::string& type) {
    const std::vector<ResultColumn> cols = ResultColumns(m_doc, type);
    if (cols.empty()) return;
    const bool us = m_doc.m_nUnits == kUnitsUS;
    const char* general = us ? "%7.3f" : "%6.3f";
    const double lengthFactor = us ? 1.0 : kFeetToMetres;
    const double length = type == kCamberType ? m_doc.m_dGirderLength : m_doc.m_dDesignSpan;

    m_nCols = 2 + static_cast<int>(cols.size());
    m_nRows = m_nPoints + 1 + kGridHeadingRows;
    m_grid.SetColumnCount(m_nCols);
    m_grid.SetRowCount(m_nRows);
    m_grid.SetFixedRowCount(kGridHeadingRows);

    m_grid.SetCellText(0, 0, "Loc");
    m_grid.SetCellText(1, 0, "");
    m_grid.SetCellText(0, 1, "Loc");
    m_grid.SetCellText(1, 1, us ? "(ft)" : "(m)");
    for (int c = 0; c < static_cast<int>(cols.size()); ++c) {
        m_grid.SetCellText(0, c + 2, cols[c].name);
        m_grid.SetCellText(1, c + 2, us ? cols[c].usUnit : cols[c].metricUnit);
    }
    for (int r = kGridHeadingRows; r < m_nRows; ++r)
        for (int c = 0; c < m_nCols; ++c)
            m_grid.SetCellState(r, c, m_grid.GetCellState(r, c) | kGridCellStateReadOnly);

    for (int i = 0; i <= m_nPoints; ++i) {
        const int row = kGridHeadingRows + i;
        const double fraction = static_cast<double>(PointFraction(i, m_nPoints));
        const int station = ResultStation(i, m_nPoints);
        m_grid.SetCellText(row, 0, Format("%4.2fL", fraction));
        m_grid.SetCellText(row, 1,
                           WithoutNegativeZeros(Format(general, fraction * length * lengthFactor)));
        for (int c = 0; c < static_cast<int>(cols.size()); ++c) {
            const ResultColumn& col = cols[c];
            const double factor = us ? 1.0 : col.metricFactor;
            m_grid.SetCellText(row, c + 2,
                               WithoutNegativeZeros(Format(col.format ? col.format : general,
                                                           col.value(station) * factor)));
        }
    }
    m_grid.RefreshGrid();
}

}  // namespace kordel
