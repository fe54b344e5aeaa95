// The canvas's part of picker storage: its button block, its background
// image, and the buttons handed to the clipboard.
#include "canvas/picker_view.h"
#include "model/picker_image.h"
#include "model/picker_stream.h"
#include "window/picker_dialogs.h"
#include "window/picker_window.h"

#include <QtCore/QDir>
#include <QtCore/QPointer>
#include <QtWidgets/QTabWidget>

// As when a tab closes: the scene keeps an image that another tab with the
// same background name still shows.
bool picker_view::releases_own_background() const
{
    const int index = window_->tabs()->indexOf(const_cast<picker_view*>(this));
    return index < 0 || window_->releases_background(index);
}

void picker_view::streamTo(QDataStream& stream) const
{
    QList<buttonAttributes> attributes;
    attributes.reserve(buttons_.size());
    for (const buttonRecord& b : buttons_)
        attributes.append(b.attributes());
    writeButtonBlock(stream, attributes);
}

const QByteArray& picker_view::encoded_background() const
{
    return backgroundPart_.get(backgroundRevision_,
                               [this] { return encodeBackgroundBlock(backgroundName_, background_.toImage()); });
}

const QByteArray& picker_view::encoded_buttons() const
{
    return buttonsPart_.get(buttonsRevision_, [this] { return buttonBlock_.encode(buttons_); });
}

quint64 picker_view::next_revision()
{
    // One count for every canvas, so that a canvas made where a closed one
    // was cannot take its revisions.
    static quint64 revisions = 0;
    return ++revisions;
}

void picker_view::streamFrom(QDataStream& stream, int version)
{
    set_buttons(readButtonBlock(stream, version));
}

void picker_view::set_buttons(QList<buttonAttributes> const& buttons)
{
    reset_buttons();
    for (const buttonAttributes& b : buttons)
        push_button(b, -1);
    update();
}

QList<buttonAttributes> picker_view::getButtons() const
{
    QList<buttonAttributes> out;
    for (const buttonRecord& b : buttons_)
        if (b.state & 1)
            out.append(b.attributes());
    return out;
}

void picker_view::change_background()
{
    // Every dialog here runs its own event loop, during which the host may
    // close this tab (a new scene): check before touching anything after.
    QPointer<picker_view> self(this);
    picker_dialogs& dialogs = picker_dialogs::current();
    const QString path =
        dialogs.getOpenFileName(this, tr("Choose Background"), QString(), tr("Images (*.png *.xpm *.jpg)"));
    if (!self)
        return;
    if (!path.isEmpty()) {
        const QPixmap image(path);
        if (image.isNull()) {
            // An unreadable file must not cost the picker its current image.
            dialogs.warning(this, tr("Background"),
                            tr("Could not read the image \"%1\".").arg(QDir::toNativeSeparators(path)),
                            QMessageBox::Ok, QMessageBox::NoButton);
            return;
        }
        // By name, not image: a removed background ("0") has a key too.
        if (!backgroundName_.isEmpty() && releases_own_background())
            window_->removeImageData(this);
        // Named by content: a name from a counter of this process would be
        // given again tomorrow, to another picture.
        QString name = contentImageName(image.toImage());
        if (name.isEmpty())
            name = QString::number(image.cacheKey());
        setBackground(name, image);
        window_->setImageData(this);
        // The picker data holds the background too.
        emit changed();
        return;
    }
    if (background_.isNull())
        return;
    const QMessageBox::StandardButton answer =
        dialogs.question(this, tr("Background"), tr("Remove current background image?"),
                         QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (!self || answer != QMessageBox::Yes)
        return;
    if (releases_own_background())
        window_->removeImageData(this);
    setBackground(QStringLiteral("0"), QPixmap());
    update();
    window_->setImageData(this);
    emit changed();
}
