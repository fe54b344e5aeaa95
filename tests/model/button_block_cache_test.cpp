// Re-encoding a button block after an edit copies the records that stayed
// equal at their place; the bytes are always those of a full encoding.
#include "model/button_block_cache.h"
#include "model/picker_stream.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

buttonRecord record(int i)
{
    buttonAttributes a;
    a.position = QPoint(i * 3, i * 5);
    a.size = 10 + i % 4;
    a.color = 0xff000000u + uint(i);
    a.label = i % 3 ? QStringLiteral("L%1").arg(i) : QString();
    a.nodes = QStringList{QStringLiteral("ns:ctrl_%1").arg(i)};
    return buttonRecord(a);
}

TEST(ButtonBlockCache, EveryEncodingEqualsAFullOne)
{
    QList<buttonRecord> buttons;
    for (int i = 0; i < 20; ++i)
        buttons << record(i);
    const struct {
        const char* what;
        std::function<void()> edit;
    } rows[] = {
        {"nothing changed", [] {}},
        {"one moved", [&] { buttons[4].moveTo(QPoint(99, 98)); }},
        {"label lengthened", [&] { buttons[7].label = QStringLiteral("a much longer label than before"); }},
        {"label emptied (null)", [&] { buttons[7].label = QString(); }},
        {"label empty, not null", [&] { buttons[8].label = QStringLiteral(""); }},
        {"node added", [&] { buttons[0].nodes << QStringLiteral("ns:extra"); }},
        {"first removed: every index shifts", [&] { buttons.removeFirst(); }},
        {"inserted in the middle", [&] { buttons.insert(5, record(77)); }},
        {"last removed", [&] { buttons.removeLast(); }},
        {"appended", [&] { buttons << record(55); }},
        {"two swapped", [&] { buttons.swapItemsAt(1, 2); }},
        {"colour of every button", [&] {
             for (buttonRecord& b : buttons)
                 b.color ^= 0x00ffffffu;
         }},
        {"all removed", [&] { buttons.clear(); }},
        {"refilled", [&] {
             for (int i = 0; i < 3; ++i)
                 buttons << record(i + 100);
         }},
    };
    button_block_cache cache;
    for (const auto& r : rows) {
        r.edit();
        QList<buttonAttributes> plain;
        for (const buttonRecord& b : buttons)
            plain << b.attributes();
        EXPECT_TRUE(cache.encode(buttons) == encodeButtonBlock(plain)) << r.what;
    }
}

} // namespace
