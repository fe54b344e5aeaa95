#ifndef QBHOST_STRING_HASH_H
#define QBHOST_STRING_HASH_H
// A quick hash of short strings (node and attribute names) for the tables
// a scene read looks into for every statement: FNV-1a over the UTF-16 code
// units, seeded once per process so that a file cannot be made of names
// that all collide.
#include <QtCore/QRandomGenerator>
#include <QtCore/QString>

#include <cstddef>

namespace qbhost {

struct NameHash {
    size_t operator()(const QString& s) const noexcept
    {
        static const quint64 seed = QRandomGenerator::global()->generate64() | 1;
        quint64 h = 1469598103934665603ull ^ seed;
        const QChar* p = s.constData();
        for (int i = 0, n = int(s.size()); i < n; ++i) {
            h ^= p[i].unicode();
            h *= 1099511628211ull;
        }
        return size_t(h ^ (h >> 29));
    }
};

} // namespace qbhost
#endif
