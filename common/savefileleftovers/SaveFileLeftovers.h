#pragma once

#include <QString>

// The temporary copies ("<name>.XXXXXX", six letters) that QSaveFile leaves
// beside a file when its writer is killed between writing and renaming.
namespace SaveFileLeftovers {

// Removes the leftovers of `filePath` that no live writer can still own:
// those untouched for a minute, as a writer fills and renames its copy in
// one go. Call it after saving `filePath` successfully.
void remove(const QString &filePath);

} // namespace SaveFileLeftovers
