#include "model/mirror_settings.h"
#include "model/buttonRecord.h"
#include "model/picker_stream.h"
#include "model/stream_bounds.h"
#include <QtCore/QIODevice>

namespace {
enum : quint8 { kHasRules = 1, kHasAxis = 2, kHasColors = 4 };
} // namespace

QRgb mirror_settings::swapped(QRgb color) const
{
    if (!hasColors)
        return color;
    const QRgb rgb = color & 0x00FFFFFFu, top = color & 0xFF000000u;
    if (rgb == (leftColor & 0x00FFFFFFu))
        return top | (rightColor & 0x00FFFFFFu);
    if (rgb == (rightColor & 0x00FFFFFFu))
        return top | (leftColor & 0x00FFFFFFu);
    return color;
}

// Layout: quint8 flags (1 rules, 2 axis, 4 colours), qint32 axis, quint32
// left colour, quint32 right colour, qint32 rule count, then each rule's two
// parts as strings. Fields whose flag is clear are written as 0.
extension_records mirrorRecords(const mirror_settings& settings)
{
    if (settings.isDefault())
        return {};
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(kPickerDataStreamVersion);
    const quint8 flags = quint8((settings.rules.isEmpty() ? 0 : kHasRules) | (settings.hasAxis ? kHasAxis : 0)
                                | (settings.hasColors ? kHasColors : 0));
    s << flags << qint32(settings.hasAxis ? settings.axis : 0)
      << quint32(settings.hasColors ? settings.leftColor : 0u) << quint32(settings.hasColors ? settings.rightColor : 0u)
      << qint32(settings.rules.size());
    for (const side_pair& p : settings.rules)
        s << p.first << p.second;
    return {{kMirrorTag, bytes}};
}

mirror_settings readMirrorRecords(const extension_records& records)
{
    for (const extension_record& r : records) {
        if (r.first != kMirrorTag)
            continue;
        QDataStream s(r.second);
        s.setVersion(kPickerDataStreamVersion);
        quint8 flags = 0;
        qint32 axis = 0, count = 0;
        quint32 left = 0, right = 0;
        s >> flags >> axis >> left >> right >> count;
        if (s.status() != QDataStream::Ok || count < 0 || count > side_rules::kMaxPairs || !claimBytes(s, qint64(count) * 8))
            return mirror_settings();
        mirror_settings out;
        for (qint32 i = 0; i < count; ++i) {
            side_pair p;
            readString(s, &p.first);
            readString(s, &p.second);
            if (s.status() != QDataStream::Ok)
                return mirror_settings();
            if ((flags & kHasRules) && side_rules::check_pair(p.first, p.second).isEmpty())
                out.rules.append(p);
        }
        out.hasAxis = (flags & kHasAxis) && qAbs(axis) <= buttonRecord::kCoordinateLimit;
        out.axis = out.hasAxis ? axis : 0;
        out.hasColors = (flags & kHasColors) != 0;
        out.leftColor = out.hasColors ? left : 0;
        out.rightColor = out.hasColors ? right : 0;
        return out;
    }
    return mirror_settings();
}
