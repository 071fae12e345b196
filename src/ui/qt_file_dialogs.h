// The save and open dialogs of the Save and Load buttons, as QFileDialog. Saved puzzles live in
// the folder "saved" inside the user's data folder (QStandardPaths::AppDataLocation), since the
// folder that holds the program is usually not writable; it is created when first needed.
#pragma once

#include <QStringList>
#include <memory>

#include "model/ports.h"

class QFileDialog;
class QWidget;

namespace velmora::ui {

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}

    // The user's data folder, with its folder "saved" made when missing.
    std::filesystem::path programFolder() const override;
    std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> openFileName(const FileDialogRequest& request) override;

    // The dialog as it will be shown: title, filters, default suffix, folder and, for saving,
    // the overwrite question.
    std::unique_ptr<QFileDialog> makeDialog(const FileDialogRequest& request, bool saving) const;

  private:
    std::optional<std::filesystem::path> run(const FileDialogRequest& request, bool saving);

    QWidget* parent_;
};

// "Text (*.a)|*.a|All files|*.*" as Qt's name filters: the text, with its pattern added in
// parentheses where the text does not show it; "*.*" becomes "*" so files without a dot show.
QStringList qtNameFilters(std::string_view filter);

}  // namespace velmora::ui
