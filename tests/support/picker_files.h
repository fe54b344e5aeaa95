#ifndef QB_TESTS_PICKER_FILES_H
#define QB_TESTS_PICKER_FILES_H
// Writes picker files for tests with the model's own writer.
#include "model/picker_stream.h"
#include <gtest/gtest.h>
#include <QtCore/QDir>
#include <QtCore/QFile>

inline buttonAttributes selection_button(QStringList nodes, int x = 20)
{
    buttonAttributes b;
    b.position = QPoint(x, 20);
    b.nodes = nodes;
    return b;
}

inline buttonAttributes command_button(QString script, int language, int x = 20)
{
    buttonAttributes b;
    b.position = QPoint(x, 20);
    b.kind = kCommandButton;
    b.language = language;
    b.nodes = QStringList{script};
    return b;
}

// dir/<name>.qbx holding one picker named name.
inline QString write_picker_file(const QDir& dir, const QString& name, const QList<buttonAttributes>& buttons)
{
    const QString path = dir.filePath(name + QStringLiteral(".qbx"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    QDataStream stream(&file);
    stream.setVersion(kPickerFileStreamVersion);
    picker_tab_data tab;
    tab.name = name;
    tab.buttons = buttons;
    writePickerFile(stream, tab);
    return path;
}
#endif
