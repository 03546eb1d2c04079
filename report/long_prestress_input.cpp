// Long form: strand pattern, losses, post-tensioning, reinforcement and analysis options.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WritePrestressInputBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
