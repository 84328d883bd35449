#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace enalotto {

// A single-line text box whose maximum length limits what a person adds and nothing else.
// QLineEdit's own maxLength would also cut text the program puts in, such as a re-formatted
// "12.345" in a box of five characters. Typing beyond the limit is refused; a paste (keys,
// context menu, middle button), a drop or an input method's text inserts what fits.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(int typingLimit, QWidget *parent = nullptr);

    [[nodiscard]] int typingLimit() const { return m_typingLimit; }
    void setBackgroundColor(const QColor &colour);
    [[nodiscard]] QColor backgroundColor() const;

signals:
    // The focus went to another control or window: by Tab, Shift+Tab, a click or a window
    // change. Opening the box's own context menu is not leaving it.
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The start of `text` that fits when `replaced` characters of the box give way to it.
    [[nodiscard]] QString fitting(const QString &text, qsizetype replaced) const;
    void pasteFitting(QClipboard::Mode mode);

    int m_typingLimit;
};

} // namespace enalotto
