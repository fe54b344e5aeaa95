#ifndef QB_TESTS_QT_PRINT_H
#define QB_TESTS_QT_PRINT_H
// Readable failure output for toolkit strings and lists.
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < l.size(); ++i)
        *os << (i ? ", \"" : "\"") << l[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QList<QStringList>& l, std::ostream* os)
{
    *os << '[';
    for (int i = 0; i < l.size(); ++i) {
        if (i)
            *os << ", ";
        PrintTo(l[i], os);
    }
    *os << ']';
}
#endif
