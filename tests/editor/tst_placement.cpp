// Placing pictures in the zoomed panel: size and position, the picture
// row (its PNG written after the object shows), the selection and undo step
// that follow, and pictures coming through the image picker or the camera
// (scaled down, or refused).
#include "editor/EditorFixture.h"

#include "toolkit/CameraScreen.h"
#include "toolkit/ImagePicker.h"
#include "toolkit/Lifecycle.h"
#include "toolkit/UserDefaults.h"

#include <QPushButton>
#include <QSemaphore>

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void theLongerSideBecomes150Points_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSizeF>("placed");
        QTest::addColumn<QSize>("kept"); // at most twice the placed size
        QTest::newRow("portrait") << QSize(300, 600) << QSizeF(75, 150) << QSize(150, 300);
        QTest::newRow("landscape") << QSize(600, 300) << QSizeF(150, 75) << QSize(300, 150);
        QTest::newRow("square") << QSize(256, 256) << QSizeF(150, 150) << QSize(256, 256);
        QTest::newRow("small is enlarged") << QSize(30, 20) << QSizeF(150, 100) << QSize(30, 20);
    }
    void theLongerSideBecomes150Points()
    {
        QFETCH(QSize, picture);
        QFETCH(QSizeF, placed);
        QFETCH(QSize, kept);
        EditorFixture f;
        View *panel = f.zoom(2);
        ComicObjectImage *object = f.place(picture.width(), picture.height());
        QCOMPARE(object->superview(), panel);
        QCOMPARE(object->frame(), QRectF(QPointF(0, 0), placed));
        QCOMPARE(object->imageView()->frame(), object->bounds());
        QCOMPARE(object->imageView()->pictureSize(), picture);
        QCOMPARE(object->image().size(), kept);
        QCOMPARE(object->image().format(), QImage::Format_ARGB32_Premultiplied); // drawn as it is
    }

    void thePictureIsStoredAsPngInARowOfTheOpenComicOrNotPlaced()
    {
        EditorFixture f;
        f.editor->store().setComicId(42);
        View *panel = f.zoom(0);
        ComicObjectImage *object = f.place(64, 32);
        QCOMPARE(f.stored("SELECT comicId FROM comicData WHERE id = ?", {object->databaseId()}), QVariant(42));

        // A picture whose row cannot be stored (a full disk) is not placed.
        QVERIFY(f.update("CREATE TRIGGER full BEFORE INSERT ON comicData BEGIN SELECT RAISE(FAIL, 'full'); END", {}));
        Banners banners;
        f.placement().addImageToComic(QImage(64, 32, QImage::Format_RGB32));
        QTRY_COMPARE(banners.shown, QStringList{"Picture could not be stored"});
        QCOMPARE(panel->subviews(), QList<View *>{object});
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Image"));
    }

    // Its writer held, a picture's row has no PNG yet while its object is on
    // screen: whatever hands the row on at once must not lose it.
    void aPictureWhosePngIsNotWrittenYetIsNotLost_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("undo at once") << "undo";
        QTest::newRow("save at once") << "save";
        QTest::newRow("copy and paste at once") << "paste";
        QTest::newRow("close at once") << "close";
        QTest::newRow("the timer's save at once") << "timer";
    }
    void aPictureWhosePngIsNotWrittenYetIsNotLost()
    {
        QFETCH(QString, then);
        EditorFixture f;
        UserDefaults::setBool(true, "autosaveEnabled");
        View *panel = f.zoom(0);
        QSemaphore held;
        f.part<PictureStore>().writer().start([&held] { held.acquire(); });
        const auto release = qScopeGuard([&held] { held.release(); });
        ComicObjectImage *object = f.place(64, 32);
        const QImage shown = object->image();
        if (then == "undo") {
            f.actions().undo->trigger();
            f.actions().redo->trigger();
        } else if (then == "paste") {
            f.actions().copy->trigger();
            f.actions().paste->trigger();
            object = f.topObject(panel); // showing what its row holds
        }
        if (then == "timer") {
            // It leaves the PNG to the writer, not to the interface
            // thread, and comes once the PNG is written.
            QSignalSpy saves(&f.editor->store(), &ComicStore::aboutToSave);
            f.editor->store().didBecomeActive();
            f.settle(ComicStore::kAutosaveInterval + 0.5);
            QCOMPARE(saves.count(), 0);
            QVERIFY(f.storedPicture(object->databaseId()).isNull());
            held.release();
            QTRY_COMPARE(saves.count(), 1);
        } else if (then == "close")
            emit Lifecycle::shared()->didEnterBackgroundOrWillTerminate();
        else
            f.actions().saveToDevice->trigger();
        f.editor->store().waitForSave();
        QCOMPARE(f.storedPicture(object->databaseId()).convertToFormat(QImage::Format_ARGB32_Premultiplied), shown);
        QCOMPARE(object->image(), shown);
    }

    void thePlacedPictureIsSelectedOnTopAndItsStepUndoes()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        ComicObjectImage *below = f.place(100, 100);
        ComicObjectImage *object = f.place(300, 600);
        QCOMPARE(below->alpha(), 0.2);
        QCOMPARE(object->borderWidth(), 1.0);
        QCOMPARE(f.controls().editTextBtn->alpha(), 0.0); // a picture has nothing to edit
        QCOMPARE(f.history().undoActionName(), QString("Undo Add Image"));
        f.editor->deselectObject();
        const Geometry placed = Geometry::of(object);

        f.editor->undo();
        QCOMPARE(panel->subviews(), QList<View *>({below}));
        QCOMPARE(f.history().redoActionName(), QString("Redo Add Image"));
        QVERIFY(f.actions().redo->isEnabled());
        f.editor->redo();
        QCOMPARE(Geometry::of(object), placed);
        QVERIFY(object->isUserInteractionEnabled());
    }

    void nothingIsPlacedWithoutAPanelOrAPicture()
    {
        EditorFixture f;
        f.zoom(0);
        Banners banners;
        // A picture that arrives after its panel was left has nowhere to go,
        // nor has the row made for it. Prepared in turn: once the null one
        // is told, the one before it has arrived.
        f.placement().addImageToComic(QImage(50, 50, QImage::Format_ARGB32));
        f.placement().addImageToComic(QImage());
        f.editor->deselectPanel();
        QTRY_COMPARE(banners.shown, QStringList{"Image could not be opened"});
        View *panel = f.zoom(0);
        ComicObjectImage *next = f.place(40, 40);
        QCOMPARE(panel->subviews(), QList<View *>{next});
        QCOMPARE(f.history().stack()->count(), 1);
        QCOMPARE(userDbValues("SELECT id FROM comicData"), QVariantList{next->databaseId()});
    }

    // "Add Image" offers the camera only where there is one; its still takes
    // the picked file's way into the panel.
    void aPhotoFromThePickerOrTheCameraIsScaledDownAndPlaced_data()
    {
        QTest::addColumn<Device::Idiom>("idiom");
        QTest::addColumn<QString>("camera"); // what the fake camera takes
        QTest::newRow("no camera: the chooser at once") << Device::Idiom::Tablet << QString();
        QTest::newRow("camera in a popover") << Device::Idiom::Tablet << "photo.jpg";
        QTest::newRow("camera on a phone's screen") << Device::Idiom::Phone << "photo.jpg";
        QTest::newRow("camera that fails to start") << Device::Idiom::Tablet << "no camera.jpg";
    }
    void aPhotoFromThePickerOrTheCameraIsScaledDownAndPlaced()
    {
        QFETCH(Device::Idiom, idiom);
        QFETCH(QString, camera);
        EditorFixture f(idiom);
        f.editor->show();
        View *panel = f.zoom(0);
        QImage photo(4000, 3000, QImage::Format_RGB32);
        photo.fill(QColor(200, 120, 40));
        const QString path = f.home.path() + "/photo.jpg";
        QVERIFY(photo.save(path, "JPEG"));
        qputenv("PANELRY_FAKE_CAMERA", camera.isEmpty() ? QByteArray() : (f.home.path() + "/" + camera).toUtf8());
        const auto noCamera = qScopeGuard([] { qputenv("PANELRY_FAKE_CAMERA", ""); });
        const auto click = [&f](const QString &title) {
            for (QPushButton *button : f.editor->findChildren<QPushButton *>())
                if (button->text() == title && button->isVisible())
                    return QTest::mouseClick(button, Qt::LeftButton);
            QFAIL(qPrintable(title));
        };
        Banners banners;

        f.part<EditorCommands>().button(f.actions().addImage)->button()->click();
        if (camera.isEmpty()) {
            f.placement().imagePicker()->deliverPath(path);
        } else {
            QCOMPARE(f.transients().actionSheet()->buttonTitles(), QStringList({"From Library", "From Camera", "Cancel"}));
            click("From Camera");
            if (camera != "photo.jpg") {
                QTRY_VERIFY(banners.shown.contains("Camera could not be used"));
                EditorFixture::settle(1.0);
                QTRY_VERIFY(!f.placement().imagePicker()); // closed and gone
                QVERIFY(panel->subviews().isEmpty());
                return;
            }
            QVERIFY(f.placement().imagePicker()->cameraScreen()->isVisible());
            click("Take Photo");
        }
        QTRY_COMPARE(panel->subviews().size(), 1);
        auto *object = qobject_cast<ComicObjectImage *>(panel->subviews().first());
        QCOMPARE(object->frame().size(), QSizeF(150, 112.5));
        QVERIFY(object->isSelected());
        // Stored in full; kept only as large as a zoomed panel shows it.
        object->pictureWrite().waitForFinished();
        QCOMPARE(f.storedPicture(object->databaseId()).size(), QSize(2048, 1536));
        QCOMPARE(object->image().size(), QSize(300, 225));
        EditorFixture::settle(1.0);
        QTRY_VERIFY(!f.placement().imagePicker()); // closed and gone
    }

    void aPictureMadeLargerIsReadBackInFullForItsNewSize()
    {
        EditorFixture f;
        f.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.editor.get()));
        f.zoom(0);
        EditorFixture::settle(1.0); // zoomed in
        QImage picture(1200, 900, QImage::Format_RGB32);
        picture.fill(QColor(30, 140, 90));
        ComicObjectImage *object = f.place(picture);
        QCOMPARE(object->image().size(), QSize(300, 225));

        // Resized to 300 x 225 points, it is shown at 600 x 450 pixels.
        f.dragHandle(f.controls().resizeHandle, QPointF(300, 0));
        QCOMPARE(object->bounds().size(), QSizeF(300, 225));
        QTRY_COMPARE(object->image().size(), QSize(600, 450));
        QCOMPARE(object->image().pixelColor(300, 200), QColor(30, 140, 90));
        QCOMPARE(object->imageView()->pictureSize(), QSize(1200, 900));
    }

    void anOpenPickerBlocksNoCommandAndTheNextCommandClosesIt()
    {
        EditorFixture f;
        f.zoom(0);
        f.placement().addImage();
        QPointer<QWidget> dialog = f.placement().imagePicker()->window();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        f.actions().reset->trigger();
        QVERIFY(!dialog || !dialog->isVisible());
        QVERIFY(f.transients().alert());
        f.transients().alert()->clickButtonAtIndex(1);
    }

    void aFileThatIsNoPictureIsRefusedWithABanner()
    {
        EditorFixture f;
        View *panel = f.zoom(0);
        QFile text(f.home.path() + "/notes.png");
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
        text.close();
        Banners banners;
        for (const QString &path : {text.fileName(), f.home.path() + "/missing.jpg"}) {
            f.placement().addImage();
            f.placement().imagePicker()->deliverPath(path);
        }
        QTRY_COMPARE(banners.shown, QStringList(2, "Image could not be opened"));
        QVERIFY(panel->subviews().isEmpty());
        QVERIFY(!f.history().canUndo());
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
