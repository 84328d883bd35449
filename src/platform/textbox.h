#pragma once

#include <QLineEdit>

// A single-line text box whose maximum length limits typing only. QLineEdit's own
// maxLength would also cut text the program puts in, such as a re-formatted "12.345" in a
// box of five characters.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(int typingLimit, QWidget *parent = nullptr);

    [[nodiscard]] int typingLimit() const { return m_typingLimit; }
    void setBackgroundColor(const QColor &colour);
    [[nodiscard]] QColor backgroundColor() const;

protected:
    bool event(QEvent *event) override;

private:
    int m_typingLimit;
};
