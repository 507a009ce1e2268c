#pragma once

#include "window/Toolkit.h"

#include <QString>

class QWidget;

namespace velmora::app {

using window::DefaultAnswer;

// Every message box of the window goes through here, so that tests can
// answer them without a modal dialog blocking the test.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Exclamation-mark icon, one OK button.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // Information icon, one OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Question icon, Yes and No; true when Yes is chosen.
    virtual bool confirm(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer) override;
};

} // namespace velmora::app
