// Long form: load-effect tables, support reactions and end rotations.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteAnalysisResultsBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
