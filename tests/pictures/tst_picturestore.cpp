// The picture store: the pictures the window starts with, the photos of the
// preview, and a store that is never shown and never changes.
#include "windowfixture.h"

#include <QWindow>

namespace {

QList<QImage> StoreContents(const TForm2 &store)
{
    QList<QImage> contents;
    for (const StoreImage *image : store.images())
        contents << image->picture().toImage();
    return contents;
}

}  // namespace

class PictureStoreTest : public QObject {
    Q_OBJECT
private slots:
    void startPictures_data();
    void startPictures();
    void previewPhotos_data();
    void previewPhotos();
    void storeNeverChanges();
    void storeNeverShown();
};

void PictureStoreTest::startPictures_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("store");             // the store's picture number
    QTest::addColumn<QPoint>("at");             // where the window shows it
    QTest::addColumn<QList<QRect>>("covered");  // by the texts over it
    QTest::newRow("mode toggle, mass highlighted") << "Image5" << 2 << QPoint(568, 62) << QList<QRect>{};
    // The drawing area centres its picture: 191 × 190 in 209 × 199.
    QTest::newRow("pipe drawing") << "Image6" << 3 << QPoint(296 + 9, 154 + 4) << QList<QRect>{};
    QTest::newRow("result box") << "Image7" << 13 << QPoint(511, 378)
                                << QList<QRect>{{532, 399, 130, 22}, {536, 430, 129, 23}, {521, 462, 154, 17}};
    QTest::newRow("close") << "Image8" << 27 << QPoint(680, 6) << QList<QRect>{};
    // The minimise bar, 8 × 2, centred in 20 × 25.
    QTest::newRow("minimise") << "Image10" << 29 << QPoint(666, 19) << QList<QRect>{};
}

void PictureStoreTest::startPictures()
{
    QFETCH(QString, control);
    QFETCH(int, store);
    QFETCH(QPoint, at);
    QFETCH(QList<QRect>, covered);
    Calculator calc;
    const QPixmap &expected = calc.store().images()[static_cast<std::size_t>(store) - 1]->picture();
    QVERIFY(!expected.isNull());
    const auto *image = calc.find<ui::Image>(qPrintable(control));
    QCOMPARE(image->picture().toImage(), expected.toImage());
    QVERIFY(ShowsPicture(calc.grab(), at, expected.toImage(), QRect(), covered));
}

void PictureStoreTest::previewPhotos_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("photo");
    QTest::addColumn<QSize>("size");
    const QSize usual(108, 109);
    QTest::newRow("pipe") << 1 << "photo-pipe.jpg" << usual;
    QTest::newRow("profile pipe") << 2 << "photo-profile-pipe.jpg" << usual;
    QTest::newRow("square") << 3 << "photo-square.jpg" << usual;
    QTest::newRow("round") << 4 << "photo-round.jpg" << usual;
    QTest::newRow("angle") << 5 << "photo-angle.jpg" << usual;
    QTest::newRow("sheet") << 6 << "photo-sheet.jpg" << QSize(108, 81);
    QTest::newRow("strip") << 7 << "photo-strip.jpg" << QSize(108, 108);
    QTest::newRow("hexagon") << 8 << "photo-hexagon.jpg" << usual;
    QTest::newRow("channel") << 9 << "photo-channel.jpg" << usual;
    QTest::newRow("beam") << 10 << "photo-beam.jpg" << usual;
}

void PictureStoreTest::previewPhotos()
{
    QFETCH(int, kind);
    QFETCH(QString, photo);
    QFETCH(QSize, size);
    Calculator calc;
    const StoreImage *entry = PreviewPhotos[static_cast<std::size_t>(kind) - 1];
    // Entry i is the store's picture 17 + i, itself, not a copy.
    QCOMPARE(entry, calc.store().images()[static_cast<std::size_t>(kind) + 15]);
    QCOMPARE(entry->name(), photo);
    QCOMPARE(entry->picture().size(), size);
    QVERIFY(!entry->picture().hasAlphaChannel());
}

void PictureStoreTest::storeNeverChanges()
{
    Calculator calc;
    const QList<QImage> before = StoreContents(calc.store());
    const QImage pipe = calc.find<ui::Image>("Image6")->picture().toImage();

    // Every swap of pictures the window makes: each kind and its drawing,
    // both modes (the sheet's too), the preview, close and minimise hovered.
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 6}) {
        calc.selectKind(kind);
        calc.selectMode(false);
        calc.selectMode(true);
    }
    calc.pointAt(calc.centreOf(calc.find("Label5")));
    calc.pointAt(calc.centreOf(calc.find("Image8")));
    calc.pointAt(calc.centreOf(calc.find("Image10")));
    calc.pointAt(QPoint(400, 300));
    calc.click(calc.find("Label2"));

    QCOMPARE(StoreContents(calc.store()), before);
    // Selecting the pipe again shows the same drawing as at start.
    QCOMPARE(calc.find<ui::Image>("Image6")->picture().toImage(), pipe);
}

void PictureStoreTest::storeNeverShown()
{
    Calculator calc;
    calc.click(calc.find("Label7"));
    calc.pointAt(calc.centreOf(calc.find("Label9")));
    QVERIFY(!calc.store().isVisible());
    // No window of its own exists, so the desktop has no second button.
    QCOMPARE(calc.store().windowHandle(), nullptr);
    QWindowList shown;
    for (QWindow *window : QGuiApplication::topLevelWindows())
        if (window->isVisible())
            shown << window;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.front(), calc.form().windowHandle());
}

QTEST_MAIN(PictureStoreTest)
#include "tst_picturestore.moc"
