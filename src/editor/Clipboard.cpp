#include "editor/Clipboard.h"

#include "editor/ComicPicture.h"
#include "editor/ObjectCommands.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/Placement.h"
#include "editor/UndoHistory.h"
#include "objects/ComicArchive.h"
#include "toolkit/Pasteboard.h"
#include "ui/NotificationManager.h"

#include <QAction>

const QString Clipboard::kObjectType = QStringLiteral("com.kestrelworks.panelry.object");

Clipboard::Clipboard(const PanelMode &panelMode, ObjectSelection &selection, UndoHistory &history,
                     Placement &placement, QAction *paste, QObject *parent)
    : QObject(parent)
    , m_panelMode(panelMode)
    , m_selection(selection)
    , m_history(history)
    , m_placement(placement)
    , m_paste(paste)
{
    // Another program's copy shows at once, not only at the next zoom.
    Pasteboard::onChanged(this, [this] { updatePasteObjectBtn(); });
}

void Clipboard::copyObject() { putOnPasteboard(m_selection.selectedComicObject()); }

void Clipboard::cutObject()
{
    ComicObject *object = m_selection.selectedComicObject();
    if (!object || !object->superview() || !putOnPasteboard(object))
        return;
    m_history.push(new ObjectCommand(ObjectCommand::Kind::Remove, "Cut", object, object->superview(), m_panelMode));
    m_selection.hideControls();
    object->remove();
}

bool Clipboard::putOnPasteboard(ComicObject *object)
{
    const QByteArray archive = ComicArchive::archivedObject(object);
    if (archive.isEmpty())
        return false;
    Pasteboard::setData(kObjectType, archive, ComicPicture::objectPicture(object));
    updatePasteObjectBtn();
    return true;
}

void Clipboard::pasteObject()
{
    m_selection.deselectObject();
    if (!m_panelMode.selectedPanel())
        return;
    if (Pasteboard::hasData(kObjectType) && pasteArchivedObject())
        return;
    // A picture copied in another program (a browser, an image editor),
    // decoded off the interface thread when it comes encoded.
    if (const QByteArray encoded = Pasteboard::imageData(); !encoded.isEmpty())
        m_placement.addImageFrom([encoded] { return QImage::fromData(encoded); });
    else if (Pasteboard::hasImage())
        m_placement.addImageToComic(Pasteboard::image());
}

bool Clipboard::pasteArchivedObject()
{
    std::optional<ComicArchive::DecodedObject> decoded = ComicArchive::decodeObject(Pasteboard::data(kObjectType));
    if (!decoded)
        return false;
    if (!decoded->object) {
        NotificationManager::sharedManager()->notify("This object needs a newer version of Panelry", 2.0);
        return true;
    }
    ComicObject *object = decoded->object.release();
    // Its size kept, at the top-left of the part of the panel on screen.
    object->setFrame(QRectF(m_placement.visiblePartOfPanel().topLeft(), object->frame().size()));
    m_placement.placeObject(object, ObjectOrigin::Pasted);
    return true;
}

void Clipboard::updatePasteObjectBtn() { m_paste->setEnabled(Pasteboard::hasData(kObjectType) || Pasteboard::hasImage()); }
