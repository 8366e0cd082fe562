// The picture store: every picture that the main window swaps in and out.
// It is never shown and never changes; a control that takes one of its
// pictures gets its own copy. Pictures are decoded when first asked for, so
// the photos cost nothing until the first hover.
#pragma once

#include "catalogue.h"
#include "picturelist.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class StoreImage {
public:
    explicit StoreImage(const char *name) : name_(QString::fromLatin1(name)) {}
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
    StoreImage Image1{pictures::Listed("toggle-length.png")};
    StoreImage Image2{pictures::Listed("toggle-mass.png")};
    StoreImage Image3{pictures::Listed("kind-pipe.png")};
    StoreImage Image4{pictures::Listed("kind-profile-pipe.png")};
    StoreImage Image5{pictures::Listed("kind-square.png")};
    StoreImage Image6{pictures::Listed("kind-round.png")};
    StoreImage Image7{pictures::Listed("kind-angle.png")};
    StoreImage Image8{pictures::Listed("kind-sheet.png")};
    StoreImage Image9{pictures::Listed("kind-strip.png")};
    StoreImage Image10{pictures::Listed("kind-hexagon.png")};
    StoreImage Image11{pictures::Listed("kind-channel.png")};
    StoreImage Image12{pictures::Listed("kind-beam.png")};
    StoreImage Image13{pictures::Listed("result-box.png")};
    StoreImage Image14{pictures::Listed("result-box-area.png")};
    StoreImage Image15{pictures::Listed("toggle-sheet-mass.png")};
    StoreImage Image16{pictures::Listed("toggle-sheet-area.png")};
    // The preview photos, one per kind.
    StoreImage Image17{pictures::Listed("photo-pipe.jpg")};
    StoreImage Image18{pictures::Listed("photo-profile-pipe.jpg")};
    StoreImage Image19{pictures::Listed("photo-square.jpg")};
    StoreImage Image20{pictures::Listed("photo-round.jpg")};
    StoreImage Image21{pictures::Listed("photo-angle.jpg")};
    StoreImage Image22{pictures::Listed("photo-sheet.jpg")};
    StoreImage Image23{pictures::Listed("photo-strip.jpg")};
    StoreImage Image24{pictures::Listed("photo-hexagon.jpg")};
    StoreImage Image25{pictures::Listed("photo-channel.jpg")};
    StoreImage Image26{pictures::Listed("photo-beam.jpg")};
    // Close and minimise, normal and under the pointer.
    StoreImage Image27{pictures::Listed("close.png")};
    StoreImage Image28{pictures::Listed("close-hover.png")};
    StoreImage Image29{pictures::Listed("minimise.png")};
    StoreImage Image30{pictures::Listed("minimise-hover.png")};

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
