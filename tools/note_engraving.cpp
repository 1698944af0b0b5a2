#include "note_engraving.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "staff_geometry.h"

namespace kelo::datatree {

namespace {

using namespace staff;

constexpr int kMiddleLineStep = 4;
constexpr double kDotGap = 0.2 * kSpace;
constexpr double kLedgerOverhang = 0.3 * kSpace;
// An upward stem stops short of the picture's top edge.
constexpr double kHighestStemTip = 0.15 * kSpace;

char32_t headGlyph(NoteHead head) {
    switch (head) {
    case NoteHead::Black: return glyphs::kBlackHead;
    case NoteHead::Void: return glyphs::kVoidHead;
    case NoteHead::Whole: return glyphs::kWholeNote;
    }
    return glyphs::kBlackHead;
}

bool onLine(int step) { return step % 2 == 0; }

void drawLedgerLines(QPainter& p, int step, double headLeft, double headRight) {
    const double left = std::max(kSideMargin, headLeft - kLedgerOverhang);
    const double right = std::min(kWidth - kSideMargin, headRight + kLedgerOverhang);
    auto ledger = [&](int s) {
        p.fillRect(QRectF(left, stepY(s) - kLedgerThickness / 2, right - left, kLedgerThickness), Qt::black);
    };
    for (int s = -2; s >= step; s -= 2) ledger(s);
    for (int s = 10; s <= step; s += 2) ledger(s);
}

}  // namespace

void engraveNote(QImage& picture, const MusicSymbols& symbols, int step, const NoteShape& shape) {
    const double y = stepY(step);
    const bool stemUp = step < kMiddleLineStep;

    QPainterPath head = symbols.onStaff(headGlyph(shape.head), kSpace);
    const QRectF headBox = head.boundingRect();
    const double headWidth = headBox.width();

    QPainterPath dot;
    QPainterPath flag;
    double flagWidthScale = 1.0;
    double groupWidth = headWidth;  // measured from the head's left edge
    if (shape.dot) {
        dot = symbols.onStaff(glyphs::kAugmentationDot, kSpace);
        groupWidth = headWidth + kDotGap + dot.boundingRect().width();
    }
    if (shape.flag) {
        flag = symbols.onStaff(glyphs::kFlag, kSpace);
        if (stemUp) {
            // The flag hangs right of the stem; in a box two spaces wide it is narrowed to fit.
            const double flagLeft = headWidth - kStemThickness;
            const double room = kWidth - 2 * kSideMargin - flagLeft;
            flagWidthScale = std::min(1.0, room / flag.boundingRect().width());
            groupWidth = flagLeft + flag.boundingRect().width() * flagWidthScale;
        }
    }
    const double left = (kWidth - groupWidth) / 2;
    const double right = left + headWidth;

    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawLedgerLines(p, step, left, right);
    p.fillPath(head.translated(left - headBox.left(), y - headBox.center().y()), Qt::black);

    if (shape.stem) {
        const double join = MusicSymbols::kStemJoin * kSpace;
        const double stemLeft = stemUp ? right - kStemThickness : left;
        const double tip = stemUp ? std::max(kHighestStemTip, y - kStemLength) : y + kStemLength;
        const double from = stemUp ? y - join : y + join;
        p.fillRect(QRectF(stemLeft, std::min(tip, from), kStemThickness, std::abs(tip - from)), Qt::black);

        if (shape.flag) {
            // The font draws the flag for an upward stem, its top at the stem's tip;
            // a downward stem takes it mirrored, its bottom at the tip.
            const QRectF flagBox = flag.boundingRect();
            QTransform t;
            t.translate(stemLeft, tip);
            t.scale(flagWidthScale, stemUp ? 1.0 : -1.0);
            t.translate(-flagBox.left(), -flagBox.top());
            p.fillPath(t.map(flag), Qt::black);
        }
    }

    if (shape.dot) {
        // A dot sits in a space: a note on a line moves its dot into the space above.
        const QRectF dotBox = dot.boundingRect();
        const double dotY = onLine(step) ? y - kSpace / 2 : y;
        p.fillPath(dot.translated(right + kDotGap - dotBox.left(), dotY - dotBox.center().y()), Qt::black);
    }
}

}  // namespace kelo::datatree
