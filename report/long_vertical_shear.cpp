// Long form: vertical shear and the anchorage zone.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteVerticalShearBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
