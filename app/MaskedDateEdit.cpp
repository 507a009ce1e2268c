#include "app/MaskedDateEdit.h"

#include "job/MaskedDate.h"
#include "window/MaskedDateEntry.h"

namespace velmora::app {

MaskedDateEdit::MaskedDateEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // "0": a digit may stand here but need not, so a half-filled date shows.
    setInputMask(QStringLiteral("0000/00/00;_"));
    setText(QString());
}

QString MaskedDateEdit::maskedText() const
{
    return displayText();
}

bool MaskedDateEdit::setMaskedText(const QString& text)
{
    if (!fitsMask(text))
        return false;
    setText(text);
    return true;
}

// A bare mask leaves the cursor where the focus or the click put it, often
// past the last place of an empty entry, where typing does nothing.
void MaskedDateEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    startTypingAtFirstPlaceWhenEmpty();
}

void MaskedDateEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    startTypingAtFirstPlaceWhenEmpty();
}

void MaskedDateEdit::startTypingAtFirstPlaceWhenEmpty()
{
    if (displayText().toStdString() == job::emptyMaskedDate)
        setCursorPosition(0);
}

bool MaskedDateEdit::fitsMask(const QString& text)
{
    return window::fitsDateMask(text.toStdString());
}

} // namespace velmora::app
