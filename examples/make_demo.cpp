// Writes the demo shot: the scene (one biped rig referenced as "hero" and
// "villain") and the JSON source of its body picker, background image
// included as Base64. Run by hand when the rig or the layout changes; the
// results are kept in examples/:  make_demo <folder>
#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QSaveFile>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <cstdio>

namespace {

const int kWidth = 320;
const int kHeight = 450;

// One control of the rig with its place on the body picker. Controls named
// "l_" sit on the viewer's right, as the character faces the viewer.
struct Control {
    const char* name;
    int x;
    int y;
    int size;
    unsigned color;
};

const unsigned kCentre = 0xE0B030;  // yellow
const unsigned kLeft = 0x3070E0;    // blue
const unsigned kRight = 0xD03030;   // red
const unsigned kFace = 0x40B060;    // green

const Control kCentreControls[] = {
    {"root_ctrl", 160, 432, 18, kCentre},   {"cog_ctrl", 160, 236, 22, kCentre},
    {"hips_ctrl", 160, 262, 16, kCentre},   {"spine_01_ctrl", 160, 212, 12, kCentre},
    {"spine_02_ctrl", 160, 188, 12, kCentre}, {"spine_03_ctrl", 160, 164, 12, kCentre},
    {"chest_ctrl", 160, 136, 16, kCentre},  {"neck_ctrl", 160, 100, 10, kCentre},
    {"head_ctrl", 160, 34, 12, kCentre},    {"jaw_ctrl", 160, 76, 10, kFace},
    {"eyes_ctrl", 160, 56, 8, kFace},
};

// Left-side controls; the right side mirrors them.
const Control kSideControls[] = {
    {"eye_ctrl", 172, 54, 8, 0},        {"clavicle_ctrl", 184, 118, 10, 0},
    {"arm_ctrl", 210, 130, 14, 0},      {"elbow_ctrl", 226, 182, 12, 0},
    {"wrist_ctrl", 238, 228, 12, 0},    {"thumb_ctrl", 226, 252, 7, 0},
    {"index_ctrl", 234, 264, 7, 0},     {"middle_ctrl", 243, 268, 7, 0},
    {"ring_ctrl", 251, 264, 7, 0},      {"pinky_ctrl", 258, 255, 7, 0},
    {"leg_ctrl", 180, 284, 14, 0},      {"knee_ctrl", 186, 346, 12, 0},
    {"ankle_ctrl", 190, 400, 10, 0},    {"foot_ctrl", 196, 418, 12, 0},
    {"toe_ctrl", 214, 424, 8, 0},
};

const char* const kFingers[] = {"thumb_ctrl", "index_ctrl", "middle_ctrl", "ring_ctrl", "pinky_ctrl"};
const char* const kArm[] = {"clavicle_ctrl", "arm_ctrl", "elbow_ctrl", "wrist_ctrl"};
const char* const kLeg[] = {"leg_ctrl", "knee_ctrl", "ankle_ctrl", "foot_ctrl", "toe_ctrl"};

QString side(const char* prefix, const char* name)
{
    return QLatin1String(prefix) + QLatin1String(name);
}

QStringList rigControls()
{
    QStringList out;
    for (const Control& c : kCentreControls)
        out << QLatin1String(c.name);
    for (const char* prefix : {"l_", "r_"})
        for (const Control& c : kSideControls)
            out << side(prefix, c.name);
    return out;
}

// A MEL string literal; the names here are plain, the escapes are for safety.
QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

QString sceneText()
{
    // The layout the stand-in host writes when it saves a scene.
    QString out = QStringLiteral("//Quillbrook host scene, written as MEL\n//Application version: 2024\n");
    const char* const namespaces[] = {"hero", "villain"};
    for (const char* ns : namespaces)
        out += QStringLiteral("namespace -add %1;\n").arg(quoted(QLatin1String(ns)));
    const char* const cameras[] = {"persp", "top", "front", "side"};
    for (const char* cam : cameras)
        out += QStringLiteral("createNode camera -n %1;\n").arg(quoted(QLatin1String(cam)));
    out += QStringLiteral("createNode mesh -n %1;\n").arg(quoted(QStringLiteral("ground")));
    for (const char* ns : namespaces)
        for (const QString& c : rigControls())
            out += QStringLiteral("createNode transform -n %1;\n").arg(quoted(QLatin1String(ns) + QLatin1Char(':') + c));
    out += QStringLiteral("fileInfo %1 %2;\n").arg(quoted(QStringLiteral("shot")), quoted(QStringLiteral("demo_010")));
    return out;
}

QImage background()
{
    QImage img(kWidth, kHeight, QImage::Format_ARGB32);
    img.fill(QColor(58, 62, 70));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A grid, as on a sheet of graph paper.
    p.setPen(QPen(QColor(66, 71, 80), 1));
    for (int x = 0; x < kWidth; x += 20)
        p.drawLine(x, 0, x, kHeight);
    for (int y = 0; y < kHeight; y += 20)
        p.drawLine(0, y, kWidth, y);
    // The body: head, neck, torso, arms and legs as thick strokes.
    const QColor body(118, 126, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(160, 55), 28, 32);
    p.drawRect(QRectF(152, 84, 16, 22));
    QPainterPath torso;
    torso.moveTo(126, 112);
    torso.lineTo(194, 112);
    torso.lineTo(182, 270);
    torso.lineTo(138, 270);
    torso.closeSubpath();
    p.drawPath(torso);
    QPen limb(body, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(limb);
    for (int s : {1, -1}) {
        auto mx = [s](qreal x) { return s > 0 ? x : kWidth - x; };
        QPainterPath arm;
        arm.moveTo(mx(190), 118);
        arm.lineTo(mx(210), 130);
        arm.lineTo(mx(226), 182);
        arm.lineTo(mx(238), 228);
        p.drawPath(arm);
        QPainterPath leg;
        leg.moveTo(mx(174), 268);
        leg.lineTo(mx(180), 284);
        leg.lineTo(mx(186), 346);
        leg.lineTo(mx(190), 400);
        leg.lineTo(mx(210), 424);
        p.drawPath(leg);
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawEllipse(QPointF(mx(242), 256), 16, 14);
        p.setBrush(Qt::NoBrush);
        p.setPen(limb);
    }
    return img;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QJsonObject button(int x, int y, int size, unsigned color, const QString& label, const QStringList& nodes,
                   int kind = 0)
{
    QJsonObject b;
    b.insert(QStringLiteral("position"), QJsonArray{x, y});
    b.insert(QStringLiteral("size"), size);
    b.insert(QStringLiteral("kind"), kind);
    b.insert(QStringLiteral("language"), 0);
    b.insert(QStringLiteral("color"), QStringLiteral("#") + QStringLiteral("%1").arg(color, 6, 16, QLatin1Char('0')).toUpper());
    b.insert(QStringLiteral("labelColor"), QStringLiteral("#000000"));
    b.insert(QStringLiteral("label"), label);
    QJsonArray list;
    for (const QString& n : nodes)
        list.append(n);
    b.insert(QStringLiteral("nodes"), list);
    return b;
}

QString hero(const QString& control)
{
    return QStringLiteral("hero:") + control;
}

QJsonObject picker()
{
    QJsonArray buttons;
    for (const Control& c : kCentreControls) {
        QString label;
        if (QLatin1String(c.name) == QLatin1String("cog_ctrl"))
            label = QStringLiteral("COG");
        else if (QLatin1String(c.name) == QLatin1String("root_ctrl"))
            label = QStringLiteral("root");
        buttons.append(button(c.x, c.y, c.size, c.color, label, {hero(QLatin1String(c.name))}));
    }
    for (int s = 0; s < 2; ++s) {
        const char* prefix = s == 0 ? "l_" : "r_";
        for (const Control& c : kSideControls) {
            const int x = s == 0 ? c.x : kWidth - c.x;
            const bool eye = QLatin1String(c.name) == QLatin1String("eye_ctrl");
            buttons.append(button(x, c.y, c.size, eye ? kFace : (s == 0 ? kLeft : kRight), QString(),
                                  {hero(side(prefix, c.name))}));
        }
    }
    // Several controls at once: the fingers and the leg of each side.
    for (int s = 0; s < 2; ++s) {
        const char* prefix = s == 0 ? "l_" : "r_";
        const QString letter = s == 0 ? QStringLiteral("L") : QStringLiteral("R");
        QStringList fingers, leg;
        for (const char* f : kFingers)
            fingers << hero(side(prefix, f));
        for (const char* l : kLeg)
            leg << hero(side(prefix, l));
        const int fx = s == 0 ? 290 : kWidth - 290;
        buttons.append(button(fx, 262, 24, s == 0 ? kLeft : kRight, letter + QStringLiteral(" hand"), fingers));
        const int lx = s == 0 ? 250 : kWidth - 250;
        buttons.append(button(lx, 346, 24, s == 0 ? kLeft : kRight, letter + QStringLiteral(" leg"), leg));
    }
    QStringList spine;
    for (const char* n : {"spine_01_ctrl", "spine_02_ctrl", "spine_03_ctrl", "chest_ctrl"})
        spine << hero(QLatin1String(n));
    buttons.append(button(40, 170, 26, kCentre, QStringLiteral("spine"), spine));
    // A command button running MEL: the whole left arm.
    QStringList arm;
    for (const char* a : kArm)
        arm << quoted(hero(side("l_", a)));
    const QString script = QStringLiteral("select -r ") + arm.join(QLatin1Char(' ')) + QLatin1Char(';');
    buttons.append(button(282, 150, 28, 0x808890, QStringLiteral("L arm"), {script}, 1));

    QJsonObject bg;
    bg.insert(QStringLiteral("name"), QStringLiteral("body_background"));
    bg.insert(QStringLiteral("png"), QString::fromLatin1(pngBytes(background()).toBase64()));
    QJsonObject o;
    o.insert(QStringLiteral("version"), 4);
    o.insert(QStringLiteral("name"), QStringLiteral("Body"));
    o.insert(QStringLiteral("background"), bg);
    o.insert(QStringLiteral("buttons"), buttons);
    // The rig's middle line, and its side colours, for Mirror Buttons.
    QJsonObject mirror;
    mirror.insert(QStringLiteral("axis"), 160);
    mirror.insert(QStringLiteral("colors"), QJsonArray{QStringLiteral("#3070E0"), QStringLiteral("#D03030")});
    o.insert(QStringLiteral("mirror"), mirror);
    return o;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "make_demo: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo <folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool ok = write(dir.filePath(QStringLiteral("demo_shot.ma")), sceneText().toUtf8())
                    && write(dir.filePath(QStringLiteral("body_picker.json")),
                             QJsonDocument(picker()).toJson(QJsonDocument::Indented));
    return ok ? 0 : 1;
}
