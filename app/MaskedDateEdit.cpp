#include "app/MaskedDateEdit.h"

#include "job/MaskedDate.h"

namespace velmora::app {

namespace {

constexpr QLatin1Char placeholder('_');
constexpr QLatin1Char separator('/');

bool isSeparatorPlace(qsizetype index)
{
    return index == 4 || index == 7;
}

} // namespace

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
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool fits = isSeparatorPlace(i) ? c == separator : (c == placeholder || (c >= u'0' && c <= u'9'));
        if (!fits)
            return false;
    }
    return true;
}

} // namespace velmora::app
