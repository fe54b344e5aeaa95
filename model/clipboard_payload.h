#ifndef QB_MODEL_CLIPBOARD_PAYLOAD_H
#define QB_MODEL_CLIPBOARD_PAYLOAD_H
// The bytes of buttons on the clipboard: the button-list block written by
// the data stream's default settings. A payload comes from any process, so
// the reader takes nothing on trust.
#include "model/buttonAttributes.h"
#include "model/picker_extensions.h"
#include <QtCore/QByteArray>
#include <QtCore/QList>

// Larger payloads are refused whole: no picker comes near it, and every
// record read from the rest is bounded by the bytes it takes.
constexpr int kMaxClipboardPayloadBytes = 64 * 1024 * 1024;

// The longest label a pasted button keeps (the toolkit's longest line-edit
// text): a label is drawn into a picture as wide as its text, so a foreign
// payload's megabyte label would cost gigabytes.
constexpr int kMaxPastedLabelLength = 32767;

// With the pictures the buttons show, when any does.
QByteArray writeClipboardPayload(const QList<buttonAttributes>& buttons,
                                 const picker_pictures& pictures = picker_pictures());
// The buttons of a payload; empty for another version, for an oversized
// payload, and past the point where the data ends or goes bad. Labels are
// cut to kMaxPastedLabelLength.
QList<buttonAttributes> readClipboardPayload(const QByteArray& payload, picker_pictures* pictures = nullptr);
#endif
