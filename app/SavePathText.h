#pragma once

#include <QChar>
#include <QString>

namespace velmora::app {

// What the folder picker writes into the save location: the folder in the
// system's separators without a trailing one, so a drive root gives "D:" and
// the POSIX root stays "/".
QString savePathTextForFolder(const QString& folder, QChar separator);

} // namespace velmora::app
