#pragma once

#include <QLineEdit>

namespace velmora::app {

// A date entry on the mask "####/##/##" with "_" in each unfilled place. It
// reads back what it shows, placeholders included, and refuses a text that
// does not fit the mask instead of emptying itself as a bare mask would.
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

    static bool fitsMask(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void startTypingAtFirstPlaceWhenEmpty();
};

} // namespace velmora::app
