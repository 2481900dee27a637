#pragma once

#include <QString>

// Where the program keeps its per-user files: Data.db and config.ini share one folder.
namespace VelmarPaths {

// The per-user data folder, always ending with '/'. Does not create anything.
QString DataFolder();

// Creates the data folder (one level, mode 0700) when it is missing; answers false on failure.
bool EnsureDataFolder();

// data folder + "Data.db", creating the folder first.
QString DatabasePath();

// Points the program at another data folder (the command-line companion's --data-dir);
// an empty path goes back to the per-user default.
void SetDataFolderOverride(const QString& folder);

} // namespace VelmarPaths
