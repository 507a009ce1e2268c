#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace velmora::app {

// The folder-choosing dialog behind the save location, replaceable in tests.
class FolderDialog
{
public:
    virtual ~FolderDialog() = default;
    // The chosen folder with "/" separators, or nothing when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent) = 0;
};

class QtFolderDialog final : public FolderDialog
{
public:
    std::optional<QString> chooseFolder(QWidget* parent) override;
};

} // namespace velmora::app
