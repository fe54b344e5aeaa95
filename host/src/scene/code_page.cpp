#include "code_page.h"

#include <cerrno>
#include <iconv.h>

namespace qbhost {

QString codePageName(const QString& raw)
{
    const QString codeset = raw.trimmed();
    if (codeset.isEmpty() || codeset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0
        || codeset.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0 || codeset == QLatin1String("65001"))
        return QStringLiteral("UTF-8");
    bool number = false;
    const int page = codeset.toInt(&number);
    if (number) {
        if (page == 932 || page == 936 || page == 949 || page == 950 || (page >= 1250 && page <= 1258)
            || page == 437 || page == 850 || page == 866)
            return QStringLiteral("CP%1").arg(page);
        return QString();
    }
    // A name the converter may know ("ISO-8859-1", "EUC-JP", ...).
    const QByteArray name = codeset.toLatin1();
    iconv_t probe = iconv_open("UTF-8", name.constData());
    if (probe == reinterpret_cast<iconv_t>(-1))
        return QString();
    iconv_close(probe);
    return codeset;
}

namespace {

// Runs the converter over in; bad bytes of the input are skipped and
// counted (the caller writes a replacement for each); false when the
// converter cannot be opened.
bool convert(const char* to, const char* from, const QByteArray& in, QByteArray* out, int* bad,
             const QByteArray& replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    QByteArray result;
    result.resize(in.size() * 2 + 16);
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    size_t written = 0;
    *bad = 0;
    while (inLeft > 0) {
        char* outPtr = result.data() + written;
        size_t outLeft = static_cast<size_t>(result.size()) - written;
        const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        written = static_cast<size_t>(outPtr - result.data());
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            result.resize(result.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL (cut short at the end): one byte is not text.
        ++*bad;
        ++inPtr;
        --inLeft;
        if (written + static_cast<size_t>(replacement.size()) > static_cast<size_t>(result.size()))
            result.resize(result.size() * 2 + replacement.size());
        memcpy(result.data() + written, replacement.constData(), static_cast<size_t>(replacement.size()));
        written += static_cast<size_t>(replacement.size());
        iconv(cd, nullptr, nullptr, nullptr, nullptr); // back to the initial shift state
    }
    // Flush a stateful converter.
    for (;;) {
        char* outPtr = result.data() + written;
        size_t outLeft = static_cast<size_t>(result.size()) - written;
        if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1) || errno != E2BIG) {
            written = static_cast<size_t>(outPtr - result.data());
            break;
        }
        result.resize(result.size() * 2 + 16);
    }
    iconv_close(cd);
    result.resize(static_cast<int>(written));
    *out = result;
    return true;
}

} // namespace

DecodedText decodeCodePage(const QByteArray& bytes, const QString& codeset)
{
    DecodedText out;
    const QString name = codePageName(codeset);
    if (name.isEmpty())
        out.known = false;
    if (name.isEmpty() || name == QLatin1String("UTF-8")) {
        out.text = QString::fromUtf8(bytes.constData(), bytes.size());
        // Qt reads what is not UTF-8 as U+FFFD: those not written as such
        // in the file are counted, rather than silently replaced.
        const int replaced = int(out.text.count(QChar(0xfffd)));
        if (replaced > 0)
            out.badBytes = replaced - int(bytes.count("\xef\xbf\xbd"));
        return out;
    }
    QByteArray utf8;
    if (!convert("UTF-8", name.toLatin1().constData(), bytes, &utf8, &out.badBytes, QByteArray("\xef\xbf\xbd"))) {
        out.known = false;
        utf8 = bytes;
    }
    out.text = QString::fromUtf8(utf8.constData(), utf8.size());
    return out;
}

bool encodeCodePage(const QString& text, const QString& codeset, QByteArray* out)
{
    const QString name = codePageName(codeset);
    if (name.isEmpty())
        return false;
    const QByteArray utf8 = text.toUtf8();
    if (name == QLatin1String("UTF-8")) {
        *out = utf8;
        return true;
    }
    QByteArray encoded;
    int bad = 0;
    if (!convert(name.toLatin1().constData(), "UTF-8", utf8, &encoded, &bad, QByteArray("?")) || bad > 0)
        return false;
    *out = encoded;
    return true;
}

} // namespace qbhost
