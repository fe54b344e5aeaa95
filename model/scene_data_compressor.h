#ifndef QB_MODEL_SCENE_DATA_COMPRESSOR_H
#define QB_MODEL_SCENE_DATA_COMPRESSOR_H
// Compresses a window's stream for the scene on every write, keeping the
// compressed bytes of the tabs that did not change since the last write.
// Consecutive tabs are compressed together: every join costs a little size,
// so the tabs that did not change form as few pieces as they can.
#include "model/deflate_piece.h"
#include <QtCore/QList>

struct picker_tab_part;

class scene_data_compressor
{
public:
    // The framed zlib stream (compressSceneData) of assembleWindowStream(
    // current, tabs). A tab whose revisions are not known is taken as
    // changed. Without pieces (deflatePiecesAvailable) the assembled stream
    // is compressed whole.
    QByteArray compress(qint32 current, const QList<picker_tab_part>& tabs);

private:
    struct tab_key {
        QByteArray prefix; // encodeTabPrefix: number, name, for the first tab the header
        quint64 background = 0;
        quint64 buttons = 0;
        bool operator==(const tab_key& o) const;
    };
    struct tab_run {
        int first = 0;
        int count = 0;
        deflate_piece piece;
    };

    QList<tab_key> keys_;
    QList<tab_run> runs_;
    QByteArray trailer_;
    deflate_piece trailerPiece_;
};
#endif
