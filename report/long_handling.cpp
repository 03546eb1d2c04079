// Long form: stripping, handling, shipping and detensioning.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteHandlingBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
