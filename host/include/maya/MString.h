#ifndef QB_STANDIN_MSTRING_H
#define QB_STANDIN_MSTRING_H
#include <maya/MTypes.h>
#include <string>

// Host string. The stand-in holds UTF-8 text; asChar() returns it unchanged.
class OPENMAYA_EXPORT MString
{
public:
    MString();
    MString(const char* charString);
    MString(const char* charString, int charLength);
    MString(const wchar_t* wideString);
    MString(const MString& other);
    ~MString();
    MString& operator=(const MString& other);

    const char* asChar() const;
    const char* asUTF8() const;
    const wchar_t* asWChar() const;
    unsigned int length() const;
    unsigned int numChars() const;

    MString& operator+=(const MString& other);
    MString& operator+=(const char* other);
    MString operator+(const MString& other) const;
    MString operator+(const char* other) const;

    bool operator==(const MString& other) const;
    bool operator==(const char* other) const;
    bool operator!=(const MString& other) const;
    bool operator!=(const char* other) const;

    // Found by argument lookup only, as in the real header.
    friend OPENMAYA_EXPORT MString operator+(const char* left, const MString& right);

private:
    std::string text_;
    mutable std::wstring wide_;
};
#endif
