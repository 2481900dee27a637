// SPDX-License-Identifier: GPL-3.0-or-later
#include "untFileChooser.h"

#include <QFileDialog>

#include <optional>

namespace FileChooser {
namespace {
std::optional<QString> NextChosenFile;
} // namespace

QString ChooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) {
    if (NextChosenFile) {
        const QString path = *NextChosenFile;
        NextChosenFile.reset();
        return path;
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void SetNextChosenFileForTest(const QString& path) {
    NextChosenFile = path;
}

} // namespace FileChooser
