#pragma once

#include <QLineEdit>

namespace velmora::app {

// A date entry on the mask "####/##/##" with "_" in each unfilled place,
// edited by the window's masked-date rules rather than a Qt input mask, so
// it types, erases and pastes as the native window's does. It reads back
// what it shows, placeholders included, and refuses a text that does not
// fit the mask.
class MaskedDateEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskedDateEdit(QWidget* parent = nullptr);

    // "____/__/__" when empty, "2026/1_/__" when partly filled.
    QString maskedText() const;
    // Fills the places from a text that fits the mask; any other text is
    // refused (false) and the content stays as it was.
    bool setMaskedText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void show(const std::string& text, std::size_t caret);
    void startTypingAtFirstPlaceWhenEmpty();
};

} // namespace velmora::app
