// The text report and the girder summary of an analysis, built when first read after it: views,
// the results export and the batch front read them through Report() and GirderSummary(); the
// design loops, which analyse many times and read neither, never build them.
#include "document/kordel_doc.h"

namespace kordel {

namespace {

/// Restores the user's deck and section values when a report build ends, however it ends.
template <class Swap>
class ScopedSwap {
  public:
    ScopedSwap(bool active, Swap swap) : m_active(active), m_swap(swap) {
        if (m_active) m_swap();
    }
    ~ScopedSwap() {
        if (m_active) m_swap();
    }
    ScopedSwap(const ScopedSwap&) = delete;
    ScopedSwap& operator=(const ScopedSwap&) = delete;

  private:
    bool m_active;
    Swap m_swap;
};

}  // namespace

void CKordelDoc::TextReportDue() {
    m_bTextReportDue = 1;
    // BuildTextReport writes nothing for units it does not know and says "No output form
    // selected." for a form it does not know; the message belongs to the analysis or command
    // that set the form, so that build is done now.
    const bool knownUnits = m_nUnits == 1 || m_nUnits == 2;
    const bool knownForm = m_nReportForm == kReportShortForm || m_nReportForm == kReportLongForm;
    if (knownUnits && !knownForm) {
        Notify(AnalysisStage::BuildTextReport);
        BuildTextReport();
    }
}

void CKordelDoc::SetReportForm(int form) {
    m_nReportForm = form;
    TextReportDue();
}

void CKordelDoc::BuildDueReports() const {
    if (m_bTextReportDue == 0 && m_bGirderSummaryDue == 0) return;
    // The document is always created as a modifiable object (CreateObject): the reports are a
    // cache of the last analysis that a reader fills.
    CKordelDoc& self = const_cast<CKordelDoc&>(*this);
    // The reports show the deck and section values the analysis used: a decked bulb-tee's
    // adjusted ones are put in place for the build, the user's put back after it.
    ScopedSwap adjusted(m_bReportSectionAdjusted != 0, [&self] { self.SwapAdjustedSection(); });
    if (m_bTextReportDue != 0) {
        self.Notify(AnalysisStage::BuildTextReport);
        self.BuildTextReport();
    }
    if (m_bGirderSummaryDue != 0) {
        self.Notify(AnalysisStage::BuildGirderSummary);
        self.BuildGirderSummary();
    }
}

const std::vector<std::string>& CKordelDoc::Report() const {
    BuildDueReports();
    return m_saReport;
}

const std::vector<std::string>& CKordelDoc::GirderSummary() const {
    BuildDueReports();
    return m_saGirderSummary;
}

}  // namespace kordel
