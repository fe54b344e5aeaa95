// Pieces compressed apart and joined bit after bit: whatever the bytes and
// wherever a piece ends within its last byte, the toolkit reads back the
// bytes of all the pieces in turn.
#include "model/deflate_joiner.h"
#include <gtest/gtest.h>
#include <QtCore/QList>
#include <QtCore/QRandomGenerator>
#include <QtCore/QtEndian>

namespace {

QByteArray randomBytes(QRandomGenerator& rng, int size, int alphabet)
{
    QByteArray out(size, Qt::Uninitialized);
    for (char& c : out)
        c = char('a' + rng.bounded(alphabet));
    return out;
}

QByteArray joined(const QList<QByteArray>& parts)
{
    deflate_joiner joiner;
    for (const QByteArray& p : parts)
        joiner.append(compressDeflatePiece(p));
    return joiner.finish();
}

} // namespace

TEST(DeflateJoiner, TheToolkitReadsEveryJoin)
{
    if (!deflatePiecesAvailable())
        GTEST_SKIP() << "this build compresses the scene data whole";
    QRandomGenerator rng(7);
    // Short texts end at every bit of their last byte, so joins at every
    // shift are made; long ones give several blocks, stored ones included.
    QList<QByteArray> samples{QByteArray(), QByteArray("x"), QByteArray(70000, 'a')};
    for (int i = 0; i < 40; ++i)
        samples << randomBytes(rng, 1 + rng.bounded(60), 2 + rng.bounded(20));
    samples << randomBytes(rng, 200000, 256 - 'a') << randomBytes(rng, 90000, 4);
    for (int round = 0; round < 60; ++round) {
        QList<QByteArray> parts;
        QByteArray whole;
        const int count = 1 + rng.bounded(4);
        for (int p = 0; p < count; ++p) {
            parts << samples[rng.bounded(samples.size())];
            whole += parts.last();
        }
        const QByteArray framed = joined(parts);
        ASSERT_GT(framed.size(), 4) << round;
        EXPECT_EQ(qFromBigEndian<quint32>(framed.constData()), quint32(whole.size())) << round;
        EXPECT_TRUE(qUncompress(framed) == whole) << round;
    }
}

TEST(DeflateJoiner, NothingIsWrittenFromAPieceThatCouldNotBeMade)
{
    deflate_joiner none;
    EXPECT_TRUE(none.finish().isEmpty());
    deflate_joiner broken;
    broken.append(compressDeflatePiece("abc"));
    broken.append(deflate_piece());
    EXPECT_TRUE(broken.finish().isEmpty());
}
