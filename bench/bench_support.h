#ifndef QB_BENCH_SUPPORT_H
#define QB_BENCH_SUPPORT_H
// What several benchmarks build their pictures and clocks from.
#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <ctime>

namespace bench_support {

// A 1024 by 1024 background busy enough that PNG cannot shrink it to
// nothing; another shift gives other pixels.
inline QImage busyBackground(int shift = 0)
{
    QImage img(1024, 1024, QImage::Format_RGB32);
    QPainter p(&img);
    for (int y = 0; y < 1024; y += 16)
        for (int x = 0; x < 1024; x += 16)
            p.fillRect(x, y, 16, 16, QColor::fromHsv((x * 7 + y * 3 + shift) % 360, 200, 100 + (x ^ y) % 150));
    return img;
}

// The process's CPU time: the machines are shared, so wall time alone says
// little.
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace bench_support
#endif
