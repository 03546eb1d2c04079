// Stages whose computations are not written yet. Each leaves its results as they are; it moves
// to a source file of its own when its computation is written.
#include "document/kordel_doc.h"

namespace kordel {


}  // namespace kordel
