// Long form: flexure and load rating.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteFlexureBlock(ReportContext& ctx) { (void)ctx; }
void WriteLoadRatingBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
