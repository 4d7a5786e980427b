#pragma once

#include <QWidget>

#include "labels/LabelSheets.h"
#include "labels/PagedDocument.h"

namespace marlo {

// The first page of a label document, scaled to the widget, with the stickers of its layout
// outlined in grey so that a partly used sheet shows where printing starts.
class LabelPreview : public QWidget {
  public:
    explicit LabelPreview(QWidget* parent = nullptr);

    void setDocument(const PagedDocument& document, const LabelSheetLayout& layout);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PagedDocument document_;
    LabelSheetLayout layout_;
};

}  // namespace marlo
