// The parts of the section record's layout that the .ksl file and the older section archive
// share: the archive's records are .ksl records without the version and without what follows the
// template layout, and its earliest records also keep three values of each template row only.
#pragma once

#include "libraries/record_walker.h"
#include "libraries/section_lib_doc.h"

namespace kordel {

/// From the name to the circular voids. Each template row holds `templateValuesPerRow` values
/// (kMaxPatternColumns, or 3 in the earliest archive records); the rest of a row is not touched.
void WalkSectionRecordCore(RecordWalker& w, SectionLibRecord& r, int templateValuesPerRow);

/// The three generator tables (interleaved by slot), the template locations per row and the
/// template layout.
void WalkGeneratorAndLayout(RecordWalker& w, SectionLibRecord& r);

}  // namespace kordel
