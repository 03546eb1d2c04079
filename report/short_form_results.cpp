// Short form: strand pattern, reinforcement, stresses, camber, shear and flexure.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteShortFormResults(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
