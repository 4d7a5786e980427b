#pragma once

#include <QString>
#include <QStringList>

namespace marlo {

class ManualDocument;

// What the cover page shows besides the contents of the parts.
struct ManualCover {
    QString title;
    QStringList subtitles;
    QString version;
    QString iconPath;
};

// The page geometry of the manual: A4 with the text inside fixed margins, at the writer's
// resolution.
struct ManualPage {
    static constexpr int kDotsPerInch = 300;
    static constexpr double kLeftMillimetres = 22;
    static constexpr double kRightMillimetres = 22;
    static constexpr double kTopMillimetres = 20;
    static constexpr double kBottomMillimetres = 22;
};

// Writes the manual as a PDF: a cover page with the title, the version and the page of each part,
// then the pages of the text, each with the part's title and the page number at its foot.
// Returns false when the file cannot be written.
bool writeManualPdf(const QString& path, const ManualCover& cover, const QStringList& parts,
                    const QString& partsFolder);

}  // namespace marlo
