#include "paper/ReportPdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <string_view>

#include "jobfile/AtomicFile.h"
#include "paper/PainterPrinter.h"
#include "reports/PrintedReport.h"

namespace marlo {

namespace {

// The margins of a typical office printer: the widest landscape line (the version after 113
// blanks) still fits across an A4 page.
constexpr double kMarginMillimetres = 10.0;

}  // namespace

bool writeReportPdf(const std::filesystem::path& path, const ReportData& data,
                    const StringCatalogue& catalogue, char decimalSeparator) {
    return writeReportPdf(path, std::span<const ReportData>(&data, 1), catalogue, decimalSeparator);
}

bool writeReportPdf(const std::filesystem::path& path, std::span<const ReportData> sections,
                    const StringCatalogue& catalogue, char decimalSeparator) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("marlo-veen"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                        kMarginMillimetres),
                              QPageLayout::Millimeter);
        PainterPrinter painter(writer);
        printReports(painter, sections, catalogue, decimalSeparator);
        if (!painter.succeeded()) return false;
    }
    const QByteArray& bytes = buffer.data();
    return writeFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace marlo
