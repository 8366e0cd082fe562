#include "orderfiles.h"

#include "orderfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTranslator>

namespace ui {

namespace {

const QString kListFilter = QStringLiteral("Список металлопроката (*.csv)");
const QString kListSuffix = QStringLiteral("csv");

// In words a person understands: why a file of that many bytes could not
// be written.
QString WhyNotWritten(const QFileDevice &file, const QString &path, qint64 bytes)
{
    const QFileInfo target(path), folder(QFileInfo(path).absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.isDir())
        return QStringLiteral("Папки «%1» больше нет.").arg(folderName);
    // The system's word for a full disk does not always reach the file.
    if (file.error() == QFileDevice::ResourceError || QStorageInfo(folder.absoluteFilePath()).bytesAvailable() < bytes)
        return QStringLiteral("На диске не хватило места.");
    if (!folder.isWritable())
        return QStringLiteral("В папку «%1» нельзя записывать.").arg(folderName);
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Файл защищён от записи.");
    return QStringLiteral("Система сообщает: %1.").arg(file.errorString());
}

QString StartFolder(const QString &path)
{
    if (!path.isEmpty())
        return QFileInfo(path).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

namespace files {

void NoSettings()
{
    // A path below a file can never be made a folder, not even by root, so
    // these settings are neither read nor written. (On Windows the native
    // format is the registry, which this does not reach: AskPath.)
    static const bool redirected = [] {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-settings"));
        return true;
    }();
    Q_UNUSED(redirected);
}

void RussianDialogs()
{
    // Qt's own texts in its dialogs (the columns, the tooltips, the menus),
    // where the system has Qt's Russian translation; loaded with the first
    // dialog, so a calculator that opens none loads nothing.
    static QTranslator *const translator = [] {
        auto *qt = new QTranslator(qApp);
        if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        return qt;
    }();
    Q_UNUSED(translator);
}

void Warn(QWidget *window, const QString &title, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, window);
    box.setInformativeText(details);
    box.exec();
}

QString Suggested(const QString &listPath, const QString &suffix)
{
    const QString name = listPath.isEmpty() ? QStringLiteral("Список") : QFileInfo(listPath).completeBaseName();
    return QDir(StartFolder(listPath)).filePath(name + u'.' + suffix);
}

QString Named(const QString &path) { return QStringLiteral("«%1»").arg(QFileInfo(path).fileName()); }

bool WriteWhole(QWidget *window, const QString &path, const QByteArray &bytes, const QString &what)
{
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered, so that a write that fails says why at once.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    const QString why = WhyNotWritten(file, path, bytes.size());
    // The part written goes before the message waits for the person: on a
    // full disk it holds the space that another program may need meanwhile.
    if (file.isOpen()) {
        file.cancelWriting();
        file.commit();
    }
    files::Warn(window, QStringLiteral("Не сохранено"),
                QStringLiteral("Не удалось сохранить %1 в %2.").arg(what, Named(path)),
                why + (existed ? QStringLiteral(" Прежний файл не изменён.") : QString()) +
                    QStringLiteral(" Список остался в программе."));
    return false;
}

// Qt's own dialog, not the platform's: a platform dialog is another
// program's code, which may note the file among the desktop's recent
// files; Qt's writes nothing once NoSettings has run, and screen readers
// reach it as any Qt window.
QString AskPath(QWidget *window, bool save, const QString &title, const QString &filter, const QString &suffix,
                const QString &start)
{
    NoSettings();
    RussianDialogs();
    const QString folder = QFileInfo(start).isDir() ? start : QFileInfo(start).absolutePath();
#ifdef Q_OS_WIN
    // Qt's file dialog writes its folders into the user's settings as it
    // goes, and on Windows these are the registry, which no path redirects:
    // there one dialog serves the whole run and never goes. It is the
    // window's only while it is shown, so that it does not go with it.
    static QFileDialog *const kept = new QFileDialog;
    QFileDialog &dialog = *kept;
    dialog.setParent(window, dialog.windowFlags());
    const auto unparent = qScopeGuard([&dialog] { dialog.setParent(nullptr, dialog.windowFlags()); });
    dialog.setWindowTitle(title);
    dialog.setDirectory(folder);
    dialog.setNameFilter(filter);
    dialog.selectFile(QString());
#else
    QFileDialog dialog(window, title, folder, filter);
#endif
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Replacing a file is asked below, in Russian as every other text.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Сохранить") : QStringLiteral("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    if (save && !QFileInfo(start).isDir())
        dialog.selectFile(QFileInfo(start).fileName());
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        if (!save || !QFileInfo::exists(path))
            return path;
        QMessageBox replace(QMessageBox::Question, title, QStringLiteral("Файл %1 уже есть.").arg(Named(path)),
                            QMessageBox::NoButton, window);
        replace.setInformativeText(QStringLiteral("Заменить его?"));
        QPushButton *yes = replace.addButton(QStringLiteral("&Заменить"), QMessageBox::AcceptRole);
        QPushButton *no = replace.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        replace.setDefaultButton(no);
        replace.setEscapeButton(no);
        replace.exec();
        if (replace.clickedButton() == yes)
            return path;
    }
    return {};
}

}  // namespace files

OrderFiles::OrderFiles(QWidget *window, Hooks hooks) : QObject(window), window_(window), hooks_(std::move(hooks)) {}

bool OrderFiles::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool OrderFiles::SaveAs()
{
    const QString start = path_.isEmpty() ? files::Suggested(path_, kListSuffix) : path_;
    const QString path =
        files::AskPath(window_, true, QStringLiteral("Сохранить список"), kListFilter, kListSuffix, start);
    return !path.isEmpty() && SaveTo(path);
}

void OrderFiles::Open()
{
    if (!MayLeave())
        return;
    const QString path =
        files::AskPath(window_, false, QStringLiteral("Открыть список"), kListFilter, kListSuffix, StartFolder(path_));
    if (!path.isEmpty())
        OpenFrom(path);
}

bool OrderFiles::MayLeave()
{
    if (!modified_)
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Список изменён"),
                    path_.isEmpty() ? QStringLiteral("Сохранить список?")
                                    : QStringLiteral("Сохранить изменения в %1?").arg(files::Named(path_)),
                    QMessageBox::NoButton, window_);
    box.setInformativeText(QStringLiteral("Если не сохранить, изменения пропадут."));
    QPushButton *save = box.addButton(QStringLiteral("&Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("&Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Save();
    return box.clickedButton() == discard;
}

void OrderFiles::Changed()
{
    if (!modified_)
        SetState(path_, true);
}

bool OrderFiles::SaveTo(const QString &path)
{
    const std::string text = metal::WriteOrderFile(hooks_.order());
    if (!files::WriteWhole(window_, path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                           QStringLiteral("список")))
        return false;
    SetState(QFileInfo(path).absoluteFilePath(), false);
    return true;
}

bool OrderFiles::OpenFrom(const QString &path)
{
    const auto refuse = [&](const QString &why) {
        files::Warn(window_, QStringLiteral("Список не открыт"),
                    QStringLiteral("Не удалось открыть %1.").arg(files::Named(path)),
                    why + QStringLiteral(" Список в программе не изменился."));
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(QStringLiteral("Такого файла нет."));
    // A folder, a device or a pipe: nothing to read, or no end to it.
    if (!info.isFile())
        return refuse(QStringLiteral("Это не файл."));
    try {
        metal::CheckOrderFileSize(static_cast<std::uint64_t>(info.size()));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return refuse(QStringLiteral("Файл нельзя прочесть: нет доступа."));
        const QByteArray bytes = file.read(static_cast<qint64>(metal::kMaxOrderFileBytes) + 1);
        if (file.error() != QFileDevice::NoError)
            return refuse(QStringLiteral("Файл не прочитан: %1.").arg(file.errorString()));
        hooks_.replace(metal::ReadOrderFile({bytes.constData(), static_cast<std::size_t>(bytes.size())}));
    } catch (const metal::OrderFileError &error) {
        return refuse(QString::fromUtf8(error.what()));
    }
    SetState(info.absoluteFilePath(), false);
    return true;
}

void OrderFiles::SetState(const QString &path, bool modified)
{
    path_ = path;
    modified_ = modified;
    emit stateChanged();
}

}  // namespace ui
