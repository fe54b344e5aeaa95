#include "node_types.h"

namespace qbhost {

namespace {

AttrDef def(const char* longName, const char* shortName, AttrType type, const char* typeName)
{
    AttrDef d;
    d.longName = QLatin1String(longName);
    d.shortName = QLatin1String(shortName);
    d.type = type;
    d.typeName = QLatin1String(typeName);
    return d;
}

AttrDef number(const char* longName, const char* shortName, AttrType type, const char* typeName, double dv,
               bool keyable = false)
{
    AttrDef d = def(longName, shortName, type, typeName);
    d.hasDefault = true;
    d.defaultValue = dv;
    d.keyable = keyable;
    return d;
}

// A numeric compound with three children named long+X/Y/Z, short+x/y/z.
void addTriple(AttrTable& t, const char* longName, const char* shortName, AttrType childType,
               const char* childTypeName, double dv, bool keyable, const char* compoundType = "double3")
{
    const int parent = t.add(def(longName, shortName, AttrType::NumericCompound, compoundType));
    const char* axes[] = {"X", "Y", "Z"};
    const char* small[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        const QByteArray ln = QByteArray(longName) + axes[i];
        const QByteArray sn = QByteArray(shortName) + small[i];
        t.addChild(parent, t.add(number(ln.constData(), sn.constData(), childType, childTypeName, dv, keyable)));
    }
}

void addEnum(AttrTable& t, const char* longName, const char* shortName, const char* fields, bool keyable = false)
{
    AttrDef d = number(longName, shortName, AttrType::Enum, "enum", 0, keyable);
    d.enumNames = QLatin1String(fields);
    t.add(d);
}

// What every node has.
void addCommon(AttrTable& t)
{
    t.add(def("message", "msg", AttrType::Message, "message"));
    t.add(number("caching", "cch", AttrType::Bool, "bool", 0));
    t.add(number("frozen", "fzn", AttrType::Bool, "bool", 0));
    t.add(number("isHistoricallyInteresting", "ihi", AttrType::Byte, "byte", 2));
    addEnum(t, "nodeState", "nds", "Normal:HasNoEffect:Blocking:Waiting-Normal:Waiting-HasNoEffect:Waiting-Blocking");
    AttrDef bnm = def("binMembership", "bnm", AttrType::Typed, "string");
    t.add(bnm);
}

// What every DAG node adds.
void addDagNode(AttrTable& t)
{
    t.add(number("visibility", "v", AttrType::Bool, "bool", 1, true));
    t.add(number("intermediateObject", "io", AttrType::Bool, "bool", 0));
    t.add(number("template", "tmp", AttrType::Bool, "bool", 0));
    t.add(number("lodVisibility", "lodv", AttrType::Bool, "bool", 1));
    t.add(number("overrideEnabled", "ove", AttrType::Bool, "bool", 0));
    AttrDef color = number("overrideColor", "ovc", AttrType::Byte, "byte", 0);
    color.hasMin = color.hasMax = true;
    color.maxValue = 31;
    t.add(color);
    addEnum(t, "overrideDisplayType", "ovdt", "Normal:Template:Reference");
    t.add(number("overrideVisibility", "ovv", AttrType::Bool, "bool", 1));
    AttrDef wm = def("worldMatrix", "wm", AttrType::Matrix, "matrix");
    wm.multi = true;
    t.add(wm);
    AttrDef iog = def("instObjGroups", "iog", AttrType::Compound, "compound");
    iog.multi = true;
    t.add(iog);
}

void addTransform(AttrTable& t)
{
    addTriple(t, "translate", "t", AttrType::DoubleLinear, "doubleLinear", 0, true);
    addTriple(t, "rotate", "r", AttrType::DoubleAngle, "doubleAngle", 0, true);
    addTriple(t, "scale", "s", AttrType::Double, "double", 1, true);
    addTriple(t, "rotatePivot", "rp", AttrType::DoubleLinear, "doubleLinear", 0, false);
    addTriple(t, "scalePivot", "sp", AttrType::DoubleLinear, "doubleLinear", 0, false);
    addTriple(t, "rotateAxis", "ra", AttrType::DoubleAngle, "doubleAngle", 0, false);
    addEnum(t, "rotateOrder", "ro", "xyz:yzx:zxy:xzy:yxz:zyx");
    t.add(number("inheritsTransform", "it", AttrType::Bool, "bool", 1));
    t.add(number("displayHandle", "dh", AttrType::Bool, "bool", 0));
    t.add(number("displayLocalAxis", "dla", AttrType::Bool, "bool", 0));
    t.add(def("offsetParentMatrix", "opm", AttrType::Matrix, "matrix"));
    t.add(def("matrix", "m", AttrType::Matrix, "matrix"));
}

void addJoint(AttrTable& t)
{
    addTriple(t, "jointOrient", "jo", AttrType::DoubleAngle, "doubleAngle", 0, false);
    addTriple(t, "preferredAngle", "pa", AttrType::DoubleAngle, "doubleAngle", 0, false);
    addTriple(t, "inverseScale", "is", AttrType::Double, "double", 1, false);
    t.add(number("segmentScaleCompensate", "ssc", AttrType::Bool, "bool", 1));
    AttrDef radius = number("radius", "radi", AttrType::Double, "double", 1);
    radius.hasMin = true;
    radius.hasSoftMax = true;
    radius.softMax = 10;
    t.add(radius);
    addEnum(t, "drawStyle", "ds", "Bone:Multi-child as Box:None:Joint");
    addEnum(t, "side", "sd", "Center:Left:Right:None");
    addEnum(t, "type", "typ", "None:Root:Hip:Knee:Foot:Toe:Spine:Neck:Head:Collar:Shoulder:Elbow:Hand:Finger:Thumb:"
                              "PropA:PropB:PropC:Other:Index Finger:Middle Finger:Ring Finger:Pinky Finger:"
                              "Extra Finger:Big Toe:Index Toe:Middle Toe:Ring Toe:Pinky Toe:Foot Thumb");
    t.add(def("otherType", "otp", AttrType::Typed, "string"));
    t.add(def("bindPose", "bps", AttrType::Matrix, "matrix"));
}

} // namespace

int AttrTable::add(const AttrDef& d)
{
    const int index = static_cast<int>(defs_.size());
    defs_.push_back(d);
    byName_.emplace(d.longName, index);
    if (!d.shortName.isEmpty())
        byName_.emplace(d.shortName, index);
    return index;
}

void AttrTable::addChild(int parent, int child)
{
    defs_[static_cast<size_t>(parent)].children.append(child);
    defs_[static_cast<size_t>(child)].parent = parent;
}

NodeTypes::NodeTypes()
{
    addCommon(common_);
    addCommon(dagNode_);
    addDagNode(dagNode_);
    addCommon(transform_);
    addDagNode(transform_);
    addTransform(transform_);
    addCommon(joint_);
    addDagNode(joint_);
    addTransform(joint_);
    addJoint(joint_);

    unknown_.attributes = &common_;
    // Transform-like DAG nodes, which carry translate, rotate and scale.
    const char* transforms[] = {"transform", "ikHandle", "ikEffector", "clusterHandle", "aimConstraint",
                                "orientConstraint", "parentConstraint", "pointConstraint", "scaleConstraint",
                                "poleVectorConstraint", "lookAt", "place3dTexture", "baseLattice", "follicle",
                                "hikIKEffector", "hikFKJoint", "nucleus", "dagContainer", "assemblyReference",
                                "annotationShape", "distanceDimShape", "lightLinker"};
    for (const char* name : transforms) {
        NodeTypeInfo info{QLatin1String(name), true, false, true, &transform_};
        types_.insert(info.name, info);
    }
    types_[QStringLiteral("lightLinker")].dag = false; // a dependency node
    types_[QStringLiteral("lightLinker")].attributes = &common_;
    types_[QStringLiteral("annotationShape")].shape = true;
    types_[QStringLiteral("distanceDimShape")].shape = true;
    types_[QStringLiteral("follicle")].shape = true;
    types_.insert(QStringLiteral("joint"), NodeTypeInfo{QStringLiteral("joint"), true, false, true, &joint_});
    const char* shapes[] = {"mesh", "nurbsCurve", "nurbsSurface", "subdiv", "locator", "camera", "pointLight",
                            "directionalLight", "spotLight", "ambientLight", "areaLight", "volumeLight", "lattice",
                            "clusterHandleShape", "nParticle", "particle", "hairSystem", "nRigid", "nCloth",
                            "imagePlane", "renderBox", "renderSphere", "implicitSphere", "bezierCurve",
                            "aiSkyDomeLight", "aiAreaLight", "gpuCache"};
    for (const char* name : shapes) {
        NodeTypeInfo info{QLatin1String(name), true, true, true, &dagNode_};
        types_.insert(info.name, info);
    }
}

const NodeTypes& NodeTypes::instance()
{
    static const NodeTypes types;
    return types;
}

const NodeTypeInfo& NodeTypes::info(const QString& type) const
{
    auto it = types_.constFind(type);
    return it == types_.constEnd() ? unknown_ : *it;
}

const QVector<QPair<QString, QString>>& NodeTypes::defaultNodes()
{
    static const QVector<QPair<QString, QString>> nodes = [] {
        const char* list[][2] = {
            {"time1", "time"},
            {"sequenceManager1", "sequenceManager"},
            {"hardwareRenderingGlobals", "hardwareRenderingGlobals"},
            {"renderPartition", "partition"},
            {"renderGlobalsList1", "renderGlobalsList"},
            {"defaultLightList1", "defaultLightList"},
            {"defaultShaderList1", "defaultShaderList"},
            {"postProcessList1", "postProcessList"},
            {"defaultRenderUtilityList1", "defaultRenderUtilityList"},
            {"defaultRenderingList1", "defaultRenderingList"},
            {"lightList1", "lightList"},
            {"defaultTextureList1", "defaultTextureList"},
            {"lambert1", "lambert"},
            {"standardSurface1", "standardSurface"},
            {"particleCloud1", "particleCloud"},
            {"initialShadingGroup", "shadingEngine"},
            {"initialParticleSE", "shadingEngine"},
            {"initialMaterialInfo", "materialInfo"},
            {"shaderGlow1", "shaderGlow"},
            {"defaultRenderGlobals", "renderGlobals"},
            {"defaultResolution", "resolution"},
            {"defaultLightSet", "objectSet"},
            {"defaultObjectSet", "objectSet"},
            {"hardwareRenderGlobals", "hwRenderGlobals"},
            {"defaultHardwareRenderGlobals", "hwRenderGlobals"},
            {"characterPartition", "partition"},
            {"ikSystem", "ikSystem"},
            {"defaultColorMgtGlobals", "colorManagementGlobals"},
            {"hyperGraphLayout", "hyperGraphLayout"},
            {"globalCacheControl", "globalCacheControl"},
            {"strokeGlobals", "strokeGlobals"},
            {"dynController1", "dynController"},
            {"defaultViewColorManager", "viewColorManager"},
        };
        QVector<QPair<QString, QString>> out;
        for (const auto& row : list)
            out.append(qMakePair(QString::fromLatin1(row[0]), QString::fromLatin1(row[1])));
        return out;
    }();
    return nodes;
}

QVector<QPair<QString, int>> enumFields(const QString& enumNames)
{
    QVector<QPair<QString, int>> out;
    int next = 0;
    for (const QString& field : enumNames.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const int eq = field.lastIndexOf(QLatin1Char('='));
        QString name = field;
        if (eq > 0) {
            bool ok = false;
            const int v = field.mid(eq + 1).toInt(&ok);
            if (ok) {
                next = v;
                name = field.left(eq);
            }
        }
        out.append(qMakePair(name, next++));
    }
    return out;
}

bool attributeTypeFromName(const QString& name, AttrType* type, int* childCount)
{
    static const struct {
        const char* name;
        AttrType type;
        int children;
    } rows[] = {
        {"bool", AttrType::Bool, 0},       {"byte", AttrType::Byte, 0},
        {"char", AttrType::Char, 0},       {"short", AttrType::Short, 0},
        {"long", AttrType::Long, 0},       {"enum", AttrType::Enum, 0},
        {"float", AttrType::Float, 0},     {"double", AttrType::Double, 0},
        {"doubleLinear", AttrType::DoubleLinear, 0}, {"floatLinear", AttrType::DoubleLinear, 0},
        {"doubleAngle", AttrType::DoubleAngle, 0},   {"floatAngle", AttrType::DoubleAngle, 0},
        {"time", AttrType::Time, 0},       {"compound", AttrType::Compound, 0},
        {"message", AttrType::Message, 0}, {"matrix", AttrType::Matrix, 0},
        {"fltMatrix", AttrType::Matrix, 0},
        {"double2", AttrType::NumericCompound, 2}, {"double3", AttrType::NumericCompound, 3},
        {"double4", AttrType::NumericCompound, 4}, {"float2", AttrType::NumericCompound, 2},
        {"float3", AttrType::NumericCompound, 3},  {"long2", AttrType::NumericCompound, 2},
        {"long3", AttrType::NumericCompound, 3},   {"short2", AttrType::NumericCompound, 2},
        {"short3", AttrType::NumericCompound, 3},  {"reflectance", AttrType::NumericCompound, 3},
        {"spectrum", AttrType::NumericCompound, 3},
        {"generic", AttrType::Other, 0},   {"addr", AttrType::Other, 0},
        {"typed", AttrType::Typed, 0},
    };
    for (const auto& r : rows) {
        if (name == QLatin1String(r.name)) {
            *type = r.type;
            *childCount = r.children;
            return true;
        }
    }
    return false;
}

AttrType numericChildType(const QString& compoundName)
{
    if (compoundName.startsWith(QLatin1String("float")) || compoundName == QLatin1String("reflectance")
        || compoundName == QLatin1String("spectrum"))
        return AttrType::Float;
    if (compoundName.startsWith(QLatin1String("long")))
        return AttrType::Long;
    if (compoundName.startsWith(QLatin1String("short")))
        return AttrType::Short;
    return AttrType::Double;
}

} // namespace qbhost
