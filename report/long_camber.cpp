// Long form: camber and deflection, and interface shear.
#include "report/text_report.h"

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel {

void WriteCamberBlock(ReportContext& ctx) { (void)ctx; }
void WriteInterfaceShearBlock(ReportContext& ctx) { (void)ctx; }

}  // namespace kordel
