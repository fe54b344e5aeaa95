#include <maya/MString.h>
#include <QtCore/QString>
#include <cstring>

MString::MString() = default;
MString::MString(const char* charString) : text_(charString ? charString : "") {}
MString::MString(const char* charString, int charLength)
{
    if (charString && charLength > 0)
        text_.assign(charString, static_cast<size_t>(charLength));
}
MString::MString(const wchar_t* wideString)
{
    if (wideString)
        text_ = QString::fromWCharArray(wideString).toStdString();
}
MString::MString(const MString& other) : text_(other.text_) {}
MString::~MString() = default;
MString& MString::operator=(const MString& other)
{
    text_ = other.text_;
    wide_.clear();
    return *this;
}

const char* MString::asChar() const { return text_.c_str(); }
const char* MString::asUTF8() const { return text_.c_str(); }
const wchar_t* MString::asWChar() const
{
    wide_ = QString::fromUtf8(text_.data(), static_cast<int>(text_.size())).toStdWString();
    return wide_.c_str();
}
unsigned int MString::length() const { return static_cast<unsigned int>(text_.size()); }
unsigned int MString::numChars() const
{
    unsigned int n = 0;
    for (unsigned char c : text_)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

MString& MString::operator+=(const MString& other)
{
    text_ += other.text_;
    return *this;
}
MString& MString::operator+=(const char* other)
{
    if (other)
        text_ += other;
    return *this;
}
MString MString::operator+(const MString& other) const
{
    MString r(*this);
    r += other;
    return r;
}
MString MString::operator+(const char* other) const
{
    MString r(*this);
    r += other;
    return r;
}
bool MString::operator==(const MString& other) const { return text_ == other.text_; }
bool MString::operator==(const char* other) const { return text_ == (other ? other : ""); }
bool MString::operator!=(const MString& other) const { return !(*this == other); }
bool MString::operator!=(const char* other) const { return !(*this == other); }

MString operator+(const char* left, const MString& right)
{
    MString r(left);
    r += right;
    return r;
}
