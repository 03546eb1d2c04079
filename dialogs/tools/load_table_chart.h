// The load-table chart: strands against span, one curve per load table (girder spacing), with a
// side panel of the girder section, its properties, the legends and the main project data. The
// dialog "Generate Load Tables" draws it in its chart frame and the printout on paper, both in
// 0.01 inch units with y up. The printout adds a title block and the tables as columns.
#pragma once

#include <string>
#include <vector>

#include "document/load_tables.h"
#include "platform/ui/dc.h"
#include "platform/ui/print.h"

namespace kordel {

class CKordelDoc;

/// The strand axis: from 0 up to `top` in `intervals` steps of `step`.
struct StrandAxis {
    double top = 10;
    int step = 10;
    int intervals = 1;
};
/// The span axis: from `lo` to `hi` ft in `intervals` steps of 10 ft.
struct SpanAxis {
    double lo = 0;
    double hi = 10;
    int intervals = 1;
};

/// The strand axis over the largest and smallest strand counts of the rows: a top above the
/// largest in tens, steps of 10 up to 100 and of 25 above.
StrandAxis StrandAxisFor(double maxStrands, double minStrands);
/// The span axis over the longest and shortest spans, in whole tens of feet; spans that are all
/// one multiple of 10 get an axis one interval wide.
SpanAxis SpanAxisFor(double maxSpan, double minSpan);

/// Colour of table t (1 to 4) and its letter on the chart.
platform::ui::Colour LoadTableColour(int t);
char LoadTableLetter(int t);

/// "%5.2f ft" of a spacing: the label of a table in the chart's spacing legend.
std::string LoadTableSpacingLabel(double spacing);

/// Draws the chart of `tables` and its side panel inside `r` (logical, top above bottom) on a
/// device context in 0.01 inch units; `doc` gives the section and the project data.
void DrawLoadTableChart(platform::ui::DC& dc, const platform::ui::Rect& r,
                        const LoadTableSet& tables, const CKordelDoc& doc);

/// The page and line of one printed line of the tables.
struct LoadTableLine {
    enum Kind { Table, Row, Legend } kind = Row;
    int table = 0;  ///< table number
    int row = 0;    ///< row number (0: a table line without a row)
    int page = 1;
    int y = 0;      ///< text bottom, 0.01 inch (negative, down from the page top)
};

/// Where every line of the printed tables goes: the first page under the chart and its
/// heading, continuation pages under their title block, the legend after the last table.
std::vector<LoadTableLine> LoadTablePrintLines(const LoadTableSet& tables);
/// Pages of the printout of `tables`.
int LoadTablePageCount(const LoadTableSet& tables);

/// The printout of the load tables: the title block on every page, the chart and the column
/// heading on the first, the tables and the legend.
class LoadTablePrintout : public platform::ui::Printable {
  public:
    LoadTablePrintout(const LoadTableSet& tables, const CKordelDoc& doc)
        : m_tables(tables), m_doc(doc) {}
    bool OnPreparePrinting(platform::ui::PrintInfo& info) override;
    void OnPrint(platform::ui::DC& dc, platform::ui::PrintInfo& info) override;

  private:
    const LoadTableSet& m_tables;
    const CKordelDoc& m_doc;
};

/// The printout's title block with its top left corner at (a, b), page `page` of `pages`.
void DrawLoadTableTitleBlock(platform::ui::DC& dc, const CKordelDoc& doc, int a, int b, int page,
                             int pages);

}  // namespace kordel
