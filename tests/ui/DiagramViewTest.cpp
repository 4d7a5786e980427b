#include <QFile>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include "WindowTest.h"
#include "ui/diagram/DiagramCanvas.h"
#include "ui/diagram/DiagramWindow.h"

namespace marlo {
namespace {

class DiagramViewTest : public WindowTest {
  protected:
    void SetUp() override {
        storeLaterStart(Language::English);
        start();
        ASSERT_TRUE(folder.isValid());
    }

    static int bars(const DiagramLayout& diagram) {
        int count = 0;
        for (const DiagramPage& page : diagram.pages)
            for (const DiagramBox& box : page.boxes) count += box.kind == BoxKind::Rod;
        return count;
    }

    static bool shows(const DiagramLayout& diagram, const std::string& text) {
        for (const DiagramPage& page : diagram.pages)
            for (const DiagramText& shown : page.texts)
                if (shown.text == text) return true;
        return false;
    }

    static QString pdfText(const QString& path) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

    QTemporaryDir folder;
};

TEST_F(DiagramViewTest, followsTheResult_zoomsWithCtrlWheel_printsAndExportsIt) {
    // Without a result the window opens empty and the diagram cannot be printed or exported.
    EXPECT_FALSE(action("mnu_tlacit_diagram")->isEnabled());
    EXPECT_FALSE(action("mnu_export_diagram_pdf")->isEnabled());
    QTest::mouseClick(find<QToolButton>("diagramButton"), Qt::LeftButton);
    auto* view = find<DiagramWindow>("Diagram");
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), "Cutting diagram");
    const DiagramCanvas* canvas = view->canvas();
    EXPECT_TRUE(canvas->diagram().pages.empty());
    // The operator goes back to the main window; the offscreen platform needs to be told.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // The worked example: two bars, and the header follows the job's texts.
    box("Text5")->setText("ACME");
    typeRow("2000", "3");
    typeRow("1500", "2");
    typeRow("1000", "4");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    EXPECT_EQ(bars(canvas->diagram()), 2);
    EXPECT_TRUE(shows(canvas->diagram(), "ACME"));
    box("Text5")->setText("Beta");
    EXPECT_TRUE(shows(canvas->diagram(), "Beta"));

    // Ctrl and the wheel zoom; the wheel alone leaves the zoom.
    QWidget* viewport = view->findChild<QScrollArea*>("diagramScroll")->viewport();
    const int width = canvas->width();
    for (const Qt::KeyboardModifiers modifiers : {Qt::ControlModifier, Qt::NoModifier}) {
        QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
    EXPECT_DOUBLE_EQ(canvas->zoom(), 1.15);
    EXPECT_GT(canvas->width(), width);

    // PDF and SVG through the save dialog, two copies through the printer dialog.
    const QString pdf = folder.filePath("plan.pdf"), svg = folder.filePath("plan.svg");
    dialogs.files = {pdf, svg};
    action("mnu_export_diagram_pdf")->trigger();
    action("mnu_export_diagram_svg")->trigger();
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[0].fileName, "New-diagram.pdf");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "All files (*.*)|*.*|PDF files (*.pdf)|*.pdf");
    EXPECT_EQ(dialogs.fileRequests[1].fileName, "New-diagram.svg");
    EXPECT_TRUE(pdfText(pdf).contains("Beta"));
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));
    const QString printed = folder.filePath("printed.pdf");
    dialogs.printerAccepted = true;
    dialogs.printToPdf = printed;
    dialogs.printCopies = 2;
    action("mnu_tlacit_diagram")->trigger();
    EXPECT_EQ(dialogs.printerRequests, 1);
    EXPECT_EQ(pdfText(printed).count("Page 1 / 1"), 2);
    EXPECT_TRUE(dialogs.messages.empty());

    // A changed list takes the result away, and the diagram with it.
    typeRow("500", "1");
    EXPECT_FALSE(window->resultPresent());
    EXPECT_TRUE(canvas->diagram().pages.empty());
    EXPECT_FALSE(action("mnu_export_diagram_svg")->isEnabled());
}

// File → New and Open replace the job on screen: the diagram of the old plan goes with it, also
// when the header was blank and so never changes.
TEST_F(DiagramViewTest, newJob_emptiesTheDiagramWindowOfTheOldPlan) {
    typeRow("2000", "3");
    typeRow("1500", "2");
    QTest::mouseClick(find<QToolButton>("Command6"), Qt::LeftButton);
    ASSERT_TRUE(window->resultPresent());
    action("mnu_diagram")->trigger();
    auto* view = find<DiagramWindow>("Diagram");
    ASSERT_TRUE(view->isVisible());
    EXPECT_GT(bars(view->canvas()->diagram()), 0);

    dialogs.answers = {MessageAnswer::No};  // do not save the changed job
    action("mnu_novy")->trigger();
    EXPECT_FALSE(window->resultPresent());
    EXPECT_TRUE(view->canvas()->diagram().pages.empty());
    EXPECT_FALSE(action("mnu_tlacit_diagram")->isEnabled());
}

}  // namespace
}  // namespace marlo
