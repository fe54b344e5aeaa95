#include "model/scene_data_compressor.h"
#include "model/deflate_joiner.h"
#include "model/picker_stream.h"
#include "model/scene_data.h"

bool scene_data_compressor::tab_key::operator==(const tab_key& o) const
{
    return background != 0 && buttons != 0 && background == o.background && buttons == o.buttons
           && prefix == o.prefix;
}

QByteArray scene_data_compressor::compress(qint32 current, const QList<picker_tab_part>& tabs)
{
    const int count = int(tabs.size());
    QList<tab_key> keys;
    QList<bool> unchanged;
    bool anyUnchanged = false;
    if (deflatePiecesAvailable()) {
        keys.reserve(count);
        for (int t = 0; t < count; ++t) {
            keys.append(tab_key{encodeTabPrefix(current, count, t, tabs[t].name), tabs[t].backgroundRevision,
                                tabs[t].buttonsRevision});
            unchanged.append(t < keys_.size() && keys[t] == keys_[t]);
            anyUnchanged = anyUnchanged || unchanged[t];
        }
    }
    keys_ = keys;
    // When every tab changed, a piece would be kept only for a write that
    // changes nothing: the stream is compressed whole, which is quicker.
    if (!anyUnchanged) {
        runs_.clear();
        return compressSceneData(assembleWindowStream(current, tabs));
    }

    // Runs of tabs alike in having changed or not; a run of unchanged tabs
    // that was a run of the last write keeps its piece.
    QList<tab_run> runs;
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && unchanged[end] == unchanged[first])
            ++end;
        tab_run run{first, end - first, deflate_piece()};
        if (unchanged[first]) {
            for (const tab_run& old : runs_)
                if (old.first == run.first && old.count == run.count)
                    run.piece = old.piece;
        }
        if (!run.piece.valid()) {
            QByteArray bytes;
            for (int t = first; t < end; ++t)
                bytes += keys[t].prefix + tabs[t].background + tabs[t].buttons;
            run.piece = compressDeflatePiece(bytes);
        }
        runs.append(run);
        first = end;
    }
    runs_ = runs;

    // What only the extension block holds, after the last tab: compressed
    // again only when it changed.
    const QByteArray trailer = encodeWindowTrailer(tabs);
    if (trailer != trailer_) {
        trailer_ = trailer;
        trailerPiece_ = trailer.isEmpty() ? deflate_piece() : compressDeflatePiece(trailer);
    }

    deflate_joiner joiner;
    for (const tab_run& run : runs)
        joiner.append(run.piece);
    if (!trailer.isEmpty())
        joiner.append(trailerPiece_);
    const QByteArray joined = joiner.finish();
    return joined.isEmpty() ? compressSceneData(assembleWindowStream(current, tabs)) : joined;
}
