#ifndef QB_TESTS_BYTE_BUILDER_H
#define QB_TESTS_BYTE_BUILDER_H
// Builds picker streams byte by byte, independently of the writers under
// test: big-endian int32, strings as a byte count and UTF-16BE code units.
#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>
#include <QtCore/QBuffer>

class byte_builder
{
public:
    byte_builder& i32(qint64 v)
    {
        const quint32 u = quint32(v);
        bytes_.append(char(u >> 24)).append(char(u >> 16)).append(char(u >> 8)).append(char(u));
        return *this;
    }
    byte_builder& str(const QString& s)
    {
        if (s.isNull())
            return i32(0xFFFFFFFFu);
        i32(s.size() * 2);
        for (QChar c : s)
            bytes_.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
        return *this;
    }
    byte_builder& raw(const QByteArray& b)
    {
        bytes_.append(b);
        return *this;
    }
    // The image encoding: marker 1 and a PNG file (at 96 dots per inch
    // whatever the screen's), or marker 0.
    byte_builder& image(const QImage& img)
    {
        if (img.isNull())
            return i32(0);
        i32(1);
        QImage fixed = img;
        fixed.setDotsPerMeterX(3780);
        fixed.setDotsPerMeterY(3780);
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        fixed.save(&buf, "PNG");
        return raw(png);
    }
    // One button record in the layout of a data version.
    byte_builder& button(int version, qint32 index, QPoint pos, qint32 size, qint32 kind, qint32 language,
                         quint32 color, quint32 labelColor, const QString& label, const QStringList& nodes)
    {
        i32(index).i32(pos.x()).i32(pos.y()).i32(size);
        if (version >= 2)
            i32(kind).i32(language);
        i32(color);
        if (version >= 4)
            i32(labelColor);
        str(label).i32(nodes.size());
        for (const QString& n : nodes)
            str(n);
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};
#endif
