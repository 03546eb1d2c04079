// Long form: service stresses at release and final.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteStressBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
