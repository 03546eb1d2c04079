// "Job Information": the five strings that name the job in every printed page header (project,
// task, client, job number, designer). The members are the dialog's whole interface; on OK
// each comes back padded with blanks to exactly its width.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

namespace kordel {

inline constexpr int IDD_JOB_INFO = 148;
inline constexpr int IDC_JOB_PROJECT = 1067;
inline constexpr int IDC_JOB_TASK = 1068;
inline constexpr int IDC_JOB_CLIENT = 1069;
inline constexpr int IDC_JOB_DESIGNER = 1070;
inline constexpr int IDC_JOB_NUMBER = 1211;
/// The wizard's buttons, made hidden and never shown.
inline constexpr int IDC_WIZARD_BACK = 1027;
inline constexpr int IDC_WIZARD_NEXT = 1006;

/// Width of the project, task, client and job number strings, and of the designer's initials.
inline constexpr int kJobFieldWidth = 30;
inline constexpr int kDesignerWidth = 4;

class CJobDlg : public platform::ui::Dialog {
  public:
    CJobDlg();
    void DoDataExchange(platform::ui::DataExchange& dx) override;
    /// Takes the fields in and pads each to its width.
    void OnOK() override;

    /// The dialog's template (148 "Job Information").
    static const platform::ui::DialogTemplate& Template();

    std::string m_strProject;    ///< "Project Name:"
    std::string m_strTask;       ///< "Task:"
    std::string m_strClient;     ///< "Client:"
    std::string m_strJobNumber;  ///< "Job No:"
    std::string m_strDesigner;   ///< "Designer:" (initials)
};

}  // namespace kordel
