#ifndef QB_MODEL_BUTTON_BLOCK_CACHE_H
#define QB_MODEL_BUTTON_BLOCK_CACHE_H
// The button block of one canvas, encoded again after an edit at the cost
// of the records that changed: a record equal to the one at the same place
// in the previous encoding is copied from its bytes. Equality, not change
// notification, decides, so a record is never copied when it differs.
#include "model/buttonRecord.h"
#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QVector>

class button_block_cache
{
public:
    // The same bytes as encodeButtonBlock(buttons).
    QByteArray encode(const QList<buttonRecord>& buttons);

private:
    QByteArray bytes_;
    QList<buttonAttributes> previous_;
    QVector<qint64> offsets_; // where each record of bytes_ starts, then its end
};
#endif
