#include "dialogs/tools/load_tables_dlg.h"

#include <algorithm>

#include "dialogs/tools/load_table_chart.h"
#include "dialogs/tools/load_table_results_dlg.h"
#include "document/kordel_doc.h"
#include "engine/checks/load_tables.h"
#include "platform/host.h"
#include "platform/ui/dc.h"
#include "platform/ui/toolkit.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

/// The print job's name.
constexpr const char* kPrintJobName = "KordelLoadTable";

}  // namespace

const DialogTemplate& CLoadTablesDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_LOAD_TABLES;
        d.caption = "Generate Load Tables";
        d.size = {500, 291};
        auto label = [](const char* text, int x, int y, int w) {
            return MakeControl(ControlKind::Label, kIdStatic, text, x, y + 2, w, 8);
        };
        d.controls = {
            MakeControl(ControlKind::GroupBox, kIdStatic, "Section", 7, 4, 153, 58),
            label("ID:", 13, 14, 16),
            MakeControl(ControlKind::Edit, IDC_LT_SECTION_NAME, "", 32, 14, 122, 12,
                        kStyleReadOnly),
            label("Height,in:", 13, 29, 36),
            MakeControl(ControlKind::Edit, IDC_LT_SECTION_HEIGHT, "", 50, 29, 32, 12,
                        kStyleReadOnly),
            label("cg,in:", 88, 29, 28),
            MakeControl(ControlKind::Edit, IDC_LT_SECTION_YB, "", 118, 29, 36, 12,
                        kStyleReadOnly),
            label("Area,in2:", 13, 44, 36),
            MakeControl(ControlKind::Edit, IDC_LT_SECTION_AREA, "", 50, 44, 32, 12,
                        kStyleReadOnly),
            label("MI,in4:", 88, 44, 28),
            MakeControl(ControlKind::Edit, IDC_LT_SECTION_IXX, "", 118, 44, 36, 12,
                        kStyleReadOnly),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Girder Spacing", 7, 66, 153, 76),
            MakeControl(ControlKind::Label, kIdStatic, "Spacing,ft", 36, 76, 54, 8, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Tslab,in", 96, 76, 54, 8, kStyleCenter),
            label("A.", 15, 86, 14),
            MakeControl(ControlKind::Edit, IDC_LT_SPACING_A, "", 36, 86, 54, 12),
            MakeControl(ControlKind::Edit, IDC_LT_SLAB_A, "", 96, 86, 54, 12),
            label("B.", 15, 100, 14),
            MakeControl(ControlKind::Edit, IDC_LT_SPACING_B, "", 36, 100, 54, 12),
            MakeControl(ControlKind::Edit, IDC_LT_SLAB_B, "", 96, 100, 54, 12),
            label("C.", 15, 114, 14),
            MakeControl(ControlKind::Edit, IDC_LT_SPACING_C, "", 36, 114, 54, 12),
            MakeControl(ControlKind::Edit, IDC_LT_SLAB_C, "", 96, 114, 54, 12),
            label("D.", 15, 128, 14),
            MakeControl(ControlKind::Edit, IDC_LT_SPACING_D, "", 36, 128, 54, 12),
            MakeControl(ControlKind::Edit, IDC_LT_SLAB_D, "", 96, 128, 54, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "f'ci,ksi", 7, 146, 75, 44),
            label("Min:", 13, 156, 20),
            MakeControl(ControlKind::Edit, IDC_LT_FCI_MIN, "", 36, 156, 40, 12),
            label("Max:", 13, 172, 20),
            MakeControl(ControlKind::Edit, IDC_LT_FCI_MAX, "", 36, 172, 40, 12),
            MakeControl(ControlKind::GroupBox, kIdStatic, "No. Strands", 85, 146, 75, 44),
            label("Min.", 91, 156, 20),
            MakeControl(ControlKind::Edit, IDC_LT_STRANDS_MIN, "", 114, 156, 40, 12),
            label("Max.", 91, 172, 20),
            MakeControl(ControlKind::Edit, IDC_LT_STRANDS_MAX, "", 114, 172, 40, 12),

            MakeControl(ControlKind::GroupBox, kIdStatic, "Modes to Chk", 7, 194, 75, 40),
            MakeControl(ControlKind::CheckBox, IDC_LT_STRESS, "Stress", 13, 205, 60, 10,
                        kStyleGroup),
            MakeControl(ControlKind::CheckBox, IDC_LT_STRENGTH, "Strength", 13, 219, 60, 10),
            MakeControl(ControlKind::GroupBox, kIdStatic, "Span Range,ft", 85, 194, 75, 60),
            label("Min:", 91, 204, 20),
            MakeControl(ControlKind::Edit, IDC_LT_SPAN_MIN, "", 114, 204, 40, 12),
            label("Max:", 91, 220, 20),
            MakeControl(ControlKind::Edit, IDC_LT_SPAN_MAX, "", 114, 220, 40, 12),
            label("Inc:", 91, 236, 20),
            MakeControl(ControlKind::Edit, IDC_LT_SPAN_INC, "", 114, 236, 40, 12),

            MakeControl(ControlKind::Label, kIdStatic, "Spacing", 7, 238, 36, 8, kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "Span", 46, 238, 36, 8, kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_LT_SPACING_NOW, "", 7, 248, 36, 12,
                        kStyleCenter),
            MakeControl(ControlKind::SunkenFrame, IDC_LT_SPAN_NOW, "", 46, 248, 36, 12,
                        kStyleCenter),
            MakeControl(ControlKind::Label, kIdStatic, "L/", 166, 272, 10, 8, kStyleHidden),
            MakeControl(ControlKind::Edit, IDC_LT_DEFL_RATIO, "", 178, 270, 40, 12, kStyleHidden),

            MakeControl(ControlKind::SunkenFrame, IDC_LT_CHART, "", 166, 7, 327, 257,
                        kStyleOwnerDraw),
            MakeControl(ControlKind::PushButton, IDC_LT_GENERATE, "Generate", 7, 270, 50, 14,
                        kStyleGroup),
            MakeControl(ControlKind::PushButton, IDC_LT_PRINT, "Print...", 61, 270, 50, 14,
                        kStyleDisabled),
            MakeControl(ControlKind::PushButton, IDC_LT_RESULTS, "Results...", 115, 270, 50, 14,
                        kStyleDisabled),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 387, 270, 50, 14),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 443, 270, 50, 14),
        };
        return d;
    }();
    return t;
}

CLoadTablesDlg::CLoadTablesDlg(CKordelDoc& doc) : Dialog(Template()), m_doc(doc) {
    m_commands.On(IDC_LT_GENERATE, [this] { OnGenerate(); });
    m_commands.On(IDC_LT_PRINT, [this] { OnPrint(); });
    m_commands.On(IDC_LT_RESULTS, [this] { OnResults(); });
}

void CLoadTablesDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_LT_SECTION_NAME, m_strSectionName);
    dx.Double(IDC_LT_SECTION_HEIGHT, m_dSectionHeight);
    dx.Double(IDC_LT_SECTION_YB, m_dSectionYb);
    dx.Double(IDC_LT_SECTION_AREA, m_dSectionArea);
    dx.Double(IDC_LT_SECTION_IXX, m_dSectionIxx);
    dx.Double(IDC_LT_SPACING_A, m_dSpacingA);
    dx.Double(IDC_LT_SPACING_B, m_dSpacingB);
    dx.Double(IDC_LT_SPACING_C, m_dSpacingC);
    dx.Double(IDC_LT_SPACING_D, m_dSpacingD);
    dx.Double(IDC_LT_SLAB_A, m_dSlabA);
    dx.Double(IDC_LT_SLAB_B, m_dSlabB);
    dx.Double(IDC_LT_SLAB_C, m_dSlabC);
    dx.Double(IDC_LT_SLAB_D, m_dSlabD);
    dx.Double(IDC_LT_FCI_MIN, m_dFciMin);
    dx.Double(IDC_LT_FCI_MAX, m_dFciMax);
    dx.Int(IDC_LT_STRANDS_MIN, m_nStrandsMin);
    dx.Int(IDC_LT_STRANDS_MAX, m_nStrandsMax);
    dx.Check(IDC_LT_STRESS, m_bStress);
    dx.Check(IDC_LT_STRENGTH, m_bStrength);
    dx.Double(IDC_LT_SPAN_MIN, m_dSpanMin);
    dx.Double(IDC_LT_SPAN_MAX, m_dSpanMax);
    dx.Double(IDC_LT_SPAN_INC, m_dSpanInc);
    dx.Text(IDC_LT_SPACING_NOW, m_strSpacingNow);
    dx.Text(IDC_LT_SPAN_NOW, m_strSpanNow);
    dx.Double(IDC_LT_DEFL_RATIO, m_dDeflRatio);
}

bool CLoadTablesDlg::OnInitDialog() {
    m_bStress = m_anModes[kLoadTableModeStress] == 1;
    m_bStrength = m_anModes[kLoadTableModeStrength] == 1;
    m_dSectionHeight = m_doc.m_dSectionHeight;
    m_dSectionYb = m_doc.m_dSectionYb;
    m_dSectionArea = m_doc.m_dSectionArea;
    m_dSectionIxx = m_doc.m_dSectionIxx;
    m_dSpacingA = m_adSpacing[1];
    m_dSpacingB = m_adSpacing[2];
    m_dSpacingC = m_adSpacing[3];
    m_dSpacingD = m_adSpacing[4];
    m_dSlabA = m_adSlab[1];
    m_dSlabB = m_adSlab[2];
    m_dSlabC = m_adSlab[3];
    m_dSlabD = m_adSlab[4];
    m_tables.m_nTables = std::clamp(m_tables.m_nTables, 0, kMaxLoadTables);
    Dialog::OnInitDialog();
    EnableTableButtons();
    InvalidateItem(IDC_LT_CHART);
    return true;
}

void CLoadTablesDlg::KeepFields() {
    const double spacings[] = {m_dSpacingA, m_dSpacingB, m_dSpacingC, m_dSpacingD};
    const double slabs[] = {m_dSlabA, m_dSlabB, m_dSlabC, m_dSlabD};
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        m_adSpacing[p] = spacings[p - 1];
        m_adSlab[p] = slabs[p - 1];
    }
    m_anModes[kLoadTableModeStress] = m_bStress ? 1 : 0;
    m_anModes[kLoadTableModeStrength] = m_bStrength ? 1 : 0;
}

void CLoadTablesDlg::EnableTableButtons() {
    const bool any = m_tables.m_nTables > 0;
    EnableItem(IDC_LT_PRINT, any);
    EnableItem(IDC_LT_RESULTS, any);
}

void CLoadTablesDlg::OnOK() {
    if (!UpdateData(true)) return;
    KeepFields();
    EndDialog(kIdOk);
}

void CLoadTablesDlg::OnGenerate() {
    // A field that does not read as a number has been reported; nothing is generated from the
    // values it would leave behind.
    if (!UpdateData(true)) return;
    KeepFields();

    // The boxes go into the design's settings with OK; the tables keep the checks they were
    // designed with for the chart and for "Set as Current Design".
    LoadTableRequest request;
    for (int p = 1; p <= kMaxLoadTableSpacings; ++p) {
        request.spacing[p] = m_adSpacing[p];
        request.slab[p] = m_adSlab[p];
    }
    request.spanMin = m_dSpanMin;
    request.spanMax = m_dSpanMax;
    request.spanInc = m_dSpanInc;
    request.fciMin = m_dFciMin;
    request.fciMax = m_dFciMax;
    request.strandsMin = m_nStrandsMin;
    request.strandsMax = m_nStrandsMax;
    request.checks = {m_bStress != 0, m_bStrength != 0};
    if (const std::string why = LoadTableRequestError(m_doc, request); !why.empty()) {
        platform::ShowMessage(why, platform::MsgButtons::Ok, platform::MsgIcon::Warning);
        return;
    }

    double shownSpacing = -1.0;
    m_tables = GenerateLoadTables(m_doc, request, [&](double spacing, double span) {
        if (spacing != shownSpacing) {
            shownSpacing = spacing;
            m_strSpacingNow = Format("%5.2f", spacing);
            SetDlgItemText(IDC_LT_SPACING_NOW, m_strSpacingNow);
        }
        m_strSpanNow = Format("%4.0f", span);
        SetDlgItemText(IDC_LT_SPAN_NOW, m_strSpanNow);
        UpdateNow();
    });
    m_nSpacingCount = m_tables.m_nTables;
    EnableTableButtons();
    InvalidateItem(IDC_LT_CHART);
}

void CLoadTablesDlg::OnPrint() {
    if (m_tables.m_nTables <= 0) return;
    LoadTablePrintout printout(m_tables, m_doc);
    PrintInfo info;
    if (!printout.OnPreparePrinting(info)) return;
    PrintJob job;
    job.title = kPrintJobName;
    const PrintOutcome outcome = GetToolkit().Print(printout, info, job);
    if (outcome.status == PrintOutcome::Status::Failed)
        platform::ShowMessage(outcome.message, platform::MsgButtons::Ok, platform::MsgIcon::Error);
}

void CLoadTablesDlg::OnResults() {
    if (m_tables.m_nTables <= 0) return;
    CLoadTableTabularResultsDlg dlg;
    dlg.m_strSectionName = m_strSectionName;
    dlg.m_tables = m_tables;
    if (dlg.DoModal() != kIdOk) return;
    ApplyLoadTableCase(m_doc, dlg.m_dSelSpacing, dlg.m_dSelSpan, dlg.m_dSelSlab, m_tables.m_checks);
    m_bDesignApplied = true;
    InvalidateItem(IDC_LT_CHART);
}

void CLoadTablesDlg::OnDrawItem(int id, DC& dc, Size clientSize) {
    if (id != IDC_LT_CHART || clientSize.cx <= 0 || clientSize.cy <= 0) return;
    dc.SetMapMode(MapMode::LoEnglish);
    const Rect r = dc.DPtoLP(Rect{0, 0, clientSize.cx, clientSize.cy});
    const Pen previousPen = dc.SelectPen(Pen{PenStyle::Solid, 0, kBlack});
    const Brush previousBrush = dc.SelectBrush(Brush{BrushStyle::Solid, kWhite});
    dc.Rectangle(r);
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
    if (m_tables.m_nTables > 0) DrawLoadTableChart(dc, r, m_tables, m_doc);
}

}  // namespace kordel
