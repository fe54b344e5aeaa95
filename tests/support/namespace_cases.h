#ifndef QB_TESTS_NAMESPACE_CASES_H
#define QB_TESTS_NAMESPACE_CASES_H
// One table of namespace rewrites, shared by the chooser dialog's tests and
// the qbx tool's tests, so both are held to the same rules.
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

struct namespace_case_button {
    int kind;        // 0 selection, 1 command
    int language;    // command buttons: 0 MEL, 1 Python
    QStringList nodes;
    QStringList expected;
};

struct namespace_case {
    const char* what;
    QStringList current;    // namespaces the picker uses, one chooser row each
    QStringList available;  // namespaces in the scene
    QStringList choices;    // the text each row's chooser ends with
    QList<namespace_case_button> buttons;
};

inline QList<namespace_case> namespace_cases()
{
    return {
        {"unchanged choice changes nothing", {"hero"}, {"hero", "villain", ":"}, {"hero"},
         {{0, 0, {"hero:arm_ctrl"}, {"hero:arm_ctrl"}},
          {1, 0, {"select -r hero:arm_ctrl;"}, {"select -r hero:arm_ctrl;"}}}},
        {"into a nested namespace", {"hero"}, {"set:hero", "villain", ":"}, {"set:hero"},
         {{0, 0, {"hero:arm_ctrl", "hero:leg_ctrl"}, {"set:hero:arm_ctrl", "set:hero:leg_ctrl"}}}},
        {"hero to villain in names and scripts", {"hero"}, {"villain", ":"}, {"villain"},
         {{0, 0, {"hero:arm_ctrl"}, {"villain:arm_ctrl"}},
          {1, 0, {"select -r hero:arm_ctrl hero:leg_ctrl;"}, {"select -r villain:arm_ctrl villain:leg_ctrl;"}},
          {1, 1, {"cmds.select('hero:arm_ctrl')\n# hero:x in a comment too"},
           {"cmds.select('villain:arm_ctrl')\n# villain:x in a comment too"}}}},
        {"the root into hero", {":"}, {"hero", ":"}, {"hero"},
         {{0, 0, {"arm_ctrl", ":leg_ctrl", "other:hand"}, {"hero:arm_ctrl", "hero:leg_ctrl", "other:hand"}},
          {1, 0, {"select -r arm_ctrl;"}, {"select -r arm_ctrl;"}},
          {1, 0, {"select -r :arm_ctrl;"}, {"select -r hero:arm_ctrl;"}}}},
        {"hero removed", {"hero"}, {"villain", ":"}, {""},
         {{0, 0, {"hero:arm_ctrl"}, {"arm_ctrl"}},
          {1, 0, {"select -r \"hero:arm_ctrl\";"}, {"select -r \"arm_ctrl\";"}}}},
        {"hero made absolute", {"hero"}, {"villain", ":"}, {":"},
         {{0, 0, {"hero:arm_ctrl"}, {":arm_ctrl"}}}},
        {"nested rows: the later row wins", {"set", "set:hero"}, {"a", "b", ":"}, {"a", "b"},
         {{0, 0, {"set:hero:arm", "set:leg"}, {"b:arm", "a:leg"}},
          {1, 0, {"select set:hero:arm set:leg;"}, {"select b:arm a:leg;"}}}},
        {"only at the start of a token", {"hero"}, {"villain", ":"}, {"villain"},
         {{0, 0, {"xhero:arm"}, {"xhero:arm"}},
          {1, 0, {"setAttr xhero:arm.tx 1; setAttr hero:arm.translateX 2;"},
           {"setAttr xhero:arm.tx 1; setAttr villain:arm.translateX 2;"}}}},
    };
}
#endif
