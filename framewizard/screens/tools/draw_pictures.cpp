// Draws the two pictures of the start-up and closing screens: line sketches of a
// plane rigid frame (clamped feet, beam load, deflected shape) on a soft
// background. Build and run once by hand when the pictures are to change:
//   g++ -std=c++20 -fPIC draw_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o draw_pictures
//   QT_QPA_PLATFORM=offscreen ./draw_pictures ../pictures
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

// Hatched clamped support under the point (x, y), `w` wide.
void clamp(QPainter& p, double x, double y, double w)
{
    p.drawLine(QPointF(x - w / 2, y), QPointF(x + w / 2, y));
    for (double t = -w / 2; t < w / 2; t += w / 6)
        p.drawLine(QPointF(x + t, y), QPointF(x + t - w / 8, y + w / 5));
}

// Downward arrow ending at (x, y).
void arrow(QPainter& p, double x, double y, double len)
{
    p.drawLine(QPointF(x, y - len), QPointF(x, y));
    QPainterPath head;
    head.moveTo(x, y);
    head.lineTo(x - len / 6, y - len / 3.5);
    head.lineTo(x + len / 6, y - len / 3.5);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

// A portal frame of `bays` bays in the rectangle (left, top, width, height).
void frame(QPainter& p, double left, double top, double width, double height, int bays)
{
    const double bay = width / bays;
    QPen bar(QColor(40, 50, 110), height / 22.0);
    bar.setCapStyle(Qt::RoundCap);
    p.setPen(bar);
    for (int i = 0; i <= bays; ++i)
        p.drawLine(QPointF(left + i * bay, top), QPointF(left + i * bay, top + height));
    p.drawLine(QPointF(left, top), QPointF(left + width, top));

    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    for (int i = 0; i <= bays; ++i)
        clamp(p, left + i * bay, top + height, bay / 4);

    // Uniform load over the beam.
    p.setPen(QPen(QColor(200, 30, 30), 1.8));
    const double gap = height / 18.0;
    const double len = height / 4.0;
    p.drawLine(QPointF(left, top - gap - len), QPointF(left + width, top - gap - len));
    for (double x = left; x <= left + width + 0.5; x += bay / 5)
        arrow(p, x, top - gap, len);

    // Deflected shape, dashed.
    QPen dash(QColor(0, 140, 70), 1.6, Qt::DashLine);
    p.setPen(dash);
    QPainterPath shape;
    const double sway = bay / 9;
    shape.moveTo(left, top + height);
    shape.cubicTo(left, top + height * 0.5, left + sway, top + height * 0.3, left + sway, top);
    for (int i = 0; i < bays; ++i) {
        const double x0 = left + i * bay + sway;
        shape.cubicTo(x0 + bay / 3, top + height / 7, x0 + 2 * bay / 3, top + height / 7, x0 + bay, top);
    }
    p.drawPath(shape);
    for (int i = 1; i <= bays; ++i) {
        QPainterPath column;
        column.moveTo(left + i * bay, top + height);
        column.cubicTo(left + i * bay, top + height * 0.5, left + i * bay + sway, top + height * 0.3,
                       left + i * bay + sway, top);
        p.drawPath(column);
    }
}

QImage picture(int w, int h, int bays, const QColor& sky, const QColor& ground)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, sky);
    g.setColorAt(1, ground);
    p.fillRect(img.rect(), g);
    // A faint grid, as on squared paper.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    for (int x = 0; x < w; x += 16)
        p.drawLine(x, 0, x, h);
    for (int y = 0; y < h; y += 16)
        p.drawLine(0, y, w, y);
    frame(p, w * 0.18, h * 0.38, w * 0.64, h * 0.44, bays);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool a = picture(454, 140, 3, QColor(200, 225, 250), QColor(250, 235, 210))
                       .save(dir + QStringLiteral("/form1.jpg"), "JPG", 90);
    const bool b = picture(576, 328, 2, QColor(192, 255, 192), QColor(255, 240, 215))
                       .save(dir + QStringLiteral("/form12.jpg"), "JPG", 90);
    return a && b ? 0 : 1;
}
