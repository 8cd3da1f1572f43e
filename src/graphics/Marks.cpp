#include "graphics/Marks.h"

#include <algorithm>

namespace brivex {

namespace {

// A point given in thousandths of the square the pen's centre may cover.
struct Thousandths {
    int x;
    int y;
};

int Scaled(int length, int thousandths) { return (length * thousandths + 500) / 1000; }

// The pen's width in thousandths of the square's side, never thinner than `least` pixels.
int PenWidth(int side, int thousandths, int least) { return std::max(least, Scaled(side, thousandths)); }

std::vector<MarkPoint> Stroke(const Rect& square, int penWidth, std::initializer_list<Thousandths> points) {
    // The pen reaches half its width round its centre line, rounded up.
    const int reach = (penWidth + 1) / 2;
    const int left = square.left + reach;
    const int top = square.top + reach;
    const int side = std::max(0, square.Width() - 2 * reach);
    std::vector<MarkPoint> stroke;
    for (const Thousandths& p : points) stroke.push_back({left + Scaled(side, p.x), top + Scaled(side, p.y)});
    return stroke;
}

}  // namespace

Rect CentredSquare(const Rect& area, int percent) {
    const int side = Scaled(std::min(area.Width(), area.Height()), percent * 10);
    const int left = area.left + (area.Width() - side) / 2;
    const int top = area.top + (area.Height() - side) / 2;
    return {left, top, left + side, top + side};
}

StrokedMark CheckMark(const Rect& box) {
    const Rect square = CentredSquare(box, 100);
    const int pen = PenWidth(square.Width(), 130, 2);
    return {pen, {Stroke(square, pen, {{0, 520}, {360, 880}, {1000, 120}})}};
}

StrokedMark CloseMark(const Rect& box) {
    const Rect square = CentredSquare(box, 100);
    const int pen = PenWidth(square.Width(), 220, 1);
    return {pen, {Stroke(square, pen, {{0, 0}, {1000, 1000}}), Stroke(square, pen, {{0, 1000}, {1000, 0}})}};
}

}  // namespace brivex
