#include "qbx_args.h"

namespace qbx {

bool asks_for_help(const QStringList& args)
{
    for (const QString& a : args) {
        if (a == QLatin1String("--"))
            return false;
        if (a == QLatin1String("-h") || a == QLatin1String("--help"))
            return true;
    }
    return false;
}

bool parse_command_line(const QStringList& args, int options, command_line* out, QString* error)
{
    *out = command_line();
    bool haveFile = false, haveOutput = false, onlyFiles = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString value;
        bool isOutput = false, isMap = false, isSize = false, isTab = false, isAxis = false, isRule = false;
        bool isScene = false, isNode = false;
        if (!onlyFiles && a == QLatin1String("--")) {
            onlyFiles = true;
            continue;
        }
        if (!onlyFiles && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
                isOutput = true;
            } else if (a.startsWith(QLatin1String("--output="))) {
                isOutput = true;
                value = a.mid(9);
            } else if (a == QLatin1String("--map")) {
                isMap = true;
            } else if (a.startsWith(QLatin1String("--map="))) {
                isMap = true;
                value = a.mid(6);
            } else if (a == QLatin1String("--size")) {
                isSize = true;
            } else if (a.startsWith(QLatin1String("--size="))) {
                isSize = true;
                value = a.mid(7);
            } else if (a == QLatin1String("--tab")) {
                isTab = true;
            } else if (a.startsWith(QLatin1String("--tab="))) {
                isTab = true;
                value = a.mid(6);
            } else if (a == QLatin1String("--axis") || a.startsWith(QLatin1String("--axis="))) {
                isAxis = true;
                value = a.mid(7);
            } else if (a == QLatin1String("--rule") || a.startsWith(QLatin1String("--rule="))) {
                isRule = true;
                value = a.mid(7);
            } else if (a == QLatin1String("--scene") || a.startsWith(QLatin1String("--scene="))) {
                isScene = true;
                value = a.mid(8);
            } else if (a == QLatin1String("--node") || a.startsWith(QLatin1String("--node="))) {
                isNode = true;
                value = a.mid(7);
            } else if (a == QLatin1String("--flip") && (options & kAcceptsMirror)) {
                out->flip = true;
                continue;
            }
            const bool mirror = isAxis || isRule;
            const bool scene = isScene || isNode;
            if ((scene && !(options & (kAcceptsScene | kNeedsScene | kSceneForFile))) || (isNode && !(options & kNeedsScene))) {
                *error = QStringLiteral("unknown option \"%1\"").arg(a);
                return false;
            }
            if (!scene && ((isOutput && !(options & kTakesOutput)) || (isMap && !(options & kTakesMap))
                || (isSize && !(options & kAcceptsSize)) || (isTab && !(options & kAcceptsTab))
                || (mirror && !(options & kAcceptsMirror)) || (!isOutput && !isMap && !isSize && !isTab && !mirror))) {
                *error = QStringLiteral("unknown option \"%1\"").arg(a);
                return false;
            }
            if (!a.contains(QLatin1Char('='))) {
                if (i + 1 >= args.size()) {
                    *error = QStringLiteral("%1 needs a value").arg(a);
                    return false;
                }
                value = args[++i];
            }
            if (isOutput) {
                if (haveOutput) {
                    *error = QStringLiteral("the output file is given twice");
                    return false;
                }
                if (value.isEmpty()) {
                    *error = QStringLiteral("the output file name is empty");
                    return false;
                }
                haveOutput = true;
                out->output = value;
            } else if (isSize) {
                if (!out->size.isEmpty()) {
                    *error = QStringLiteral("the size is given twice");
                    return false;
                }
                out->size = value.isEmpty() ? QStringLiteral(" ") : value;
            } else if (isTab) {
                if (!out->tab.isEmpty()) {
                    *error = QStringLiteral("the tab is given twice");
                    return false;
                }
                out->tab = value.isEmpty() ? QStringLiteral(" ") : value;
            } else if (isAxis) {
                if (!out->axis.isEmpty()) {
                    *error = QStringLiteral("the axis is given twice");
                    return false;
                }
                out->axis = value.isEmpty() ? QStringLiteral(" ") : value;
            } else if (isRule) {
                out->rules.append(value);
            } else if (isScene || isNode) {
                QString& field = isScene ? out->scene : out->node;
                if (!field.isEmpty() || value.isEmpty()) {
                    *error = QStringLiteral("%1 is given twice or empty").arg(isScene ? QStringLiteral("the scene")
                                                                                      : QStringLiteral("the node"));
                    return false;
                }
                field = value;
            } else {
                out->maps.append(value);
            }
            continue;
        }
        if (haveFile) {
            *error = QStringLiteral("unexpected argument \"%1\" (one input file only)").arg(a);
            return false;
        }
        if (a.isEmpty()) {
            *error = QStringLiteral("the input file name is empty");
            return false;
        }
        haveFile = true;
        out->file = a;
    }
    if ((options & kNeedsScene) && out->scene.isEmpty()) {
        *error = QStringLiteral("no scene given (--scene FILE.ma)");
        return false;
    }
    if ((options & kSceneForFile) && !out->scene.isEmpty() && haveFile) {
        *error = QStringLiteral("give a picker file or --scene, not both");
        return false;
    }
    if (!haveFile && !((options & kSceneForFile) && !out->scene.isEmpty())) {
        *error = QStringLiteral("no input file given");
        return false;
    }
    if ((options & kTakesMap) && out->maps.isEmpty()) {
        *error = QStringLiteral("no --map OLD=NEW given");
        return false;
    }
    if ((options & kTakesOutput) && !haveOutput) {
        *error = QStringLiteral("no output file given (-o FILE)");
        return false;
    }
    return true;
}

} // namespace qbx
