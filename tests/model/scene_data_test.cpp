// The scene value's compression: whichever compressor the build uses, the
// toolkit's qUncompress reads what it writes, and values written by zlib at
// any level are read back.
#include "model/scene_data.h"
#include <gtest/gtest.h>
#include <QtCore/QDataStream>
#include <QtCore/QIODevice>
#include <QtCore/QtEndian>

namespace {

// Bytes shaped like a window stream of 1,000 buttons, every fifth labelled.
QByteArray picker_like_stream()
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << qint32(4) << qint32(1) << qint32(0) << qint32(0) << QStringLiteral("Body") << QString() << qint32(1000);
    for (int i = 0; i < 1000; ++i) {
        s << qint32(i) << qint32((i % 40) * 14) << qint32((i / 40) * 14) << qint32(12) << qint32(0) << qint32(0)
          << quint32(0xb22222 + i) << quint32(0) << (i % 5 ? QString() : QStringLiteral("B%1").arg(i)) << qint32(2)
          << QStringLiteral("hero:ctrl_%1").arg(i) << QStringLiteral("hero:ctrl_%1_fk").arg(i);
    }
    return bytes;
}

} // namespace

TEST(SceneData, ThisBuildsCompressorIsTheOneConfigured)
{
    EXPECT_STREQ(sceneDataCompressor(), QB_EXPECTED_COMPRESSOR);
}

TEST(SceneData, TheToolkitReadsWhatIsWritten)
{
    for (const QByteArray& stream : {picker_like_stream(), QByteArray("x"), QByteArray(70000, 'a')}) {
        const QByteArray framed = compressSceneData(stream);
        ASSERT_GT(framed.size(), 4);
        EXPECT_EQ(qFromBigEndian<quint32>(framed.constData()), quint32(stream.size()));
        EXPECT_EQ(qUncompress(framed), stream);
        EXPECT_EQ(decodeSceneData(encodeSceneData(stream)), stream);
        EXPECT_FALSE(encodeSceneData(stream).contains('\n'));
    }
}

TEST(SceneData, ValuesOfEveryZlibLevelAreRead)
{
    const QByteArray stream = picker_like_stream();
    for (int level : {1, 6, 9})
        EXPECT_EQ(decodeSceneData(qCompress(stream, level).toBase64()), stream) << level;
}

TEST(SceneData, NoLargerThanZlibAtLevelNine)
{
    const QByteArray stream = picker_like_stream();
    EXPECT_LE(compressSceneData(stream).size(), qCompress(stream, 9).size());
}
