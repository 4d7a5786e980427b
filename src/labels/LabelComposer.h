#pragma once

#include <vector>

#include "i18n/StringCatalogue.h"
#include "labels/LabelSheets.h"
#include "labels/PagedDocument.h"
#include "labels/PieceLabels.h"

namespace marlo {

// Where the parts of one label lie; each box is inside the label and apart from the others.
struct LabelFaceBoxes {
    RectMm heading, big, sideTop, sideBottom, detail, secondDetail, barcode, code;
};
// A production job's label has a second small line below the length (material and order, and the
// angles of a piece with angled ends), taken from the barcode's height; the second detail box is
// empty on the others.
enum class DetailLines { One, Two };
LabelFaceBoxes labelFaceBoxes(const RectMm& label, DetailLines lines = DetailLines::One);

// The labels laid out on the pages of a sheet layout (or a roll), the first label on sticker
// `start` (1-based) of the first sheet, which must be valid for the layout. A label gives its
// texts and the bars of its Code 128 barcode, with the barcode's text below it; a production
// job's label also its part's mark, order and material, and for a part with angled ends their
// angles and, where the sticker has room, the piece's outline.
PagedDocument composePieceLabels(const std::vector<PieceLabel>& labels,
                                 const LabelSheetLayout& layout, int start,
                                 const StringCatalogue& catalogue);
PagedDocument composeOffcutLabels(const std::vector<OffcutLabel>& labels,
                                  const LabelSheetLayout& layout, int start,
                                  const StringCatalogue& catalogue);
// The piece labels, then on the next stickers the labels of the offcuts a booking kept.
PagedDocument composePieceAndOffcutLabels(const std::vector<PieceLabel>& pieces,
                                          const std::vector<OffcutLabel>& offcuts,
                                          const LabelSheetLayout& layout, int start,
                                          const StringCatalogue& catalogue);

}  // namespace marlo
