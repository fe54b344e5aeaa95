#include "import/image_paths.h"
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace {

bool isNameChar(QChar c)
{
    return c == QLatin1Char('_') || (c.unicode() < 128 && c.isLetterOrNumber());
}

QString variable(const QString& name, bool* set)
{
    *set = qEnvironmentVariableIsSet(name.toLocal8Bit().constData());
    return *set ? qEnvironmentVariable(name.toLocal8Bit().constData()) : QString();
}

QString fromFile(const QString& path, const image_lookup& lookup)
{
    if (QDir::isAbsolutePath(path) || lookup.baseDir.isEmpty())
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(lookup.baseDir).filePath(path));
}

bool isFile(const QString& path, const image_lookup& lookup)
{
    return lookup.touchFiles && !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

QString expand_environment(const QString& path)
{
    QString out;
    out.reserve(path.size());
    int i = 0;
    const int n = path.size();
    while (i < n) {
        const QChar c = path[i];
        int end = -1;
        QString name;
        if (c == QLatin1Char('$') && i + 1 < n && path[i + 1] == QLatin1Char('{')) {
            const int close = path.indexOf(QLatin1Char('}'), i + 2);
            if (close > i + 2) {
                name = path.mid(i + 2, close - i - 2);
                end = close + 1;
            }
        } else if (c == QLatin1Char('$')) {
            int j = i + 1;
            while (j < n && isNameChar(path[j]))
                ++j;
            if (j > i + 1) {
                name = path.mid(i + 1, j - i - 1);
                end = j;
            }
        } else if (c == QLatin1Char('%')) {
            const int close = path.indexOf(QLatin1Char('%'), i + 1);
            if (close > i + 1) {
                name = path.mid(i + 1, close - i - 1);
                end = close + 1;
            }
        }
        bool set = false;
        const QString value = end > 0 ? variable(name, &set) : QString();
        if (end > 0 && set) {
            out += value;
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

imported_image resolve_dwpicker_image(const QString& stored, const image_lookup& lookup)
{
    imported_image image;
    image.stored = stored;
    if (stored.isEmpty())
        return image;
    QString path = expand_environment(stored);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    image.resolved = fromFile(path, lookup);
    image.found = isFile(image.resolved, lookup);
    return image;
}

imported_image resolve_mgear_image(const QString& stored, const image_lookup& lookup)
{
    imported_image image;
    image.stored = stored;
    if (stored.isEmpty())
        return image;
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    image.resolved = fromFile(path, lookup);
    image.found = isFile(image.resolved, lookup);
    if (image.found || lookup.baseDir.isEmpty())
        return image;
    const QString folder = qEnvironmentVariable("ANIM_PICKER_RELATIVE_IMAGES");
    const QString beside =
        QDir::cleanPath(QDir(QDir(lookup.baseDir).filePath(folder)).filePath(QFileInfo(path).fileName()));
    if (isFile(beside, lookup)) {
        image.resolved = beside;
        image.found = true;
    }
    return image;
}
