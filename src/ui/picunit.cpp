#include "picunit.h"

#include "mainunit.h"
#include "pictures.h"

#include <QGuiApplication>

TForm2 *Form2 = nullptr;
std::array<const StoreImage *, 10> PreviewPhotos{};

const QPixmap &StoreImage::picture() const
{
    if (picture_.isNull())
        picture_ = ui::Picture(name_, qApp->devicePixelRatio());
    return picture_;
}

TForm2::TForm2()
{
    Form2 = this;
    setObjectName(QStringLiteral("Form2"));
    FormCreate();
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
    PreviewPhotos = {};
}

std::array<const StoreImage *, 30> TForm2::images() const
{
    return {&Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8,  &Image9,  &Image10,
            &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17, &Image18, &Image19, &Image20,
            &Image21, &Image22, &Image23, &Image24, &Image25, &Image26, &Image27, &Image28, &Image29, &Image30};
}

namespace {
using Entry = StoreImage TForm2::*;
// Entry k - 1 is the picture of kind k.
constexpr Entry kDrawings[] = {&TForm2::Image3, &TForm2::Image4, &TForm2::Image5,  &TForm2::Image6,  &TForm2::Image7,
                               &TForm2::Image8, &TForm2::Image9, &TForm2::Image10, &TForm2::Image11, &TForm2::Image12};
constexpr Entry kPhotos[] = {&TForm2::Image17, &TForm2::Image18, &TForm2::Image19, &TForm2::Image20, &TForm2::Image21,
                             &TForm2::Image22, &TForm2::Image23, &TForm2::Image24, &TForm2::Image25, &TForm2::Image26};
}  // namespace

const StoreImage &TForm2::KindDrawing(metal::ProfileKind kind) const
{
    return this->*kDrawings[static_cast<std::size_t>(kind) - 1];
}

const StoreImage &TForm2::KindPhoto(metal::ProfileKind kind) const
{
    return this->*kPhotos[static_cast<std::size_t>(kind) - 1];
}

const StoreImage &TForm2::ModeToggle(metal::ProfileKind kind, bool massMode) const
{
    if (kind == metal::pkSheet)
        return massMode ? Image15 : Image16;
    return massMode ? Image2 : Image1;
}

void TForm2::FormCreate()
{
    Form1->Image5->setPicture(Image2.picture());
    Form1->Image6->setPicture(Image3.picture());
    Form1->Image7->setPicture(Image13.picture());
    Form1->Image8->setPicture(Image27.picture());
    Form1->Image10->setPicture(Image29.picture());
    for (std::size_t i = 0; i < PreviewPhotos.size(); ++i)
        PreviewPhotos[i] = &KindPhoto(static_cast<metal::ProfileKind>(i + 1));
}
