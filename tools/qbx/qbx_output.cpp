#include "qbx_output.h"
#include <QtCore/QFile>
#include <cstdio>

namespace qbx {

QString one_line(const QString& message)
{
    QString out;
    out.reserve(message.size());
    for (const QChar c : message) {
        const ushort u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f)
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

static void print_line(const QString& text)
{
    const QByteArray line = one_line(text).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

int fail(const QString& message)
{
    print_line(QStringLiteral("qbx: ") + message);
    return kExitError;
}

void warn(const QString& message)
{
    print_line(QStringLiteral("qbx: warning: ") + message);
}

bool write_stdout(const QByteArray& bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        fail(QStringLiteral("cannot write to standard output: ") + out.errorString());
        return false;
    }
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        fail(QStringLiteral("cannot write to standard output: ") + out.errorString());
        return false;
    }
    return true;
}

} // namespace qbx
