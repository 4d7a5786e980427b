#pragma once

namespace marlo::diagram_text {

// Catalogue offsets of the cutting diagram's texts.
inline constexpr int kTitle = 135;        // "Cutting diagram"
inline constexpr int kDate = 136;         // "Date"
inline constexpr int kLowerBound = 137;   // "Lower bound"
inline constexpr int kSliver = 138;       // "Sliver"
inline constexpr int kPage = 139;         // "Page"
inline constexpr int kPrint = 140;        // "Print diagram"
inline constexpr int kExportPdf = 141;    // "Export diagram as PDF"
inline constexpr int kExportSvg = 142;    // "Export diagram as SVG"
inline constexpr int kPdfFilter = 143;    // "All files (*.*)|*.*|PDF files (*.pdf)|*.pdf"
inline constexpr int kSvgFilter = 144;    // "All files (*.*)|*.*|SVG files (*.svg)|*.svg"
inline constexpr int kLengthsInMm = 145;  // "All lengths in mm"

}  // namespace marlo::diagram_text
