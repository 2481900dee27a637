#pragma once

#include <QString>

// The program's own files (sounds, help pages) by a path relative to the program's folder:
// the user's data folder first (files the user chose are copied there), then the installed
// share/velmarnotes beside the executable's bin folder, which the build tree lays out the same
// way.
namespace ProgramFolders {

// share/velmarnotes of the running executable, ending with '/'.
QString Installed();

// The first existing file of that relative path, or an empty string when neither folder has it.
QString Find(const QString& relativePath);

} // namespace ProgramFolders
