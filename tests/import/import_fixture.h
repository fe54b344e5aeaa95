#ifndef QB_TESTS_IMPORT_FIXTURE_H
#define QB_TESTS_IMPORT_FIXTURE_H
// A sample picker of another tool copied into a temporary folder, with the
// pictures it names drawn beside it, and environment variables set for the
// test alone.
#include "qt_print.h"
#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <utility>
#include <vector>

class import_fixture : public ::testing::Test
{
protected:
    QString sample(const QString& name)
    {
        const QString to = dir_.filePath(name.section(QLatin1Char('/'), -1));
        EXPECT_TRUE(QFile::copy(QStringLiteral(QB_TEST_DATA "/import/") + name, to)) << name.toStdString();
        return to;
    }
    QString picture(const QString& name, const QSize& size, QRgb colour)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    void setEnv(const char* name, const QString& value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        qputenv(name, value.toLocal8Bit());
    }
    void TearDown() override
    {
        for (const auto& s : saved_)
            s.second.isNull() ? qunsetenv(s.first) : qputenv(s.first, s.second);
    }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};
#endif
