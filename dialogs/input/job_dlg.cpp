#include "dialogs/input/job_dlg.h"

#include "report/format.h"

namespace kordel {

using namespace platform::ui;

const DialogTemplate& CJobDlg::Template() {
    static const DialogTemplate t = [] {
        DialogTemplate d;
        d.id = IDD_JOB_INFO;
        d.caption = "Job Information";
        d.size = {236, 118};
        d.controls = {
            MakeControl(ControlKind::Label, kIdStatic, "&Project Name:", 8, 10, 58, 9),
            MakeControl(ControlKind::Edit, IDC_JOB_PROJECT, "", 70, 8, 158, 13),
            MakeControl(ControlKind::Label, kIdStatic, "&Task:", 8, 27, 58, 9),
            MakeControl(ControlKind::Edit, IDC_JOB_TASK, "", 70, 25, 158, 13),
            MakeControl(ControlKind::Label, kIdStatic, "&Client:", 8, 44, 58, 9),
            MakeControl(ControlKind::Edit, IDC_JOB_CLIENT, "", 70, 42, 158, 13),
            MakeControl(ControlKind::Label, kIdStatic, "&Job No:", 8, 61, 58, 9),
            MakeControl(ControlKind::Edit, IDC_JOB_NUMBER, "", 70, 59, 158, 13),
            MakeControl(ControlKind::Label, kIdStatic, "&Designer:", 8, 78, 58, 9),
            MakeControl(ControlKind::Edit, IDC_JOB_DESIGNER, "", 70, 76, 40, 13),
            MakeControl(ControlKind::DefPushButton, kIdOk, "OK", 122, 98, 50, 14, kStyleGroup),
            MakeControl(ControlKind::PushButton, kIdCancel, "Cancel", 178, 98, 50, 14),
            MakeControl(ControlKind::PushButton, IDC_WIZARD_BACK, "< Back", 8, 98, 50, 14,
                        kStyleHidden),
            MakeControl(ControlKind::PushButton, IDC_WIZARD_NEXT, "Next >", 62, 98, 50, 14,
                        kStyleHidden),
        };
        return d;
    }();
    return t;
}

CJobDlg::CJobDlg() : Dialog(Template()) {}

void CJobDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_JOB_PROJECT, m_strProject, kJobFieldWidth);
    dx.Text(IDC_JOB_TASK, m_strTask, kJobFieldWidth);
    dx.Text(IDC_JOB_CLIENT, m_strClient, kJobFieldWidth);
    dx.Text(IDC_JOB_NUMBER, m_strJobNumber, kJobFieldWidth);
    dx.Text(IDC_JOB_DESIGNER, m_strDesigner, kDesignerWidth);
}

void CJobDlg::OnOK() {
    if (!UpdateData(true)) return;
    m_strProject = PadToWidth(m_strProject, kJobFieldWidth);
    m_strTask = PadToWidth(m_strTask, kJobFieldWidth);
    m_strClient = PadToWidth(m_strClient, kJobFieldWidth);
    m_strJobNumber = PadToWidth(m_strJobNumber, kJobFieldWidth);
    m_strDesigner = PadToWidth(m_strDesigner, kDesignerWidth);
    EndDialog(kIdOk);
}

}  // namespace kordel
