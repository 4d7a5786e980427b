#include "reports/TextReport.h"

#include <string_view>

#include "i18n/texts/CoreTexts.h"
#include "jobfile/AtomicFile.h"
#include "jobfile/Cp1250.h"
#include "jobfile/ProductionJobFile.h"
#include "reports/ColumnWriter.h"
#include "reports/ReportLines.h"

namespace marlo {

namespace {

constexpr int kVersionIndent = 70;
constexpr int kNewJobCaption = 63;  // "Marlo-veen : New"
constexpr int kNewJobPrefixLength = 13;
constexpr int kJobExtensionLength = 4;
constexpr int kProductionJobExtensionLength = 6;  // ".mvjob"

void writeEmptyLines(ColumnWriter& out, int count) {
    for (int i = 0; i < count; ++i) out.endLine();
}

void writeHeadings(ColumnWriter& out, const StringCatalogue& catalogue, int dimensionColumns) {
    out.textEndingAt(catalogue.text(core_text::kReportSequence), reportValueColumn(1));
    out.textEndingAt(catalogue.text(core_text::kReportNoOf), reportValueColumn(2));
    writeDimensionHeadings(out, catalogue, dimensionColumns);
    out.endLine();
    out.textEndingAt(catalogue.text(core_text::kReportNumber), reportValueColumn(1));
    out.textEndingAt(catalogue.text(core_text::kReportRods), reportValueColumn(2));
    out.textEndingAt(catalogue.text(core_text::kWaste), reportValueColumn(3));
    writeDimensionNumbers(out, 1, dimensionColumns);
    out.endLine();
}

// Sequence number, rods, waste and the lengths; the piece count is implied by the lengths.
void writePatternRow(ColumnWriter& out, const RodPattern& pattern) {
    int position = 0;
    for (int value : {pattern.sequence, pattern.rods, pattern.waste}) {
        out.numberEndingAt(value, reportValueColumn(++position));
    }
    for (int i = 0; i < pattern.pieceCount; ++i) {
        out.numberEndingAt(pattern.lengths[i], reportValueColumn(++position));
    }
    out.endLine();
}

}  // namespace

std::string composeTextReport(const ReportData& data, const StringCatalogue& catalogue,
                              char decimalSeparator) {
    const int dimensionColumns = data.patterns ? data.patterns->maxPieceCount() : 0;
    StringLineSink sink;
    ColumnWriter out(sink);

    writeVersionLine(out, kVersionIndent);
    writeHeaderLines(out, data, catalogue);
    writeEmptyLines(out, 2);

    writeHeadings(out, catalogue, dimensionColumns);
    writeRule(out, dimensionColumns);
    writeEmptyLines(out, 1);
    if (data.patterns) {
        for (const RodPattern& pattern : *data.patterns) {
            writePatternRow(out, pattern);
            // The line after a row names its stock, in a plan from a stock list.
            if (const auto stock = patternStockText(data, pattern, catalogue)) {
                out.tab(kStockTextColumn);
                out.text(*stock);
            }
            writeEmptyLines(out, 1);
        }
    }
    writeEmptyLines(out, 2);

    for (const std::string& line : totalsLines(data, catalogue, decimalSeparator)) {
        out.text(line);
        out.endLine();
    }
    if (const auto line = lowerBoundLine(data.lowerBound, data.optimal, catalogue)) {
        out.text(*line);
        out.endLine();
    }
    for (const std::string& line : stockLines(data, catalogue, decimalSeparator)) {
        out.text(line);
        out.endLine();
    }
    writeEmptyLines(out, 2);

    writeSummary(out, data.summary, catalogue);
    return sink.text();
}

bool saveTextReport(const std::filesystem::path& path, const ReportData& data,
                    const StringCatalogue& catalogue, char decimalSeparator) {
    return writeFileAtomically(path,
                               utf8ToCp1250(composeTextReport(data, catalogue, decimalSeparator)));
}

bool saveTextReports(const std::filesystem::path& path, std::span<const ReportData> sections,
                     const StringCatalogue& catalogue, char decimalSeparator) {
    std::string text;
    for (const ReportData& data : sections)
        text += composeTextReport(data, catalogue, decimalSeparator);
    return writeFileAtomically(path, utf8ToCp1250(text));
}

std::string proposedReportFileName(const std::string& jobFileName,
                                   const StringCatalogue& catalogue) {
    if (jobFileName.empty()) {
        const std::string& caption = catalogue.text(kNewJobCaption);
        return caption.substr(byteOffsetOfCharacter(caption, kNewJobPrefixLength));
    }
    // A production job's ".mvjob" goes whole, so that its reports are not named "frames.m…".
    const int extension =
        isProductionJobFileName(jobFileName) ? kProductionJobExtensionLength : kJobExtensionLength;
    const int keep = characterCount(jobFileName) - extension;
    return keep > 0 ? jobFileName.substr(0, byteOffsetOfCharacter(jobFileName, keep)) : "";
}

}  // namespace marlo
