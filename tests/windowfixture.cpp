#include "windowfixture.h"

#include "application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QWindow>

Calculator::Calculator()
{
    ui::PrepareApplication();
    form1_ = std::make_unique<TForm1>();
    form2_ = std::make_unique<TForm2>();
    form1_->show();
    if (!QTest::qWaitForWindowActive(form1_.get()))
        qFatal("the main window did not become active");
}

Calculator::~Calculator()
{
    form2_.reset();
    form1_.reset();
}

void Calculator::click(QPoint at, Qt::MouseButton button) const
{
    QTest::mouseClick(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::press(QPoint at, Qt::MouseButton button) const
{
    QTest::mousePress(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::release(QPoint at, Qt::MouseButton button) const
{
    QTest::mouseRelease(form1_->windowHandle(), button, Qt::NoModifier, at);
}

void Calculator::pointAt(QPoint at) const { QTest::mouseMove(form1_->windowHandle(), at); }

QPoint Calculator::centreOf(const QWidget *control) const
{
    return control->mapTo(form1_.get(), control->rect().center());
}

void Calculator::typeInto(ui::Edit *field, const QString &keys) const
{
    click(field);
    if (!field->hasFocus())
        qFatal("%s did not take the focus", qPrintable(field->objectName()));
    type(keys);
}

void Calculator::type(const QString &keys) const
{
    QWidget *target = focus();
    if (!target)
        qFatal("nothing holds the focus");
    QTest::keyClicks(target, keys);
}

void Calculator::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QWidget *target = focus();
    if (!target)
        qFatal("nothing holds the focus");
    QTest::keyClick(target, key, modifiers);
}

QImage Calculator::grab() const { return form1_->grab().toImage(); }

bool HasPixel(const QImage &shot, const QRect &area, QColor colour)
{
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                return true;
    return false;
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}
