// Long form: girder, section, material, load, vehicle and factor data.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteInputDataBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
