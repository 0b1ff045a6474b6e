// Draws the paper editor's pictures into a folder as <number>.png.
//
// Every picture is plain line art on a magenta background. The dialogs make the colour of the
// top-left pixel transparent, so nothing is drawn with antialiasing (a blended edge would
// leave a pink fringe) and the top-left pixel always keeps the background.
//
// The tape runs from left to right as the printer feeds it: a label's length lies along the
// tape, its width across it.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QTextStream>

#include <functional>
#include <map>

namespace {

const QColor kKey(255, 0, 255);       // transparent background
const QColor kInk(40, 40, 48);        // outlines
const QColor kLabel(255, 255, 255);   // label face
const QColor kBacking(236, 214, 160); // liner under die-cut labels
const QColor kTape(250, 250, 244);    // continuous and black-mark tape
const QColor kMeasure(20, 90, 180);   // dimension lines
const QColor kPrint(200, 60, 40);     // printable area and offsets
const QColor kMark(0, 0, 0);          // black marks
const QColor kFaint(175, 175, 180);   // pictures of a setting that does not apply
const QColor kFaintFill(232, 232, 234);

QFont SmallFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void Arrowhead(QPainter& p, QPoint tip, int dx, int dy, const QColor& color) {
    // dx, dy: the direction the arrow points to, one of the four axes.
    QPolygon head;
    if (dx != 0) {
        head << tip << tip + QPoint(-dx * 6, -3) << tip + QPoint(-dx * 6, 3);
    } else {
        head << tip << tip + QPoint(-3, -dy * 6) << tip + QPoint(3, -dy * 6);
    }
    p.setPen(color);
    p.setBrush(color);
    p.drawPolygon(head);
}

// A dimension line between two points on one axis, with arrowheads at both ends.
void Dimension(QPainter& p, QPoint a, QPoint b, const QColor& color) {
    p.setPen(QPen(color, 1));
    p.drawLine(a, b);
    if (a.y() == b.y()) {
        Arrowhead(p, a, -1, 0, color);
        Arrowhead(p, b, 1, 0, color);
    } else {
        Arrowhead(p, a, 0, -1, color);
        Arrowhead(p, b, 0, 1, color);
    }
}

// One-way arrow from a to b.
void Arrow(QPainter& p, QPoint a, QPoint b, const QColor& color, int width = 1) {
    p.setPen(QPen(color, width));
    p.drawLine(a, b);
    const int dx = b.x() > a.x() ? 1 : b.x() < a.x() ? -1 : 0;
    const int dy = b.y() > a.y() ? 1 : b.y() < a.y() ? -1 : 0;
    Arrowhead(p, b, dx, dy, color);
}

// A narrow measure: two arrows pointing inwards at the lines x = left and x = right.
void NarrowMeasure(QPainter& p, int left, int right, int y, const QColor& color) {
    Arrow(p, QPoint(left - 14, y), QPoint(left, y), color);
    Arrow(p, QPoint(right + 14, y), QPoint(right, y), color);
}

void Text(QPainter& p, const QRect& box, const QString& text, const QColor& color, int pixels = 11,
          bool bold = false) {
    p.setFont(SmallFont(pixels, bold));
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kKey);
    return image;
}

constexpr int kTapeTop = 30;
constexpr int kTapeHeight = 40;

// What the three tape pictures share: the strip in `fill` running off its roll (seen from
// its side) and the feed arrow under it.
QImage TapeCanvas(const QColor& fill) {
    QImage image = Canvas(180, 100);
    QPainter p(&image);
    p.setPen(kInk);
    p.setBrush(fill);
    p.drawRect(28, kTapeTop, 146, kTapeHeight);
    const int d = kTapeHeight + 16;
    const QRect roll(4, kTapeTop + kTapeHeight / 2 - d / 2, d, d);
    p.setBrush(kTape);
    p.drawEllipse(roll);
    p.setBrush(kBacking);
    p.drawEllipse(roll.adjusted(d / 3, d / 3, -d / 3, -d / 3));
    Arrow(p, QPoint(120, 86), QPoint(170, 86), kMeasure, 2);
    return image;
}

// 132: continuous tape.
QImage ContinuousTape() {
    QImage image = TapeCanvas(kTape);
    QPainter p(&image);
    const int top = kTapeTop;
    // Printed samples along the tape: nothing divides it.
    p.setPen(QPen(kFaint, 1, Qt::DashLine));
    p.drawLine(70, top + 12, 160, top + 12);
    p.drawLine(70, top + 20, 140, top + 20);
    p.drawLine(70, top + 28, 150, top + 28);
    return image;
}

// 131: die-cut labels on their liner, with gaps between them.
QImage DieCutLabels() {
    QImage image = TapeCanvas(kBacking);
    QPainter p(&image);
    const int top = kTapeTop, height = kTapeHeight;
    p.setPen(kInk);
    p.setBrush(kLabel);
    for (int x = 44; x < 174; x += 44) {
        const int right = std::min(x + 34, 173);
        p.drawRoundedRect(QRect(QPoint(x, top + 4), QPoint(right, top + height - 4)), 3, 3);
    }
    // The gap between two labels.
    p.setPen(QPen(kMeasure, 1, Qt::DotLine));
    p.drawLine(78, top - 12, 78, top + 4);
    p.drawLine(88, top - 12, 88, top + 4);
    NarrowMeasure(p, 78, 88, top - 8, kMeasure);
    return image;
}

// 144: black-mark tape: plain tape with a black mark on its back at each label.
QImage BlackMarkTape() {
    QImage image = TapeCanvas(kTape);
    QPainter p(&image);
    const int top = kTapeTop, height = kTapeHeight;
    p.setPen(QPen(kFaint, 1, Qt::DashLine));
    for (int x = 44; x < 174; x += 44) {
        p.drawLine(x, top + 1, x, top + height - 1);
    }
    p.setPen(kMark);
    p.setBrush(kMark);
    for (int x = 44; x < 174; x += 44) {
        p.drawRect(x, top + height - 9, 9, 8);
    }
    return image;
}

// 143, 148, 147, 149: where the mark lies against the label's leading edge. `after`: the
// mark follows the edge (offset zero or positive), else it lies before it (negative).
// `applies`: black-mark tape; other kinds show the same picture faded.
QImage MarkSide(bool after, bool applies) {
    QImage image = Canvas(180, 70);
    QPainter p(&image);
    const QColor ink = applies ? kInk : kFaint;
    const QColor measure = applies ? kMeasure : kFaint;
    const int top = 12, height = 34, edge = 90;
    p.setPen(ink);
    p.setBrush(applies ? kTape : kFaintFill);
    p.drawRect(8, top, 164, height);
    // The label's leading edge.
    p.setPen(QPen(ink, 1, Qt::DashLine));
    p.drawLine(edge, 4, edge, top + height + 4);
    // The mark, on the tape's lower edge.
    const int markLeft = after ? edge + 30 : edge - 30 - 14;
    p.setPen(applies ? kMark : kFaint);
    p.setBrush(applies ? kMark : kFaint);
    p.drawRect(markLeft, top + height - 10, 14, 9);
    // The offset from the edge to the mark, and its sign.
    const int y = top + height + 12;
    if (after) {
        Arrow(p, QPoint(edge, y), QPoint(markLeft, y), measure);
        Text(p, QRect(markLeft + 4, y - 8, 16, 16), QStringLiteral("+"), measure, 14, true);
    } else {
        Arrow(p, QPoint(edge, y), QPoint(markLeft + 14, y), measure);
        Text(p, QRect(markLeft - 8, y - 8, 16, 16), QStringLiteral("\u2212"), measure, 14, true);
    }
    Arrow(p, QPoint(136, 6), QPoint(170, 6), measure, 1);
    return image;
}

// 130: one label and its measures: length along the tape, width across it, the margins
// around the printable area and the gap to the next label.
QImage LabelMeasures() {
    QImage image = Canvas(180, 150);
    QPainter p(&image);
    const QRect label(42, 26, 100, 96);
    p.setPen(kInk);
    p.setBrush(kBacking);
    p.drawRect(30, 20, 149, 108);
    p.setBrush(kLabel);
    p.drawRoundedRect(label, 3, 3);
    // The next label, behind the gap.
    p.drawRoundedRect(QRect(156, 26, 40, 96), 3, 3);
    // Printable area inside the margins.
    const QRect area = label.adjusted(14, 12, -14, -12);
    p.setPen(QPen(kPrint, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    // Length (along the tape) and width (across it).
    Dimension(p, QPoint(label.left(), 10), QPoint(label.right(), 10), kMeasure);
    Text(p, QRect(label.center().x() - 8, 0, 16, 10), QStringLiteral("L"), kMeasure, 10, true);
    Dimension(p, QPoint(22, label.top()), QPoint(22, label.bottom()), kMeasure);
    Text(p, QRect(4, label.center().y() - 6, 14, 12), QStringLiteral("W"), kMeasure, 10, true);
    // Gap.
    p.setPen(QPen(kMeasure, 1, Qt::DotLine));
    p.drawLine(label.right() + 1, 122, label.right() + 1, 142);
    p.drawLine(155, 122, 155, 142);
    NarrowMeasure(p, label.right() + 1, 155, 138, kMeasure);
    Text(p, QRect(108, 132, 20, 12), QStringLiteral("G"), kMeasure, 10, true);
    // Margins: arrows from the label's edges to the printable area.
    const int cy = label.center().y(), cx = label.center().x();
    Arrow(p, QPoint(label.left() + 1, cy), QPoint(area.left() - 1, cy), kPrint);
    Arrow(p, QPoint(label.right() - 1, cy), QPoint(area.right() + 1, cy), kPrint);
    Arrow(p, QPoint(cx, label.top() + 1), QPoint(cx, area.top() - 1), kPrint);
    Arrow(p, QPoint(cx, label.bottom() - 1), QPoint(cx, area.bottom() + 1), kPrint);
    return image;
}

// 140: the advanced offsets: the printed image moved across (X) and along (Y) the label,
// and the extra feed after printing.
QImage AdvancedOffsets() {
    QImage image = Canvas(220, 150);
    QPainter p(&image);
    const QRect label(40, 30, 120, 90);
    p.setPen(kInk);
    p.setBrush(kBacking);
    p.drawRect(28, 22, 150, 106);
    p.setBrush(kLabel);
    p.drawRoundedRect(label, 3, 3);
    // Where the image would start, and where it starts after the offsets.
    const QRect nominal = label.adjusted(10, 10, -30, -30);
    const QRect moved = nominal.translated(18, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFaint, 1, Qt::DashLine));
    p.drawRect(nominal);
    p.setPen(QPen(kPrint, 1));
    p.drawRect(moved);
    p.setPen(kPrint);
    p.drawLine(moved.left() + 10, moved.top() + 12, moved.right() - 10, moved.top() + 12);
    p.drawLine(moved.left() + 10, moved.top() + 22, moved.right() - 20, moved.top() + 22);
    // X runs along the tape here as the printer sees it; Y across.
    Arrow(p, QPoint(nominal.left(), 16), QPoint(moved.left(), 16), kMeasure);
    Text(p, QRect(moved.left() + 2, 8, 16, 14), QStringLiteral("X"), kMeasure, 11, true);
    p.setPen(QPen(kMeasure, 1, Qt::DotLine));
    p.drawLine(nominal.left(), 18, nominal.left(), nominal.top());
    p.drawLine(moved.left(), 18, moved.left(), moved.top());
    Arrow(p, QPoint(14, nominal.top()), QPoint(14, moved.top()), kMeasure);
    Text(p, QRect(16, moved.top() - 4, 14, 14), QStringLiteral("Y"), kMeasure, 11, true);
    p.setPen(QPen(kMeasure, 1, Qt::DotLine));
    p.drawLine(16, nominal.top(), nominal.left(), nominal.top());
    p.drawLine(16, moved.top(), moved.left(), moved.top());
    // Feed after printing: the tape moves on past the tear-off edge.
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(196, 12, 196, 138);
    Arrow(p, QPoint(178, 140), QPoint(212, 140), kMeasure, 2);
    Text(p, QRect(146, 133, 30, 14), QStringLiteral("+/\u2212"), kMeasure, 11, true);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: draw-bitmaps <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::map<int, std::function<QImage()>> pictures = {
        {130, LabelMeasures},
        {131, DieCutLabels},
        {132, ContinuousTape},
        {140, AdvancedOffsets},
        {143, [] { return MarkSide(true, true); }},
        {144, BlackMarkTape},
        {147, [] { return MarkSide(true, false); }},
        {148, [] { return MarkSide(false, true); }},
        {149, [] { return MarkSide(false, false); }},
    };
    for (const auto& [number, draw] : pictures) {
        QImage image = draw();
        image.setPixelColor(0, 0, kKey);
        const QString path = folder.filePath(QString::number(number) + QStringLiteral(".png"));
        if (!image.save(path)) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
