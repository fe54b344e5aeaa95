#ifndef QB_DOCUMENT_STREAM_PART_CACHE_H
#define QB_DOCUMENT_STREAM_PART_CACHE_H
// One encoded block of a canvas's picker data, kept with the revision of the
// data it was encoded from. The owner bumps the revision at every access
// that may change the data; a block of another revision is encoded again.
#include <QtCore/QByteArray>

class stream_part_cache
{
public:
    template <typename Encode>
    const QByteArray& get(quint64 revision, Encode encode)
    {
        if (!valid_ || revision != revision_) {
            bytes_ = encode();
            revision_ = revision;
            valid_ = true;
        }
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint64 revision_ = 0;
    bool valid_ = false;
};
#endif
