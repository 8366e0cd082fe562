#include "application.h"
#include "mainunit.h"
#include "picturelist.h"
#include "pictures.h"
#include "picunit.h"

#include <QApplication>
#include <QIcon>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// What the command line prints, in the two languages the program speaks.
struct Texts {
    const char *help;
    const char *noDisplay;
    const char *noWindowSystem;
};

const Texts englishTexts = {
    "Usage: metalcalc [--help | --version]\n"
    "\n"
    "Rolled Metal Calculator (Калькулятор металлопроката): the mass of pipes, bars,\n"
    "sheets, angles, channels and beams from their size and material, or the length\n"
    "(for sheets, the area) that a mass makes. It keeps no settings and\n"
    "writes a file only when asked to save, export or print a list.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the name and version and exit\n"
    "\n"
    "Qt's own options, such as -platform, are accepted too.\n",
    "metalcalc: a graphical session is needed, and there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
    "metalcalc: a graphical session is needed, and the window system cannot be reached\n",
};

const Texts russianTexts = {
    "Использование: metalcalc [--help | --version]\n"
    "\n"
    "Калькулятор металлопроката: масса труб, прутков, листов, уголков, швеллеров\n"
    "и балок по их размерам и материалу или длина (для листов — площадь), которую\n"
    "даёт масса. Не хранит настроек и пишет файл, только когда\n"
    "просят сохранить, выгрузить или напечатать список.\n"
    "\n"
    "  --help     вывести эту справку и выйти\n"
    "  --version  вывести название и версию и выйти\n"
    "\n"
    "Собственные параметры Qt, например -platform, тоже принимаются.\n",
    "metalcalc: нужен графический сеанс, а его нет (не заданы ни DISPLAY, ни WAYLAND_DISPLAY)\n",
    "metalcalc: нужен графический сеанс, а оконная система недоступна\n",
};

bool IsSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// The language of messages as POSIX picks it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set.
const Texts &CommandLineTexts()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (IsSet(variable))
            return std::strncmp(std::getenv(variable), "ru", 2) == 0 ? russianTexts : englishTexts;
    }
    return englishTexts;
}

// Whether Qt will look for a window system that is not there: on X11 and
// Wayland desktops, no display is named and no platform is chosen (an
// explicit platform, such as offscreen, is left to Qt).
bool LacksDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform" || argument == "-display" || argument == "--display")
            return false;
    }
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

QtMessageHandler qtMessageHandler = nullptr;

// While QApplication starts: when no platform plugin can open a window (a
// platform was chosen but its display cannot be reached), say so in one line
// and end with status 1 instead of Qt's abort.
void StartMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        std::fputs(CommandLineTexts().noWindowSystem, stderr);
        std::_Exit(1);
    }
    qtMessageHandler(type, context, message);
}

}  // namespace

int main(int argc, char *argv[])
{
    // Qt's own options are left to Qt; these two answer without a window.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") {
            std::fputs("metalcalc (Калькулятор металлопроката) " METALCALC_VERSION "\n", stdout);
            return 0;
        }
        if (argument == "--help") {
            std::fputs(CommandLineTexts().help, stdout);
            return 0;
        }
    }
    if (LacksDisplay(argc, argv)) {
        std::fputs(CommandLineTexts().noDisplay, stderr);
        return 1;
    }

    qtMessageHandler = qInstallMessageHandler(StartMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    QApplication::setApplicationName(QStringLiteral("metalcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("metalcalc"));
    ui::PrepareApplication();
    QApplication::setWindowIcon(
        QIcon(ui::Picture(QString::fromLatin1(pictures::Listed("icon.png")), app.devicePixelRatio())));

    // The main window first: the picture store hands it its first pictures.
    TForm1 form1;
    TForm2 form2;
    QGuiApplication::setApplicationDisplayName(form1.windowTitle());
    form1.show();
    return app.exec();
}
