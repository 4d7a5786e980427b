#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlo {

// The cutting diagram composed once, independent of the device that shows it: every position
// and size is in millimetres on an A4 page, the origin at the page's top left corner.

struct Colour {
    uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

struct RectMm {
    double x = 0, y = 0, width = 0, height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
};

// What a box stands for, so that tests and views can find the pieces of a bar (Bar: a bar of a
// barcode).
enum class BoxKind { Piece, Waste, Sliver, Rod, Swatch, Bar };

// A filled rectangle with an optional outline (outlineWidth 0: none, fill absent: hollow).
struct DiagramBox {
    RectMm rect;
    BoxKind kind = BoxKind::Piece;
    bool filled = true;
    Colour fill = kWhite;
    double outlineWidth = 0;
    Colour outline = kBlack;
    int pattern = -1;    // 0-based index of the bar's pattern, -1 outside a bar
    int16_t length = 0;  // the piece's dimension, the waste's or the sliver's length
};

struct PointMm {
    double x = 0, y = 0;
};

// A filled polygon with an optional outline (outlineWidth 0: none, fill absent: hollow), its
// corners in order around it.
struct DiagramPolygon {
    std::vector<PointMm> corners;
    bool filled = true;
    Colour fill = kWhite;
    double outlineWidth = 0;
    Colour outline = kBlack;
};

// Thin diagonal lines across a rectangle, marking waste.
struct DiagramHatch {
    RectMm rect;
    double spacing = 1.2;
    double lineWidth = 0.15;
    Colour colour = kBlack;
};

struct DiagramLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0.2;
    Colour colour = kBlack;
};

enum class TextAlign { Left, Centre, Right };

// A line of text inside its box: the box is the area the text may take on the page (for a
// rotated text too), the text is centred vertically in it. A rotated text reads upwards.
struct DiagramText {
    RectMm box;
    std::string text;  // UTF-8
    double sizePt = 8;
    bool bold = false;
    TextAlign align = TextAlign::Left;
    bool rotated = false;
    bool onWhite = false;  // painted on a white ground (over hatching)
    Colour colour = kBlack;
};

// Painted in this order: boxes, hatches, polygons, lines, texts; each list in its order (so a
// polygon covers the hatching beneath it).
struct DiagramPage {
    std::vector<DiagramBox> boxes;
    std::vector<DiagramHatch> hatches;
    std::vector<DiagramPolygon> polygons;
    std::vector<DiagramLine> lines;
    std::vector<DiagramText> texts;
};

struct DiagramLayout {
    static constexpr double kPageWidth = 210.0;
    static constexpr double kPageHeight = 297.0;

    std::vector<DiagramPage> pages;
};

}  // namespace marlo
