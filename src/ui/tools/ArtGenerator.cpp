// Draws the program's pictures: the icon of each command, the program icon and the main window's
// background. Run once when a picture changes: kipgolf_artgen <src/ui/resources>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <functional>
#include <map>

namespace {

enum class Glyph {
    Card,
    Person,
    People,
    Handicap,
    Flag,
    Disk,
    Chart,
    Gear,
    Question,
    Info,
    Door,
    Text,
    Putt
};
enum class Badge {
    None,
    Plus,
    Cross,
    Eye,
    Pencil,
    List,
    Up,
    Down,
    Cycle,
    Sort,
    Calendar,
    Star,
    Copy,
    Arrow,
    Gear
};

struct IconLook {
    QColor base;
    Glyph glyph;
    Badge badge;
    QString text; // for Glyph::Text
};

const QColor roundsColour(46, 125, 50);
const QColor golfersColour(21, 101, 192);
const QColor handicapColour(142, 36, 170);
const QColor coursesColour(0, 121, 107);
const QColor databaseColour(93, 64, 55);
const QColor statsColour(230, 81, 0);
const QColor fileColour(69, 90, 100);

std::map<QString, IconLook> iconLooks() {
    return {
        {"rule", {handicapColour, Glyph::Handicap, Badge::Gear, {}}},
        {"preferences", {fileColour, Glyph::Gear, Badge::None, {}}},
        {"exit", {fileColour, Glyph::Door, Badge::None, {}}},
        {"round-enter", {roundsColour, Glyph::Card, Badge::Plus, {}}},
        {"round-view", {roundsColour, Glyph::Card, Badge::Eye, {}}},
        {"round-list", {roundsColour, Glyph::Card, Badge::List, {}}},
        {"round-change", {roundsColour, Glyph::Card, Badge::Pencil, {}}},
        {"round-delete", {roundsColour, Glyph::Card, Badge::Cross, {}}},
        {"year-delete", {roundsColour, Glyph::Card, Badge::Calendar, {}}},
        {"export", {roundsColour, Glyph::Card, Badge::Up, {}}},
        {"import", {roundsColour, Glyph::Card, Badge::Down, {}}},
        {"golfer-new", {golfersColour, Glyph::Person, Badge::Plus, {}}},
        {"golfer-change", {golfersColour, Glyph::Person, Badge::Pencil, {}}},
        {"golfer-delete", {golfersColour, Glyph::Person, Badge::Cross, {}}},
        {"golfer-list", {golfersColour, Glyph::Person, Badge::List, {}}},
        {"teams", {golfersColour, Glyph::People, Badge::None, {}}},
        {"handicap", {handicapColour, Glyph::Handicap, Badge::Eye, {}}},
        {"handicap-scores", {handicapColour, Glyph::Handicap, Badge::List, {}}},
        {"handicap-list", {handicapColour, Glyph::Handicap, Badge::None, {}}},
        {"handicap-sorted", {handicapColour, Glyph::Handicap, Badge::Sort, {}}},
        {"recalc", {handicapColour, Glyph::Handicap, Badge::Cycle, {}}},
        {"course-handicap", {handicapColour, Glyph::Flag, Badge::None, {}}},
        {"course-new", {coursesColour, Glyph::Flag, Badge::Plus, {}}},
        {"course-view", {coursesColour, Glyph::Flag, Badge::Eye, {}}},
        {"course-change", {coursesColour, Glyph::Flag, Badge::Pencil, {}}},
        {"course-delete", {coursesColour, Glyph::Flag, Badge::Cross, {}}},
        {"master", {coursesColour, Glyph::Flag, Badge::Copy, {}}},
        {"backup", {databaseColour, Glyph::Disk, Badge::Up, {}}},
        {"restore", {databaseColour, Glyph::Disk, Badge::Down, {}}},
        {"compress", {databaseColour, Glyph::Disk, Badge::Arrow, {}}},
        {"stats", {statsColour, Glyph::Chart, Badge::None, {}}},
        {"stats-all", {statsColour, Glyph::Chart, Badge::List, {}}},
        {"hole-type", {statsColour, Glyph::Text, Badge::None, "3·4·5"}},
        {"fairway", {statsColour, Glyph::Flag, Badge::Star, {}}},
        {"lowest", {statsColour, Glyph::Chart, Badge::Down, {}}},
        {"putts", {statsColour, Glyph::Putt, Badge::None, {}}},
        {"graph", {statsColour, Glyph::Chart, Badge::Eye, {}}},
        {"course-stats", {statsColour, Glyph::Flag, Badge::List, {}}},
        {"points", {statsColour, Glyph::Text, Badge::Star, "Pts"}},
        {"help", {fileColour, Glyph::Question, Badge::None, {}}},
        {"about", {fileColour, Glyph::Info, Badge::None, {}}},
        {"context-help", {fileColour, Glyph::Question, Badge::Arrow, {}}},
    };
}

void drawBase(QPainter& p, const QColor& colour) {
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, colour.lighter(140));
    fill.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 12, 12);
    QLinearGradient shine(0, 0, 0, 32);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(5, 5, 54, 26), 9, 9);
}

void drawText(QPainter& p, const QRectF& box, const QString& text, int pixels, bool bold = true) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

// The red pennant of every flag: from the top of the pole out to its tip and back to the pole.
void drawPennant(QPainter& p, const QPointF& top, const QPointF& tip, const QPointF& bottom) {
    QPainterPath pennant;
    pennant.moveTo(top);
    pennant.lineTo(tip);
    pennant.lineTo(bottom);
    pennant.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(229, 57, 53));
    p.drawPath(pennant);
}

void drawGlyph(QPainter& p, const IconLook& look) {
    const QColor ink(255, 255, 255);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (look.glyph) {
    case Glyph::Card: {
        p.setBrush(QColor(255, 255, 255, 235));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(13, 11, 34, 42), 3, 3);
        p.setPen(QPen(look.base.darker(120), 2));
        for (int y = 20; y <= 46; y += 7)
            p.drawLine(QPointF(17, y), QPointF(43, y));
        p.drawLine(QPointF(27, 15), QPointF(27, 49));
        break;
    }
    case Glyph::Person:
    case Glyph::People: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        auto person = [&](double x, double scale) {
            p.drawEllipse(QPointF(x, 22 * scale + (1 - scale) * 30), 8 * scale, 8 * scale);
            QPainterPath body;
            body.addRoundedRect(QRectF(x - 14 * scale, 32, 28 * scale, 22), 10 * scale, 10 * scale);
            p.drawPath(body);
        };
        if (look.glyph == Glyph::People) {
            p.setBrush(QColor(255, 255, 255, 170));
            person(20, 0.8);
            person(44, 0.8);
            p.setBrush(ink);
        }
        person(32, 1.0);
        break;
    }
    case Glyph::Handicap:
        p.setPen(ink);
        drawText(p, QRectF(4, 8, 56, 44), "HC", 26);
        p.setPen(QPen(ink, 2.5));
        p.drawLine(QPointF(14, 48), QPointF(50, 48));
        break;
    case Glyph::Flag: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(10, 44, 44, 12));
        p.setPen(QPen(ink, 3));
        p.drawLine(QPointF(28, 50), QPointF(28, 10));
        drawPennant(p, QPointF(29, 10), QPointF(48, 17), QPointF(29, 24));
        break;
    }
    case Glyph::Disk: {
        p.setPen(QPen(look.base.darker(140), 1.5));
        p.setBrush(QColor(255, 255, 255, 235));
        for (int i = 2; i >= 0; --i) {
            const double y = 14 + i * 11;
            p.drawRect(QRectF(14, y + 5, 36, 11));
            p.drawEllipse(QRectF(14, y + 10, 36, 12));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(14.8, y + 5, 34.4, 11));
            p.setPen(QPen(look.base.darker(140), 1.5));
            p.drawEllipse(QRectF(14, y, 36, 12));
        }
        break;
    }
    case Glyph::Chart: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const double heights[] = {14, 26, 20, 34};
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(13 + i * 10, 50 - heights[i], 7, heights[i]));
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(10, 51), QPointF(54, 51));
        break;
    }
    case Glyph::Gear: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(32, 32);
            p.rotate(i * 45);
            p.drawRoundedRect(QRectF(-4.5, -22, 9, 12), 2, 2);
            p.restore();
        }
        p.drawEllipse(QPointF(32, 32), 14, 14);
        p.setBrush(look.base);
        p.drawEllipse(QPointF(32, 32), 6, 6);
        break;
    }
    case Glyph::Question:
        p.setPen(ink);
        drawText(p, QRectF(4, 4, 56, 56), "?", 40);
        break;
    case Glyph::Info:
        p.setPen(ink);
        drawText(p, QRectF(4, 4, 56, 56), "i", 40);
        break;
    case Glyph::Door: {
        p.setPen(QPen(ink, 3));
        p.drawRect(QRectF(14, 12, 22, 40));
        p.drawLine(QPointF(30, 32), QPointF(52, 32));
        p.drawLine(QPointF(44, 24), QPointF(52, 32));
        p.drawLine(QPointF(44, 40), QPointF(52, 32));
        break;
    }
    case Glyph::Putt: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QRectF(6, 30, 52, 22));
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QRectF(38, 38, 10, 5));
        p.setPen(QPen(QColor(90, 90, 90), 2, Qt::DotLine));
        p.drawLine(QPointF(20, 44), QPointF(37, 41));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 44), 5, 5);
        p.setPen(QPen(ink, 3));
        p.drawLine(QPointF(43, 40), QPointF(43, 10));
        drawPennant(p, QPointF(44, 10), QPointF(58, 15), QPointF(44, 20));
        break;
    }
    case Glyph::Text:
        p.setPen(ink);
        drawText(p, QRectF(2, 6, 60, 48), look.text, look.text.size() > 2 ? 17 : 30);
        break;
    }
}

void drawBadge(QPainter& p, Badge badge) {
    if (badge == Badge::None)
        return;
    const QPointF centre(47, 47);
    QColor fill(255, 255, 255);
    QColor ink(40, 40, 40);
    if (badge == Badge::Plus)
        fill = QColor(67, 160, 71);
    if (badge == Badge::Cross)
        fill = QColor(211, 47, 47);
    if (badge == Badge::Plus || badge == Badge::Cross)
        ink = Qt::white;
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.5));
    p.setBrush(fill);
    p.drawEllipse(centre, 13, 13);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double x = centre.x();
    const double y = centre.y();
    switch (badge) {
    case Badge::Plus:
        p.drawLine(QPointF(x - 7, y), QPointF(x + 7, y));
        p.drawLine(QPointF(x, y - 7), QPointF(x, y + 7));
        break;
    case Badge::Cross:
        p.drawLine(QPointF(x - 5, y - 5), QPointF(x + 5, y + 5));
        p.drawLine(QPointF(x - 5, y + 5), QPointF(x + 5, y - 5));
        break;
    case Badge::Eye:
        p.setPen(QPen(ink, 2));
        p.drawEllipse(QPointF(x, y), 8, 5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(x, y), 2.5, 2.5);
        break;
    case Badge::Pencil:
        p.setPen(QPen(QColor(255, 160, 0), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x - 6, y + 6), QPointF(x + 5, y - 5));
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(x - 8, y + 8), QPointF(x - 6, y + 6));
        break;
    case Badge::List:
        p.setPen(QPen(ink, 2));
        for (int i = -1; i <= 1; ++i)
            p.drawLine(QPointF(x - 6, y + i * 4.5), QPointF(x + 6, y + i * 4.5));
        break;
    case Badge::Up:
    case Badge::Down: {
        const double dir = badge == Badge::Up ? -1 : 1;
        p.drawLine(QPointF(x, y - 7 * dir), QPointF(x, y + 7 * dir));
        p.drawLine(QPointF(x - 5, y + 2 * dir), QPointF(x, y + 7 * dir));
        p.drawLine(QPointF(x + 5, y + 2 * dir), QPointF(x, y + 7 * dir));
        break;
    }
    case Badge::Cycle:
        p.drawArc(QRectF(x - 7, y - 7, 14, 14), 30 * 16, 280 * 16);
        p.drawLine(QPointF(x + 6, y - 4), QPointF(x + 7, y - 9));
        break;
    case Badge::Sort:
        p.setPen(QPen(ink, 2));
        p.drawLine(QPointF(x - 6, y - 5), QPointF(x + 6, y - 5));
        p.drawLine(QPointF(x - 6, y), QPointF(x + 3, y));
        p.drawLine(QPointF(x - 6, y + 5), QPointF(x, y + 5));
        break;
    case Badge::Calendar:
        p.setPen(QPen(ink, 1.5));
        p.drawRect(QRectF(x - 7, y - 6, 14, 13));
        p.drawLine(QPointF(x - 7, y - 2), QPointF(x + 7, y - 2));
        drawText(p, QRectF(x - 7, y - 2, 14, 9), "31", 8);
        break;
    case Badge::Star: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 3.5 : 8.5;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt(x + r * std::cos(a), y + r * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 193, 7));
        p.drawPath(star);
        break;
    }
    case Badge::Copy:
        p.setPen(QPen(ink, 1.8));
        p.drawRect(QRectF(x - 7, y - 7, 9, 10));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x - 2, y - 2, 9, 10));
        break;
    case Badge::Arrow:
        p.drawLine(QPointF(x - 7, y - 3), QPointF(x + 7, y - 3));
        p.drawLine(QPointF(x - 7, y + 3), QPointF(x + 7, y + 3));
        break;
    case Badge::Gear:
    case Badge::None:
        break;
    }
    if (badge == Badge::Gear) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 90, 90));
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(centre);
            p.rotate(i * 60);
            p.drawRect(QRectF(-2, -10, 4, 5));
            p.restore();
        }
        p.drawEllipse(centre, 6.5, 6.5);
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 2.5, 2.5);
    }
}

QImage commandIcon(const IconLook& look) {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawBase(p, look.base);
    drawGlyph(p, look);
    drawBadge(p, look.badge);
    return image;
}

QImage programIcon() {
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient green(QPointF(128, 90), 170);
    green.setColorAt(0, QColor(129, 199, 132));
    green.setColorAt(1, QColor(27, 94, 32));
    p.setPen(QPen(QColor(20, 70, 24), 4));
    p.setBrush(green);
    p.drawEllipse(QRectF(8, 8, 240, 240));
    // the hole and its flag
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 20));
    p.drawEllipse(QRectF(104, 178, 48, 16));
    p.setPen(QPen(QColor(250, 250, 250), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 186), QPointF(128, 42));
    drawPennant(p, QPointF(131, 42), QPointF(200, 66), QPointF(131, 92));
    // the ball
    QRadialGradient ball(QPointF(70, 170), 26);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, QColor(200, 200, 200));
    p.setBrush(ball);
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.drawEllipse(QPointF(76, 176), 22, 22);
    return image;
}

QImage background() {
    const int w = 1600;
    const int h = 1000;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h * 0.45);
    sky.setColorAt(0, QColor(30, 60, 110));
    sky.setColorAt(1, QColor(90, 140, 180));
    p.fillRect(0, 0, w, h, sky);
    // distant tree line
    QRandomGenerator random(7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 60, 40));
    for (int x = -40; x < w + 40; x += 26) {
        const double r = 30 + random.bounded(30);
        p.drawEllipse(QPointF(x, h * 0.42 - random.bounded(25)), r, r * 1.3);
    }
    // rolling fairways
    auto hill = [&](double top, const QColor& light, const QColor& dark, double phase, double amplitude) {
        QPainterPath path;
        path.moveTo(0, h);
        for (int x = 0; x <= w; x += 20)
            path.lineTo(x, top + amplitude * std::sin(x / 260.0 + phase));
        path.lineTo(w, h);
        path.closeSubpath();
        QLinearGradient fill(0, top - amplitude, 0, h);
        fill.setColorAt(0, light);
        fill.setColorAt(1, dark);
        p.setBrush(fill);
        p.drawPath(path);
    };
    hill(h * 0.44, QColor(56, 120, 56), QColor(22, 64, 28), 0.5, 18);
    hill(h * 0.58, QColor(67, 140, 62), QColor(25, 75, 30), 2.1, 26);
    hill(h * 0.76, QColor(52, 118, 50), QColor(18, 58, 22), 4.0, 22);
    // mowing stripes
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(255, 255, 255, i % 2 ? 10 : 0));
        QPainterPath stripe;
        stripe.moveTo(i * 130 - 200, h);
        stripe.lineTo(i * 130 - 60, h);
        stripe.lineTo(w * 0.6 + i * 30, h * 0.6);
        stripe.lineTo(w * 0.6 + i * 30 - 20, h * 0.6);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    // the green and its flag, far right
    p.setBrush(QColor(102, 170, 90));
    p.drawEllipse(QRectF(w * 0.78, h * 0.60, 220, 60));
    p.setBrush(QColor(15, 30, 15));
    p.drawEllipse(QRectF(w * 0.78 + 120, h * 0.60 + 26, 16, 6));
    p.setPen(QPen(QColor(240, 240, 240), 4));
    p.drawLine(QPointF(w * 0.78 + 128, h * 0.60 + 29), QPointF(w * 0.78 + 128, h * 0.60 - 110));
    drawPennant(p, QPointF(w * 0.78 + 130, h * 0.60 - 110), QPointF(w * 0.78 + 190, h * 0.60 - 92),
                QPointF(w * 0.78 + 130, h * 0.60 - 74));
    // a darker veil where the leaderboard stands keeps its white text readable
    QLinearGradient veil(0, 0, w, 0);
    veil.setColorAt(0, QColor(0, 0, 0, 40));
    veil.setColorAt(0.5, QColor(0, 0, 0, 110));
    veil.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(0, 0, w, h, veil);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    out.mkpath("icons");
    for (const auto& [name, look] : iconLooks())
        commandIcon(look).save(out.filePath("icons/" + name + ".png"));
    programIcon().save(out.filePath("kipgolf.png"));
    background().save(out.filePath("background.png"));
    return 0;
}
