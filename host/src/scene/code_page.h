#ifndef QBHOST_CODE_PAGE_H
#define QBHOST_CODE_PAGE_H
// Text in the code page a Maya ASCII file names in its "//Codeset:" line
// (932, 936, 949, 950, 1250 to 1258, UTF-8, or a name the C library's
// converter knows), decoded and encoded through iconv, which both Qt 5 and
// Qt 6 builds have.
#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace qbhost {

// The converter's name for a codeset, "UTF-8" for UTF-8; empty when the
// codeset is not one it knows.
QString codePageName(const QString& codeset);

struct DecodedText {
    QString text;
    int badBytes = 0; // bytes that were not text in the code page, read as U+FFFD
    bool known = true; // false: the code page is unknown, read as UTF-8
};
DecodedText decodeCodePage(const QByteArray& bytes, const QString& codeset);

// False when a character cannot be written in the code page (or the code
// page is unknown); out is then untouched.
bool encodeCodePage(const QString& text, const QString& codeset, QByteArray* out);

} // namespace qbhost
#endif
