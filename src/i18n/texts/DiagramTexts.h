#pragma once

namespace marlo::diagram_text {

// Catalogue offsets of the cutting diagram's texts.
inline constexpr int kTitle = 135;        // "Cutting diagram"
inline constexpr int kDate = 136;         // "Date"
inline constexpr int kSliver = 137;       // "Sliver"
inline constexpr int kPage = 138;         // "Page"
inline constexpr int kPrint = 139;        // "Print diagram"
inline constexpr int kExportPdf = 140;    // "Export diagram as PDF"
inline constexpr int kExportSvg = 141;    // "Export diagram as SVG"
inline constexpr int kPdfFilter = 142;    // "All files (*.*)|*.*|PDF files (*.pdf)|*.pdf"
inline constexpr int kSvgFilter = 143;    // "All files (*.*)|*.*|SVG files (*.svg)|*.svg"
inline constexpr int kLengthsInMm = 144;  // "All lengths in mm"

}  // namespace marlo::diagram_text
