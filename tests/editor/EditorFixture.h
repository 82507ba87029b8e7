#pragma once
// A headless editor in a fresh home on the test clock, driven by synthetic
// touches through its stage: the harness of the editor's tests. It reaches
// the editor's parts through its collaborators, the editor's children.
#include "editor/ComicStore.h"
#include "editor/EditorCommands.h"
#include "editor/ObjectSelection.h"
#include "editor/PanelMode.h"
#include "editor/PanelRows.h"
#include "editor/PanelryViewController.h"
#include "editor/Placement.h"
#include "editor/Transients.h"
#include "editor/UndoHistory.h"
#include "faces/RageFaceImageView.h"
#include "objects/ComicObjectImage.h"
#include "objects/ImageView.h"
#include "storage/FMResultSet.h"
#include "support/Banners.h"
#include "support/TestHome.h"
#include "support/UserDatabaseRows.h"
#include "toolkit/Animation.h"
#include "toolkit/Device.h"
#include "toolkit/EditMenu.h"
#include "toolkit/ScrollView.h"
#include "toolkit/Stage.h"
#include "toolkit/TextField.h"
#include "toolkit/WidgetAnimation.h"
#include "ui/ButtonWithHint.h"
#include "ui/UIToolbarCustom.h"

#include <QAction>
#include <QToolButton>
#include <QtTest>
#include <memory>

class EditorFixture
{
public:
    explicit EditorFixture(Device::Idiom idiom = Device::Idiom::Tablet)
    {
        Clock::shared().setManual(true);
        Device::setIdiom(idiom);
        UserDatabase::copyDBFile();
        editor = std::make_unique<PanelryViewController>();
    }
    ~EditorFixture()
    {
        settle(1.0);
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Lets the clock run: timers fire, animations and removals finish.
    static void settle(double seconds)
    {
        for (double t = 0; t < seconds; t += 0.05)
            Clock::shared().advance(0.05);
    }

    // Shows the editor as the active window, its start banner gone, so that
    // the window's shortcuts see the keys typed into it.
    QWindow *showActive()
    {
        QSignalSpy appeared(editor.get(), &PanelryViewController::appeared);
        editor->show();
        if (!appeared.wait())
            return nullptr;
        settle(3);
        editor->activateWindow();
        return QTest::qWaitForWindowActive(editor.get()) ? editor->windowHandle() : nullptr;
    }

    // The editor's collaborators are its children.
    template <typename Part>
    Part &part() const { return *editor->findChild<Part *>(); }
    PanelRows &rows() const { return part<PanelRows>(); }
    PanelMode &mode() const { return part<PanelMode>(); }
    ObjectSelection &selection() const { return part<ObjectSelection>(); }
    const ObjectSelection::Controls &controls() const { return selection().controls(); }
    UndoHistory &history() const { return part<UndoHistory>(); }
    Transients &transients() const { return part<Transients>(); }
    Placement &placement() const { return part<Placement>(); }
    const EditorUi &ui() const { return editor->ui(); }
    const EditorCommands::Actions &actions() const { return part<EditorCommands>().actions(); }
    View *panel(int index) const { return rows().panels().at(index); }
    template <typename T = ComicObject>
    T *selected() const { return qobject_cast<T *>(selection().selectedComicObject()); }
    template <typename T = ComicObjectImage>
    static T *topObject(const View *panel) { return qobject_cast<T *>(panel->subviews().value(panel->subviews().size() - 1)); }
    // The alphas of the delete button, the edit button, the resize and the
    // rotate handle.
    QList<double> controlAlphas() const
    {
        const ObjectSelection::Controls &c = controls();
        return {c.deleteBtn->alpha(), c.editTextBtn->alpha(), c.resizeHandle->alpha(), c.rotateHandle->alpha()};
    }

    QList<double> scrollButtonAlphas() const
    {
        return {WidgetAnimation::alpha(ui().panelScrollLeftBtn), WidgetAnimation::alpha(ui().panelScrollRightBtn)};
    }
    QList<RageFaceImageView *> faceTiles() const
    {
        QList<RageFaceImageView *> tiles;
        for (View *child : ui().scrollViewFaces->subviews())
            if (auto *tile = qobject_cast<RageFaceImageView *>(child))
                tiles << tile;
        return tiles;
    }

    // What a one-column query of the user database finds in its first row;
    // invalid when there is no row.
    static QVariant stored(const QString &sql, const QVariantList &arguments)
    {
        return userDbValues(sql, arguments).value(0);
    }
    static bool update(const QString &sql, const QVariantList &arguments) { return userDbUpdate(sql, arguments); }
    // The PNG a picture row holds; null when there is none.
    static QImage storedPicture(int id)
    {
        return QImage::fromData(stored("SELECT data FROM comicData WHERE id = ?", {id}).toByteArray(), "PNG");
    }

    // Rows taken from the end, or single rows added, until there are `count`.
    void setRows(int count)
    {
        while (rows().numberOfPanels() > count)
            rows().removeLastPanel();
        while (rows().numberOfPanels() < count)
            rows().addSinglePanel();
    }

    View *zoom(int panelIndex)
    {
        View *p = panel(panelIndex);
        editor->selectPanel(p);
        return p;
    }

    // Places a picture (or one of this size), which the placement selects
    // once it is ready; the centre, when given, is where it is moved to
    // afterwards.
    ComicObjectImage *place(const QImage &picture, const QPointF &center = QPointF())
    {
        QUndoStack *steps = history().stack();
        const int before = steps->index();
        placement().addImageToComic(picture);
        if (!QTest::qWaitFor([&] { return steps->index() > before; }))
            return nullptr;
        auto *object = selected<ComicObjectImage>();
        if (object && !center.isNull()) {
            object->setCenter(center);
            selection().updateControlsForObject(object);
        }
        return object;
    }
    ComicObjectImage *place(int width, int height, const QPointF &center = QPointF())
    {
        QImage picture(width, height, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        return place(picture, center);
    }

    // Window (= stage scene) coordinates.
    static QPointF onScreen(const View *view, const QPointF &point) { return view->convertPoint(point, nullptr); }
    static QPointF centerOnScreen(const View *view) { return onScreen(view, view->bounds().center()); }

    // Keys as the user types them: through the shown window to what has the
    // focus, its shortcuts first.
    void type(const QList<QKeyCombination> &keys) const
    {
        for (QKeyCombination key : keys)
            QTest::keyClick(editor->windowHandle(), key.key(), key.keyboardModifiers());
    }

    TouchDispatcher &touches() const { return ui().stage->dispatcher(); }
    void tap(const QPointF &at) { drag(at, {}); }
    // One finger down at `from`, through `path`, up at its end.
    void drag(const QPointF &from, const QList<QPointF> &path, int id = 1)
    {
        touches().touchBegan(id, from);
        for (const QPointF &p : path)
            touches().touchMoved(id, p);
        touches().touchEnded(id, path.isEmpty() ? from : path.last());
    }
    // Past the touch slop (where the pan begins), then there again (the
    // first change).
    void dragHandle(View *handle, const QPointF &by)
    {
        const QPointF from = centerOnScreen(handle);
        drag(from, {from + by, from + by});
    }

    TestHome home;
    std::unique_ptr<PanelryViewController> editor;
};

// All that an object step must give back exactly.
struct Geometry {
    QPointF center;
    QRectF bounds;
    QTransform transform;
    double alpha;
    int index;

    static Geometry of(View *v)
    {
        return {v->center(), v->bounds(), v->transform(), v->alpha(),
                v->superview() ? int(v->superview()->subviews().indexOf(v)) : -1};
    }
    bool operator==(const Geometry &) const = default;
};
