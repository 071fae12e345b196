#include "qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>

namespace velmora::ui {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString pathToQString(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path pathFromQString(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

QStringList qtNameFilters(std::string_view filter) {
    const QStringList parts = toQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns == "*.*") patterns = "*";
        const QString text = parts[i];
        filters << (text.contains('(') ? text : QString("%1 (%2)").arg(text, patterns));
    }
    return filters;
}

std::filesystem::path QtFileDialogs::programFolder() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(QDir(folder).filePath("saved"));
    return pathFromQString(folder);
}

std::unique_ptr<QFileDialog> QtFileDialogs::makeDialog(const FileDialogRequest& request,
                                                       bool saving) const {
    const QString folder = pathToQString(request.initialFolder);
    QDir().mkpath(folder);
    auto dialog = std::make_unique<QFileDialog>(parent_, toQString(request.title), folder);
    dialog->setNameFilters(qtNameFilters(request.filter));
    dialog->setDefaultSuffix(toQString(request.defaultExtension));
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !(saving && request.confirmOverwrite));
    return dialog;
}

std::optional<std::filesystem::path> QtFileDialogs::run(const FileDialogRequest& request,
                                                        bool saving) {
    const auto dialog = makeDialog(request, saving);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return pathFromQString(dialog->selectedFiles().constFirst());
}

std::optional<std::filesystem::path> QtFileDialogs::saveFileName(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<std::filesystem::path> QtFileDialogs::openFileName(const FileDialogRequest& request) {
    return run(request, false);
}

}  // namespace velmora::ui
