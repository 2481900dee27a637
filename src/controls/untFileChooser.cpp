// SPDX-License-Identifier: GPL-3.0-or-later
#include "untFileChooser.h"

#include <QFileDialog>

#include <optional>

namespace FileChooser {
namespace {
std::optional<QString> NextChosenFile;

std::optional<QString> TakeChosenFileForTest() {
    std::optional<QString> path = NextChosenFile;
    NextChosenFile.reset();
    return path;
}

} // namespace

QString ChooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) {
    if (const std::optional<QString> path = TakeChosenFileForTest())
        return *path;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& fileName,
                       const QString& filter, const QString& defaultSuffix) {
    if (const std::optional<QString> path = TakeChosenFileForTest())
        return *path;
    QFileDialog dialog(parent, caption, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void SetNextChosenFileForTest(const QString& path) {
    NextChosenFile = path;
}

} // namespace FileChooser
