// The limits a host run can set on MEL: a step budget that interrupts an
// endless text, and a memory budget over the variables of every frame.
#include "mel_test_support.h"

namespace {

class MelBudget : public MelTest
{
protected:
    static QString lastError() { return host().errors().isEmpty() ? QString() : host().errors().last(); }
};

TEST_F(MelBudget, EndlessTextsAreInterrupted)
{
    host().setMelStepBudget(100000);
    const char* texts[] = {
        "for(;;);",
        "while (1) { int $i = 1; }",
        "do {} while (1);",
        "global proc qbSpin() { qbSpin2(); } global proc qbSpin2() { for(;;) {} } qbSpin();",
        "while (1) eval(\"int $x = 1;\");",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        host().clearErrors();
        EXPECT_FALSE(run(QString::fromUtf8(text)));
        EXPECT_TRUE(lastError().contains(QLatin1String("interrupted"))) << lastError().toStdString();
    }
    // Each text gets the whole budget again.
    EXPECT_EQ(eval("int $s = 0; for ($i = 0; $i < 1000; $i++) $s += $i; $s;"), QStringLiteral("499500"));
}

TEST_F(MelBudget, NoLimitUnlessSet)
{
    EXPECT_EQ(eval("int $s = 0; for ($i = 0; $i < 300000; $i++) $s += 1; $s;"), QStringLiteral("300000"));
}

TEST_F(MelBudget, DeepRecursionWithBigArraysIsRefused)
{
    host().setMelMemoryBudget(8 << 20);
    struct Row {
        const char* what;
        const char* text;
    };
    const Row rows[] = {
        {"sized declaration", "global proc qbDeep(int $d) { int $a[1000000]; qbDeep($d + 1); } qbDeep(0);"},
        {"grown by index", "global proc qbDeep(int $d) { float $a[]; $a[999999] = 1; qbDeep($d + 1); } qbDeep(0);"},
        {"growing string",
         "global proc qbDeep(string $s) { string $t = $s; $t += $s; qbDeep($t); } qbDeep(\"0123456789abcdef\");"},
        {"one array element by element", "float $a[]; for ($i = 0; $i < 2000000; $i++) $a[$i] = $i;"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        host().clearErrors();
        EXPECT_FALSE(run(QString::fromUtf8(r.text)));
        EXPECT_TRUE(lastError().contains(QLatin1String("Out of memory"))) << lastError().toStdString();
    }
    // Within the budget the same shapes run, and the memory is back after.
    EXPECT_EQ(eval("global proc int qbFew(int $d) { int $a[100000]; $a[5] = $d;"
                   " if ($d == 5) return $a[5]; return qbFew($d + 1); } qbFew(0);"),
              QStringLiteral("5"));
}

} // namespace
