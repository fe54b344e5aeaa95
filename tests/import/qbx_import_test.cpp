// qbx import run as a subprocess: its exit statuses, the files it writes
// (read back with the plug-in's own reader) and its report.
#include "import_fixture.h"
#include "model/picker_file_check.h"
#include "qbx_process.h"
#include <QtCore/QDir>
#include <QtCore/QProcess>

namespace {

// qbx import with these arguments.
run_result qbx_import(const QStringList& args)
{
    return qbx(QStringList{QStringLiteral("import")} + args);
}

// A picker that comes over whole: square selection buttons without borders,
// labels of the size here.
const char kWhole[] = R"({"general": {"name": "Plain", "version": [1, 0, 0]}, "shapes": [
    {"shape": "square", "shape.left": 0, "shape.top": 0, "shape.width": 20, "shape.height": 20,
     "border": false, "bgcolor.normal": "#102030", "text.content": "A", "text.size": 16,
     "action.targets": ["ns:a_ctrl"]}]})";

} // namespace

class QbxImport : public import_fixture
{
};

TEST_F(QbxImport, ExitStatusesAndTheFilesWritten)
{
    const QString whole = dir_.filePath(QStringLiteral("plain.json"));
    {
        QFile f(whole);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kWhole);
    }
    const QString hero = sample(QStringLiteral("dwpicker/hero_1_0.json"));
    const QString damaged = dir_.filePath(QStringLiteral("damaged.pkr"));
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"tabs": [{"data": {"items": [{"handles": [[0, 0]]}]}}]})");
    }
    const QString out = dir_.filePath(QStringLiteral("out"));
    struct row {
        const char* name;
        QStringList args;
        int status;
        const char* stdoutHas; // stdout, or the one line on standard error for 2
        QStringList written;   // files under out/
    };
    const std::vector<row> rows = {
        {"all mapped", {whole, QStringLiteral("-o"), out + QStringLiteral("/plain.qbx")}, 0,
         "everything was imported as it was", {QStringLiteral("plain.qbx")}},
        {"every tab into a folder", {hero, QStringLiteral("-o"), out + QLatin1Char('/')}, 1,
         "borders not drawn (1): \"Chest\"",
         {QStringLiteral("Hero - Body.qbx"), QStringLiteral("Hero - Face.qbx")}},
        {"one tab chosen", {hero, QStringLiteral("--tab"), QStringLiteral("1"), QStringLiteral("-o"), out + QStringLiteral("/face.qbx")},
         1, "wrote", {QStringLiteral("face.qbx")}},
        {"two tabs, one file", {hero, QStringLiteral("-o"), out + QStringLiteral("/x.qbx")}, 2,
         "holds 2 tabs: choose one with --tab N (0 to 1)", {}},
        {"no such tab", {hero, QStringLiteral("--tab=2"), QStringLiteral("-o"), out + QStringLiteral("/x.qbx")}, 2,
         "holds tabs 0 to 1", {}},
        {"tab not a number", {hero, QStringLiteral("--tab"), QStringLiteral("one"), QStringLiteral("-o"), out + QLatin1Char('/')},
         2, "--tab \"one\"", {}},
        {"damaged", {damaged, QStringLiteral("-o"), out + QLatin1Char('/')}, 2,
         "damaged mGear anim picker file, refused: tab 0, item 0: 1 handles", {}},
        {"missing", {dir_.filePath(QStringLiteral("none.json")), QStringLiteral("-o"), out + QLatin1Char('/')}, 2,
         "cannot open", {}},
        {"over itself", {whole, QStringLiteral("-o"), whole}, 2, "is the file being imported", {}},
    };
    for (const row& r : rows) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const run_result res = qbx_import(r.args);
        EXPECT_EQ(res.status, r.status) << r.name << "\n" << res.out.constData() << res.err.constData();
        if (r.status == 2) {
            EXPECT_TRUE(res.err.startsWith("qbx: ") && res.err.count('\n') == 1) << r.name << ": " << res.err.constData();
            EXPECT_TRUE(res.err.contains(r.stdoutHas)) << r.name << ": " << res.err.constData();
        } else {
            EXPECT_TRUE(res.out.contains(r.stdoutHas)) << r.name << ": " << res.out.constData();
            // Exit 1 says so in one warning line; 0 says nothing there.
            EXPECT_EQ(res.err.startsWith("qbx: warning: "), r.status == 1) << r.name << ": " << res.err.constData();
        }
        QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(files, r.written) << r.name;
    }

    // What was written reads back with the plug-in's own reader.
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    ASSERT_EQ(qbx_import({whole, QStringLiteral("-o"), out + QStringLiteral("/plain.qbx")}).status, 0);
    const picker_file_check plain = picker_file_check::read(out + QStringLiteral("/plain.qbx"));
    ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
    EXPECT_FALSE(plain.has_problems());
    EXPECT_EQ(plain.tab.name, QStringLiteral("Plain"));
    ASSERT_EQ(plain.tab.buttons.size(), 1);
    EXPECT_EQ(plain.tab.buttons[0].position, QPoint(10, 10));
    EXPECT_EQ(plain.tab.buttons[0].size, 20);
    EXPECT_EQ(plain.tab.buttons[0].color & 0xffffffu, 0x102030u);
    EXPECT_EQ(plain.tab.buttons[0].nodes, QStringList{QStringLiteral("ns:a_ctrl")});
    ASSERT_EQ(qbx_import({hero, QStringLiteral("--tab"), QStringLiteral("1"), QStringLiteral("-o"), out + QStringLiteral("/face.qbx")}).status, 1);
    EXPECT_EQ(picker_file_check::read(out + QStringLiteral("/face.qbx")).tab.name, QStringLiteral("Hero - Face"));
}
