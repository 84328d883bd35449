#include "platform/textbox.h"

#include <QValidator>

namespace {

// Refuses an edit that would make the text longer than the limit, unless it does not grow
// a text that is already longer (so such a text can still be shortened).
class TypingLimit : public QValidator
{
public:
    TypingLimit(const TextBox *box, QObject *parent) : QValidator(parent), m_box(box) {}

    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_box->typingLimit() || input.size() <= m_box->text().size())
            return Acceptable;
        return Invalid;
    }

private:
    const TextBox *m_box;
};

} // namespace

TextBox::TextBox(int typingLimit, QWidget *parent) : QLineEdit(parent), m_typingLimit(typingLimit)
{
    setValidator(new TypingLimit(this, this));
    setFrame(false);
    setBackgroundColor(Qt::white);
}

void TextBox::setBackgroundColor(const QColor &colour)
{
    if (palette().color(QPalette::Base) == colour)
        return;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

QColor TextBox::backgroundColor() const
{
    return palette().color(QPalette::Base);
}
