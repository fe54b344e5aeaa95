#include "fuzz_entries.h"
#include "model/scene_data.h"
#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>
#include <cstring>
#include <vector>

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

// zlib's and libpng's complaints about broken input would be most of the
// run's time: not printed.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return fuzz_restore_text(data, size);
}

// Byte mutations of the text break the Base64 or the zlib checksum, so most
// inputs would stop before the window-stream reader. Mutate the stream the
// text holds instead, then compress and encode it again; one input in eight
// is mutated as raw text so that the decoding's own refusals stay covered.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed)
{
    if (seed % 8 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    QByteArray stream = decodeSceneData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    if (stream.isEmpty())
        stream = QByteArray(reinterpret_cast<const char*>(data), int(size));
    std::vector<uint8_t> buffer(stream.begin(), stream.end());
    buffer.resize(qMax<size_t>(maxSize, buffer.size()));
    const size_t n = LLVMFuzzerMutate(buffer.data(), size_t(stream.size()), buffer.size());
    const QByteArray text = encodeSceneData(QByteArray(reinterpret_cast<const char*>(buffer.data()), int(n)));
    if (size_t(text.size()) > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    memcpy(data, text.constData(), size_t(text.size()));
    return size_t(text.size());
}
