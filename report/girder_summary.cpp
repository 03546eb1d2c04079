// The girder summary: the code-compliance lines of the design.
#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/text_report.h"

namespace kordel {

void CKordelDoc::BuildGirderSummary() { m_saGirderSummary.clear(); }

}  // namespace kordel
