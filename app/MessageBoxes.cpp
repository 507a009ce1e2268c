#include "app/MessageBoxes.h"

#include "app/AppTitle.h"

#include <QMessageBox>

namespace velmora::app {

void QtMessageBoxes::warning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, appTitle(), text, QMessageBox::Ok);
}

void QtMessageBoxes::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, appTitle(), text, QMessageBox::Ok);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer)
{
    const auto answer = QMessageBox::question(parent, appTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                              defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

} // namespace velmora::app
