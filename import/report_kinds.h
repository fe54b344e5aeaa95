#ifndef QB_IMPORT_REPORT_KINDS_H
#define QB_IMPORT_REPORT_KINDS_H
// The kinds of items an import report lists, one text each, so that the
// readers, the mapping and whoever reads a report name them alike.
#include <QtCore/QString>

namespace report_kind {

// Buttons drawn otherwise than in the other tool (the mapping).
inline const QString kButtonImages = QStringLiteral("button images not imported");
inline const QString kTranslucent = QStringLiteral("translucent colours shown opaque over the backdrop grey");
inline const QString kImageMissing = QStringLiteral("images not found");
inline const QString kImageUnreadable = QStringLiteral("images that could not be read");
inline const QString kBackgroundTooLarge = QStringLiteral("backgrounds too large to import");

// What the readers meet that this picker has no place for.
inline const QString kNewerVersion =
    QStringLiteral("files of a newer release than this import knows, read as the newest it knows");
inline const QString kVisibilityLayers = QStringLiteral("visibility layers not kept (their buttons always shown)");
inline const QString kVisibilityConditions =
    QStringLiteral("visibility conditions and groups not kept (their buttons always shown)");
inline const QString kHoverColours = QStringLiteral("hover and click colours not kept");
inline const QString kBorders = QStringLiteral("borders not drawn");
inline const QString kLabelStyle = QStringLiteral("label placement, bold or italic not kept");
inline const QString kRotatedLabels = QStringLiteral("labels of rotated buttons shown upright");
inline const QString kOtherClicks = QStringLiteral("commands on right click or with Ctrl or Shift not imported");
inline const QString kDisabledCommands = QStringLiteral("disabled commands not imported");
inline const QString kCommandOptions = QStringLiteral("deferred and undo-chunk settings of commands not kept");
inline const QString kSelectAndRun = QStringLiteral("commands of buttons that also select not imported");
inline const QString kMoreCommands = QStringLiteral("further commands of a button in another language not imported");
inline const QString kControlsOfCommands = QStringLiteral("controls of command buttons not kept");
inline const QString kMenuCommands = QStringLiteral("context menu commands not imported");
inline const QString kPickerMenu = QStringLiteral("picker menu commands not imported");
inline const QString kOverlays = QStringLiteral("overlay buttons fixed to the view placed in the picker instead");
inline const QString kHierarchy = QStringLiteral("selection hierarchies not kept");
inline const QString kWidgets =
    QStringLiteral("widgets this picker lacks (check boxes, sliders) imported as buttons selecting their controls");
inline const QString kStroked = QStringLiteral("stroked vector shapes shown filled");
inline const QString kBackgroundTexts = QStringLiteral("texts on the background imported as buttons");
inline const QString kBackdropTitles = QStringLiteral("backdrop titles not imported");
inline const QString kMirrorLinks = QStringLiteral("mirror links between buttons not kept");
inline const QString kViewSettings = QStringLiteral("view settings not imported");
inline const QString kSnapshot = QStringLiteral("character pictures not imported");
inline const QString kMissingPanel = QStringLiteral("shapes of panels the picker does not have, not imported");
inline const QString kUnknownSettings = QStringLiteral("settings this import does not know");

// Commands whose text calls on the other tool's own variables or module:
// imported as they are, to be adapted by hand.
inline QString helpers(const QString& tool)
{
    return QStringLiteral("commands using %1's own helpers, imported as they are").arg(tool);
}

} // namespace report_kind
#endif
