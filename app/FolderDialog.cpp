#include "app/FolderDialog.h"

#include <QFileDialog>

namespace velmora::app {

std::optional<QString> QtFolderDialog::chooseFolder(QWidget* parent)
{
    const QString folder = QFileDialog::getExistingDirectory(parent);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace velmora::app
