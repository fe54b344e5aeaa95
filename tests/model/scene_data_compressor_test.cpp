// The scene value written after each change of a window's tabs compresses
// only the tabs that changed, and always decodes to the whole window stream.
#include "model/picker_stream.h"
#include "model/scene_data.h"
#include "model/scene_data_compressor.h"
#include <gtest/gtest.h>
#include <QtCore/QRandomGenerator>
#include <functional>

namespace {

QByteArray buttonsOf(const QString& ns, int count)
{
    QList<buttonAttributes> buttons;
    for (int i = 0; i < count; ++i) {
        buttonAttributes b;
        b.position = QPoint(i % 30 * 14, i / 30 * 14);
        b.size = 12;
        b.color = 0xb22222u + uint(i);
        b.nodes = QStringList{ns + QStringLiteral(":ctrl_%1").arg(i)};
        buttons << b;
    }
    return encodeButtonBlock(buttons);
}

quint64 revision = 0;

picker_tab_part tab(const QString& name, int count)
{
    return picker_tab_part{name, encodeBackgroundBlock(QString(), QImage()), buttonsOf(name, count), ++revision,
                           ++revision};
}

} // namespace

TEST(SceneDataCompressor, EveryWriteDecodesToTheWholeStream)
{
    qint32 current = 0;
    QList<picker_tab_part> tabs{tab("body", 900), tab("face", 700), tab("arms", 800), tab("legs", 600)};
    scene_data_compressor compressor;
    const struct {
        const char* what;
        std::function<void()> change;
    } rows[] = {
        {"first write", [] {}},
        {"last tab changed", [&] { tabs[3] = tab("legs", 601); }},
        {"last tab changed again", [&] { tabs[3] = tab("legs", 602); }},
        {"middle tab changed", [&] { tabs[1] = tab("face", 701); }},
        {"nothing changed", [] {}},
        {"renamed", [&] { tabs[2].name = QStringLiteral("Arms"); }},
        {"current tab switched", [&] { current = 2; }},
        {"first tab changed", [&] { tabs[0] = tab("body", 901); }},
        {"tabs moved", [&] { tabs.move(0, 3); }},
        {"tab closed", [&] { tabs.removeAt(1); }},
        {"tab added", [&] { tabs.append(tab("tail", 50)); }},
        {"revisions not known", [&] { tabs[1].backgroundRevision = tabs[1].buttonsRevision = 0; }},
        {"bytes of an unknown revision changed", [&] { tabs[1].buttons = buttonsOf("x", 3); }},
        {"every tab changed", [&] {
             for (picker_tab_part& t : tabs)
                 t = tab(t.name, 20);
         }},
        {"no tabs", [&] { tabs.clear(); }},
    };
    for (const auto& r : rows) {
        r.change();
        const QByteArray framed = compressor.compress(current, tabs);
        EXPECT_TRUE(qUncompress(framed) == assembleWindowStream(current, tabs)) << r.what;
    }
}

TEST(SceneDataCompressor, AnyRunOfChangesDecodesToTheWholeStream)
{
    QRandomGenerator rng(18);
    qint32 current = 0;
    QList<picker_tab_part> tabs{tab("a", 40), tab("b", 50), tab("c", 60)};
    scene_data_compressor compressor;
    for (int step = 0; step < 300; ++step) {
        // Several changes between two writes, as one event may make them.
        for (int n = rng.bounded(3); n >= 0; --n) {
            const int t = tabs.isEmpty() ? 0 : rng.bounded(int(tabs.size()));
            switch (rng.bounded(tabs.isEmpty() ? 1 : 6)) {
            case 0: tabs.insert(t, tab(QStringLiteral("n%1").arg(step), 1 + rng.bounded(80))); break;
            case 1: tabs[t] = tab(tabs[t].name, 1 + rng.bounded(80)); break;
            case 2: tabs[t].name = QStringLiteral("r%1").arg(step); break;
            case 3: tabs.move(t, rng.bounded(int(tabs.size()))); break;
            case 4: current = rng.bounded(int(tabs.size())); break;
            case 5: if (tabs.size() > 1) tabs.removeAt(t); break;
            }
        }
        const QByteArray framed = compressor.compress(current, tabs);
        ASSERT_TRUE(qUncompress(framed) == assembleWindowStream(current, tabs)) << "step " << step;
    }
}

TEST(SceneDataCompressor, ATabWhoseRevisionsStayIsNotCompressedAgain)
{
    if (!deflatePiecesAvailable())
        GTEST_SKIP() << "this build compresses the scene data whole";
    QList<picker_tab_part> tabs{tab("body", 300), tab("face", 300), tab("arms", 300)};
    scene_data_compressor compressor;
    compressor.compress(0, tabs);
    tabs[2] = tab("arms", 301);
    compressor.compress(0, tabs);
    // The revisions say that the first two tabs are as they were: their
    // bytes are not read again (a caller must change a revision with them).
    const QList<picker_tab_part> written = tabs;
    tabs[0].buttons = buttonsOf("other", 300);
    tabs[2] = tab("arms", 302);
    QList<picker_tab_part> expected = tabs;
    expected[0] = written[0];
    EXPECT_TRUE(qUncompress(compressor.compress(0, tabs)) == assembleWindowStream(0, expected));
}
