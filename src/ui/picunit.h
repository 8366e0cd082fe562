// The picture store: every picture that the main window swaps in and out.
// It is never shown and never changes; a control that takes one of its
// pictures gets its own copy. Pictures are decoded when first asked for, so
// the photos cost nothing until the first hover.
#pragma once

#include "catalogue.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class StoreImage {
public:
    explicit StoreImage(QString name) : name_(std::move(name)) {}
    const QString &name() const { return name_; }
    const QPixmap &picture() const;

private:
    QString name_;
    mutable QPixmap picture_;
};

class TForm2 : public QWidget {
public:
    // Hands the main window its first pictures: Form1 must exist.
    TForm2();
    ~TForm2() override;
    void FormCreate();

    // Mode toggles, the ten kind drawings, the result boxes.
    StoreImage Image1{QStringLiteral("toggle-length.png")};
    StoreImage Image2{QStringLiteral("toggle-mass.png")};
    StoreImage Image3{QStringLiteral("kind-pipe.png")};
    StoreImage Image4{QStringLiteral("kind-profile-pipe.png")};
    StoreImage Image5{QStringLiteral("kind-square.png")};
    StoreImage Image6{QStringLiteral("kind-round.png")};
    StoreImage Image7{QStringLiteral("kind-angle.png")};
    StoreImage Image8{QStringLiteral("kind-sheet.png")};
    StoreImage Image9{QStringLiteral("kind-strip.png")};
    StoreImage Image10{QStringLiteral("kind-hexagon.png")};
    StoreImage Image11{QStringLiteral("kind-channel.png")};
    StoreImage Image12{QStringLiteral("kind-beam.png")};
    StoreImage Image13{QStringLiteral("result-box.png")};
    StoreImage Image14{QStringLiteral("result-box-area.png")};
    StoreImage Image15{QStringLiteral("toggle-sheet-mass.png")};
    StoreImage Image16{QStringLiteral("toggle-sheet-area.png")};
    // The preview photos, one per kind.
    StoreImage Image17{QStringLiteral("photo-pipe.jpg")};
    StoreImage Image18{QStringLiteral("photo-profile-pipe.jpg")};
    StoreImage Image19{QStringLiteral("photo-square.jpg")};
    StoreImage Image20{QStringLiteral("photo-round.jpg")};
    StoreImage Image21{QStringLiteral("photo-angle.jpg")};
    StoreImage Image22{QStringLiteral("photo-sheet.jpg")};
    StoreImage Image23{QStringLiteral("photo-strip.jpg")};
    StoreImage Image24{QStringLiteral("photo-hexagon.jpg")};
    StoreImage Image25{QStringLiteral("photo-channel.jpg")};
    StoreImage Image26{QStringLiteral("photo-beam.jpg")};
    // Close and minimise, normal and under the pointer.
    StoreImage Image27{QStringLiteral("close.png")};
    StoreImage Image28{QStringLiteral("close-hover.png")};
    StoreImage Image29{QStringLiteral("minimise.png")};
    StoreImage Image30{QStringLiteral("minimise-hover.png")};

    // The store's pictures in their order, Image1 first.
    std::array<const StoreImage *, 30> images() const;

    // The drawing and the photo of a kind.
    const StoreImage &KindDrawing(metal::ProfileKind kind) const;
    const StoreImage &KindPhoto(metal::ProfileKind kind) const;
    // The mode toggle as it shows for a kind in a mode: the sheet's has
    // "Площадь" for "Длина".
    const StoreImage &ModeToggle(metal::ProfileKind kind, bool massMode) const;
    // The result box, taller in the sheet's area mode.
    const StoreImage &ResultBox(bool area) const { return area ? Image14 : Image13; }
};

// Entry i is the photo of kind i + 1.
extern std::array<const StoreImage *, 10> PreviewPhotos;
