#include "picunit.h"

#include "mainunit.h"
#include "pictures.h"

TForm2 *Form2 = nullptr;
std::array<const StoreImage *, 10> PreviewPhotos{};

const QPixmap &StoreImage::picture() const
{
    if (picture_.isNull())
        picture_ = ui::Picture(name_);
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

void TForm2::FormCreate()
{
    Form1->Image5->setPicture(Image2.picture());
    Form1->Image6->setPicture(Image3.picture());
    Form1->Image7->setPicture(Image13.picture());
    Form1->Image8->setPicture(Image27.picture());
    Form1->Image10->setPicture(Image29.picture());
    const auto all = images();
    for (std::size_t i = 0; i < PreviewPhotos.size(); ++i)
        PreviewPhotos[i] = all[16 + i];
}
