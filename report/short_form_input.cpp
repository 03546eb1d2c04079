// Short form: bridge, girder, section, material, load and factor data.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteShortFormInput(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
