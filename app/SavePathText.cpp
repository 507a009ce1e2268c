#include "app/SavePathText.h"

namespace velmora::app {

QString savePathTextForFolder(const QString& folder, QChar separator)
{
    QString text = folder;
    text.replace(QLatin1Char('/'), separator);
    while (text.size() > 1 && text.endsWith(separator))
        text.chop(1);
    return text;
}

} // namespace velmora::app
