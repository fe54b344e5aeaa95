#ifndef QB_TESTS_TEMP_FILES_H
#define QB_TESTS_TEMP_FILES_H
// Writes test input files into a temporary folder.
#include <gtest/gtest.h>
#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

// dir/name holding bytes; its path.
inline QString write_temp_file(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
    return path;
}
#endif
