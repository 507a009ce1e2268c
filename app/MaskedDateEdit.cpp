#include "app/MaskedDateEdit.h"

#include "job/MaskedDate.h"
#include "window/MaskedDateEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QValidator>

namespace velmora::app {

namespace {

// Whatever reaches the box past its own keys (the context menu's paste, a
// drop) must fit the mask whole.
class DateMaskValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override
    {
        return window::fitsDateMask(text.toStdString()) ? Acceptable : Invalid;
    }
};

} // namespace

MaskedDateEdit::MaskedDateEdit(QWidget* parent)
    : QLineEdit(QString::fromUtf8(job::emptyMaskedDate.data(), static_cast<qsizetype>(job::emptyMaskedDate.size())),
                parent)
{
    setValidator(new DateMaskValidator(this));
}

QString MaskedDateEdit::maskedText() const
{
    return text();
}

bool MaskedDateEdit::setMaskedText(const QString& text)
{
    if (!window::fitsDateMask(text.toStdString()))
        return false;
    setText(text);
    return true;
}

void MaskedDateEdit::keyPressEvent(QKeyEvent* event)
{
    const std::string now = text().toStdString();
    const auto from = static_cast<std::size_t>(hasSelectedText() ? selectionStart() : cursorPosition());
    const auto to = from + static_cast<std::size_t>(selectedText().size());
    window::MaskedEntry entry;
    if (event->matches(QKeySequence::Paste))
        entry = window::pastedInto(now, from, QGuiApplication::clipboard()->text().toStdString());
    else if (event->matches(QKeySequence::Cut)) {
        copy();
        entry = window::erasedFrom(now, from, to, false);
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        entry = window::erasedFrom(now, from, to, event->key() == Qt::Key_Backspace);
    else if (event->text().size() == 1 && event->text()[0].isPrint())
        entry = window::typedInto(now, from, to, event->text()[0].toLatin1());
    else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return; // the box's own undo knows nothing of the mask
    else
        return QLineEdit::keyPressEvent(event); // moving, selecting, copying
    show(entry.text, entry.caret);
}

void MaskedDateEdit::show(const std::string& text, std::size_t caret)
{
    setText(QString::fromStdString(text));
    setCursorPosition(static_cast<int>(caret));
}

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
    const int caret = cursorPosition();
    const auto entry = static_cast<int>(window::caretOnEntry(text().toStdString(), static_cast<std::size_t>(caret)));
    if (entry != caret)
        setCursorPosition(entry);
}

} // namespace velmora::app
