// Long form: continuity analysis of a continuous girder.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteContinuityBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
