// The MEL language: expressions, conversions, variables, procedures, control
// flow and how errors stop a text.
#include "mel_test_support.h"

#include <maya/MGlobal.h>

using qbhost::HistoryKind;

namespace {

struct Case {
    const char* text;
    const char* result;
};

class MelExpressions : public MelTest, public ::testing::WithParamInterface<Case>
{
};

TEST_P(MelExpressions, GiveMelsResult)
{
    const Case& c = GetParam();
    EXPECT_EQ(eval(QString::fromUtf8(c.text)), QString::fromUtf8(c.result)) << c.text;
    EXPECT_TRUE(host().errors().isEmpty()) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, MelExpressions,
    ::testing::Values(Case{"7 / 2", "3"}, Case{"-7 / 2", "-3"}, Case{"7 / 2.0", "3.5"}, Case{"7 % 3", "1"},
                      Case{"7.5 % 2", "1.5"}, Case{"1 + 2 * 3", "7"}, Case{"(1 + 2) * 3", "9"},
                      Case{"-(2 - 5)", "3"}, Case{"1.0 / 3", "0.333333"}, Case{"2.5 * 2", "5"},
                      Case{"2147483647 + 1", "-2147483648"}, Case{"0x10 + 1e3", "1016"},
                      Case{"10 - 2 - 3", "5"}, Case{"2 * 3 % 4", "2"}));

INSTANTIATE_TEST_SUITE_P(
    StringsAndConversions, MelExpressions,
    ::testing::Values(Case{"\"a\" + 1", "a1"}, Case{"1 + \"2\"", "12"}, Case{"\"5\" - 2", "3"},
                      Case{"\"1.5\" * 2", "3"}, Case{"\"ab\" + 1.5", "ab1.5"},
                      Case{"int $i = 3.9", "3"}, Case{"int $i = -3.9", "-3"},
                      Case{"int $i = \"12abc\"", "12"}, Case{"int $i = \"abc\"", "0"},
                      Case{"float $f = \"2.5x\"", "2.5"}, Case{"string $s = 1.50", "1.5"},
                      Case{"string $s = 10", "10"}, Case{"float $f = 7 / 2", "3"},
                      Case{"size(\"x\\\"y\\\\z\\n\\t\\r\")", "8"}, Case{"\"q\\\"\" + \"\\\\\"", "q\"\\"},
                      Case{"\"caf\xc3\xa9\"", "caf\xc3\xa9"}));

INSTANTIATE_TEST_SUITE_P(
    ComparisonsAndLogic, MelExpressions,
    ::testing::Values(Case{"3 > 2", "1"}, Case{"3 <= 2", "0"}, Case{"2.5 == 2.5", "1"}, Case{"1 != 1.0", "0"},
                      Case{"\"abc\" == \"abc\"", "1"}, Case{"\"b\" < \"a\"", "0"}, Case{"!0", "1"},
                      Case{"!\"\"", "1"}, Case{"1 && 0", "0"}, Case{"0 || 2", "1"},
                      // The right side is never evaluated: no unknown-procedure error.
                      Case{"0 && noSuchProc()", "0"}, Case{"1 || noSuchProc()", "1"},
                      Case{"1 ? \"yes\" : \"no\"", "yes"}, Case{"true + on + yes + off", "3"}));

INSTANTIATE_TEST_SUITE_P(
    Arrays, MelExpressions,
    ::testing::Values(Case{"float $f[] = {1, 2.5}", "1 2.5"}, Case{"size({\"a\", \"b\"})", "2"},
                      Case{"string $a[] = {\"x\"}; size($a)", "1"}, Case{"int $a[3]; size($a)", "3"},
                      Case{"int $a[]; $a[5]", "0"}, Case{"int $a[]; $a[5]; size($a)", "0"},
                      Case{"$a = {\"x\"}; $a[3] = \"y\"; size($a)", "4"},
                      Case{"$a = {\"x\"}; $a[3] = \"y\"; $a[1] == \"\"", "1"},
                      Case{"int $n[] = {1, 2}; $n[size($n)] = 7; $n[2] + $n[0]", "8"},
                      Case{"string $s[] = {1, 2}; $s[0] + $s[1]", "12"},
                      Case{"int $i[] = {}; size($i)", "0"}));

INSTANTIATE_TEST_SUITE_P(
    Variables, MelExpressions,
    ::testing::Values(Case{"$x = 5; $x = 2.7; $x", "2"},          // type fixed by the first value
                      Case{"$x = 2.7; $x = 5; $x / 2", "2.5"},
                      Case{"$s = \"a\"; $s += \"b\"; $s += 1; $s", "ab1"},
                      Case{"int $n = 3, $m; $m + $n", "3"},
                      Case{"$i = 0; $i++; ++$i; $i--; $i", "1"},
                      Case{"$i = 5; $j = $i++; $j * 10 + $i", "56"},
                      Case{"$i = 5; $j = --$i; $j * 10 + $i", "44"},
                      Case{"$i = 10; $i -= 3; $i *= 2; $i /= 4; $i", "3"},
                      Case{"float $f[] = {1.5}; $f[0] += 1; $f[0]++; $f[0]", "3.5"},
                      Case{"int $x = 1; { int $x = 2; } $x", "1"},
                      Case{"int $x = 1; { $x = 2; } $x", "2"}));

INSTANTIATE_TEST_SUITE_P(
    ControlFlow, MelExpressions,
    ::testing::Values(
        Case{"int $s = 0; for ($i = 0; $i < 10; $i++) { if ($i % 2 == 0) continue; if ($i > 7) break; $s += $i; } $s",
             "16"},
        Case{"int $n = 0; while ($n < 5) $n++; $n", "5"},
        Case{"int $n = 10; do { $n++; } while ($n < 5); $n", "11"},
        Case{"string $o = \"\"; for ($w in {\"a\", \"b\"}) $o += $w; $o", "ab"},
        Case{"int $c = 0; string $l[] = {\"a\", \"b\"}; for ($w in $l) { $l[size($l)] = $w; $c++; } $c * 10 + size($l)",
             "24"}, // the loop walks the array as it was
        Case{"int $r; if (0) $r = 1; else if (1) $r = 2; else $r = 3; $r", "2"},
        Case{"int $s = 0; for ($i = 0, $j = 10; $i < $j; $i++, $j--) $s++; $s", "5"}));

TEST_F(MelTest, ProceduresReturnTypedValuesAndRecurse)
{
    eval("global proc int fact(int $n) { if ($n <= 1) return 1; return $n * fact($n - 1); }\n"
         "global proc int asInt() { return \"42abc\"; }");
    EXPECT_EQ(eval("fact(5)"), QStringLiteral("120"));
    EXPECT_EQ(eval("asInt() + 1"), QStringLiteral("43"));
    // Command syntax reaches procedures too, its words converted to the parameters.
    eval("global proc string greet(string $who, int $times) { return $who + $times; }");
    EXPECT_EQ(eval("string $r = `greet bob 3`"), QStringLiteral("bob3"));
}

TEST_F(MelTest, EarlyReturnLeavesLoopsAndTheProcedure)
{
    eval("global proc int firstBig(int $l[]) {\n"
         "    for ($x in $l) { while (1) { if ($x > 10) return $x; break; } }\n"
         "    return -1;\n"
         "}\n"
         "global proc string untilEmpty(string $l[]) { string $o; for ($s in $l) { if ($s == \"\") return $o; $o += $s; } return \"all\"; }");
    EXPECT_EQ(eval("firstBig({1, 20, 30})"), QStringLiteral("20"));
    EXPECT_EQ(eval("firstBig({1})"), QStringLiteral("-1"));
    EXPECT_EQ(eval("untilEmpty({\"a\", \"b\", \"\", \"c\"})"), QStringLiteral("ab"));
    // A typed procedure that falls off its end gives the type's default.
    eval("global proc float nothing() { }");
    EXPECT_EQ(eval("nothing() + 1"), QStringLiteral("1"));
}

TEST_F(MelTest, ArraysArePassedByReferenceScalarsByValue)
{
    eval("global proc appendTo(string $l[], string $x) { $l[size($l)] = $x; $x = \"changed\"; }");
    EXPECT_EQ(eval("string $a[]; string $v = \"p\"; appendTo($a, $v); appendTo($a, \"q\");"
                   "stringArrayToString($a, \",\") + \"/\" + $v"),
                   QStringLiteral("p,q/p"));
    // An array of another type is converted: a copy, not the caller's array.
    EXPECT_EQ(eval("int $n[] = {1}; appendTo($n, \"2\"); size($n)"), QStringLiteral("1"));
    // Assigning an array copies it.
    EXPECT_EQ(eval("string $a[] = {\"x\"}; string $b[] = $a; $b[0] = \"y\"; $a[0]"), QStringLiteral("x"));
}

TEST_F(MelTest, LocalProceduresStayWithTheirFile)
{
    ASSERT_TRUE(runSourced("proc string hidden() { return \"h\"; }\n"
                           "global proc string opener() { return hidden(); }"));
    // A global procedure of that file keeps seeing the local one later...
    EXPECT_EQ(eval("opener()"), QStringLiteral("h"));
    // ...while other texts do not see it.
    EXPECT_FALSE(run("hidden()"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Cannot find procedure \"hidden\"."}));
    // A local procedure of another file with the same name stays separate.
    host().clearErrors();
    ASSERT_TRUE(runSourced("proc string hidden() { return \"other\"; }\n"
                           "global proc string both() { return hidden() + opener(); }"));
    EXPECT_EQ(eval("both()"), QStringLiteral("otherh"));
}

TEST_F(MelTest, LocalProceduresOnlyInSourcedFilesAndAfterTheirDefinition)
{
    // Typed or queued text cannot hold a local procedure: the text stops
    // there, so what follows is never defined.
    EXPECT_FALSE(run("proc string helper() { return \"h\"; }\n"
                     "global proc string user() { return helper(); }"));
    ASSERT_EQ(host().errors().size(), 1);
    EXPECT_TRUE(host().errors()[0].startsWith("line 1: Cannot define the local procedure \"helper\""));
    host().clearErrors();
    EXPECT_FALSE(run("user()"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Cannot find procedure \"user\"."}));

    // In a file, a call written above the local procedure's definition does
    // not find it, even when it runs after the file was read.
    host().clearErrors();
    ASSERT_TRUE(runSourced("global proc string early() { return later(); }\n"
                           "proc string later() { return \"l\"; }\n"
                           "global proc string late() { return later(); }"));
    EXPECT_EQ(eval("late()"), QStringLiteral("l"));
    EXPECT_FALSE(run("early()"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Cannot find procedure \"later\"."}));
    // Recursion inside a local procedure finds itself.
    host().clearErrors();
    ASSERT_TRUE(runSourced("proc int down(int $n) { return $n == 0 ? 0 : 1 + down($n - 1); }\n"
                           "global proc int countDown() { return down(3); }"));
    EXPECT_EQ(eval("countDown()"), QStringLiteral("3"));
}

TEST_F(MelTest, GlobalVariablesNeedTheirDeclaration)
{
    eval("global string $g = \"shared value\";");
    eval("global proc string readGlobal() { global string $g; return $g; }\n"
         "global proc string readLocal() { return $g; }");
    EXPECT_EQ(eval("readGlobal()"), QStringLiteral("shared value"));
    EXPECT_FALSE(run("readLocal()"));
    EXPECT_EQ(host().errors(), QStringList({"line 2: \"$g\" is an undeclared variable."}));
    host().clearErrors();
    // A procedure can change a global for later texts.
    eval("global proc setGlobal() { global string $g; $g = \"changed\"; } setGlobal();");
    EXPECT_EQ(eval("global string $g; $g"), QStringLiteral("changed"));
    // Top-level variables of one text are not seen by the next.
    eval("string $mine = \"x\";");
    EXPECT_FALSE(run("print $mine;"));
}

struct ErrorCase {
    const char* text;
    const char* error;
};

class MelErrors : public MelTest, public ::testing::WithParamInterface<ErrorCase>
{
};

TEST_P(MelErrors, StopTheTextWithOneLine)
{
    const ErrorCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text) + QStringLiteral("\nprint \"after\";");
    EXPECT_FALSE(run(text));
    EXPECT_EQ(host().errors(), QStringList({QString::fromUtf8(c.error)}));
    EXPECT_FALSE(host().historyTexts(HistoryKind::Output).contains("after"));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MelErrors,
    ::testing::Values(ErrorCase{"noSuchThing;", "line 1: Cannot find procedure \"noSuchThing\"."},
                      ErrorCase{"print \"a\";\nnoSuch(1, 2);", "line 2: Cannot find procedure \"noSuch\"."},
                      ErrorCase{"print \"ok\";\nselect -r ghost;", "line 2: No object matches name: ghost"},
                      ErrorCase{"error \"custom failure\";", "line 1: custom failure"},
                      ErrorCase{"print $nope;", "line 1: \"$nope\" is an undeclared variable."},
                      ErrorCase{"{ int $inner = 1; }\nprint $inner;", "line 2: \"$inner\" is an undeclared variable."},
                      ErrorCase{"int $x; string $x;", "line 1: Invalid redeclaration of variable \"$x\" as a different type."},
                      ErrorCase{"int $a[]; print $a[-1];", "line 1: Array index out of bounds: -1."},
                      ErrorCase{"string $a[]; $a[100000000] = \"x\";", "line 1: Array index 100000000 is too large."},
                      ErrorCase{"int $z = 0; print (1 / $z);", "line 1: Divide by zero."},
                      ErrorCase{"string $s = {\"a\"};", "line 1: Cannot convert data of type string[] to type string."},
                      ErrorCase{"global proc f(int $a) {}\nf(1, 2);", "line 2: Wrong number of arguments on call to f."},
                      ErrorCase{"size(1, 2);", "line 1: Wrong number of arguments on call to size."},
                      ErrorCase{"ls -bogus;", "line 1: Invalid flag '-bogus'"}));

TEST_F(MelTest, SyntaxErrorRunsNothingOfTheText)
{
    EXPECT_FALSE(run("print \"a\";\nprint \"b\"\nprint (\"c\";"));
    EXPECT_EQ(host().errors(), QStringList({"line 3: Syntax error"}));
    EXPECT_TRUE(host().historyTexts(HistoryKind::Output).isEmpty());

    const char* const broken[] = {"int $x = ;", "if (1 { }", "proc f() { proc g() {} }", "break;",
                                  "proc f() { return 1; }", "\"unterminated", "/* open comment",
                                  "$x = `ls", "print \"a\" }", "1 +* 2;", "$ = 1;"};
    for (const char* text : broken) {
        host().clearErrors();
        EXPECT_FALSE(run(QString::fromUtf8(text))) << text;
        ASSERT_EQ(host().errors().size(), 1) << text;
        EXPECT_TRUE(host().errors()[0].endsWith("Syntax error")) << text;
    }
}

TEST_F(MelTest, DeepNestingAndRecursionFailCleanly)
{
    const QString deep = QString(5000, '(') + "1" + QString(5000, ')');
    EXPECT_FALSE(run(deep));
    EXPECT_EQ(host().errors(), QStringList({"line 1: Syntax error"}));
    host().clearErrors();

    eval("global proc int depth(int $n) { if ($n == 0) return 0; return depth($n - 1) + 1; }");
    EXPECT_EQ(eval("depth(900)"), QStringLiteral("900"));
    EXPECT_FALSE(run("depth(100000)"));
    ASSERT_EQ(host().errors().size(), 1);
    EXPECT_TRUE(host().errors()[0].contains("Too many nested procedure calls"));
    // The interpreter is usable afterwards.
    EXPECT_EQ(eval("depth(3)"), QStringLiteral("3"));
}

TEST_F(MelTest, OutputWarningsAndPython)
{
    eval("print \"hello\\n\"; print({\"a\", \"b\"}); print 1.25; warning \"careful\";");
    EXPECT_EQ(host().historyTexts(HistoryKind::Output), QStringList({"hello\n", "a\nb\n", "1.25"}));
    EXPECT_EQ(host().historyTexts(HistoryKind::Warning), QStringList({"careful"}));
    EXPECT_EQ(eval("python \"import os\""), QString());
    EXPECT_EQ(host().historyTexts(HistoryKind::Python), QStringList({"import os"}));
    EXPECT_TRUE(host().errors().isEmpty());
}

TEST_F(MelTest, EvalRunsTextAndPassesErrorsOn)
{
    EXPECT_EQ(eval("eval \"1 + 2\""), QStringLiteral("3"));
    EXPECT_EQ(eval("string $c = \"size\"; eval($c + \"({1,2,3})\")"), QStringLiteral("3"));
    // eval's text sees no local variables of its caller.
    EXPECT_FALSE(run("string $local = \"x\"; eval \"print $local\"; print \"after\";"));
    EXPECT_EQ(host().errors(), QStringList({"line 1: \"$local\" is an undeclared variable."}));
    EXPECT_TRUE(host().historyTexts(HistoryKind::Output).isEmpty());
}

TEST_F(MelTest, IdleTextsRunOnTheirOwn)
{
    MGlobal::executeCommandOnIdle("print \"one\"; noSuchProc; print \"skipped\";");
    MGlobal::executeCommandOnIdle("print \"two\";");
    MGlobal::executeCommandOnIdle("print (;");
    MGlobal::executeCommandOnIdle("print \"three\";");
    EXPECT_EQ(host().drainIdle(), 4);
    EXPECT_EQ(host().historyTexts(HistoryKind::Output), QStringList({"one", "two", "three"}));
    EXPECT_EQ(host().errors(),
              QStringList({"line 1: Cannot find procedure \"noSuchProc\".", "line 1: Syntax error"}));
    // executeCommand reports the failure to its caller.
    EXPECT_FALSE(MGlobal::executeCommand("noSuchProc"));
    EXPECT_TRUE(MGlobal::executeCommand("print \"fine\""));
}

TEST_F(MelTest, CommentsAndLineNumbers)
{
    host().createNode("transform", "a");
    EXPECT_EQ(eval("ls a// a comment right after a word\n"), QStringLiteral("a"));
    EXPECT_FALSE(run("// a comment\n/* a block\ncomment */ print \"x\"; // trailing\n\nerror \"here\";"));
    EXPECT_EQ(host().errors(), QStringList({"line 5: here"}));
    host().clearErrors();
    // A line break inside a string literal is an error; "\\n" is the way.
    EXPECT_FALSE(run("print \"x\";\nstring $s = \"a\nb\";"));
    EXPECT_EQ(host().errors(), QStringList({"line 2: Syntax error"}));
    host().clearErrors();
    EXPECT_FALSE(run("string $s = \"a\\nb\";\nerror $s;"));
    EXPECT_EQ(host().errors(), QStringList({"line 2: a\nb"}));
}

} // namespace
