// The calculator as a person meets it, for the window tests: both windows
// created as the program creates them, the main one shown and active, and
// ways to click, point and type through the real window.
#pragma once

#include "mainunit.h"
#include "picunit.h"

#include <QTest>
#include <QUrl>

#include <memory>

// Takes the web addresses that the window asks the desktop to open, for as
// long as it lives, so that no browser is started.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// Whether some pixel inside the area of a grab has the colour.
bool HasPixel(const QImage &shot, const QRect &area, QColor colour);

class Calculator {
public:
    Calculator();
    ~Calculator();
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    TForm1 &form() const { return *form1_; }
    TForm2 &store() const { return *form2_; }

    // A control of the main window by its name ("Label32").
    template <class T = QWidget> T *find(const char *name) const
    {
        T *control = form1_->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    // Pointer actions at a place in the window, delivered to whatever control
    // lies there, as a real pointer's would be.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) const;
    void pointAt(QPoint at) const;
    // The centre of a control, in window coordinates.
    QPoint centreOf(const QWidget *control) const;
    void click(const QWidget *control) const { click(centreOf(control)); }

    // Clicks into the field (the focus moves there) and types the keys.
    void typeInto(ui::Edit *field, const QString &keys) const;
    // Types into whatever holds the focus.
    void type(const QString &keys) const;
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    QWidget *focus() const { return QApplication::focusWidget(); }

    // What the window shows, as a picture.
    QImage grab() const;

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
};
