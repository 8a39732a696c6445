#include "ui/accesskeys.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <functional>
#include <optional>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Where the key goes in `text`: word starts first, plain ASCII letters
// before others, as they are on every keyboard.
std::optional<qsizetype> choose(const QString &text, const QSet<QChar> &taken)
{
    const auto wordStart = [&text](qsizetype i) { return i == 0 || !text.at(i - 1).isLetter(); };
    const std::function<bool(qsizetype)> passes[] = {
        [&](qsizetype i) { return wordStart(i) && isAsciiLetter(text.at(i)); },
        [&](qsizetype i) { return isAsciiLetter(text.at(i)); },
        [&](qsizetype i) { return text.at(i).isLetter(); },
    };
    for (const auto &pass : passes) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (pass(i) && !taken.contains(text.at(i).toLower())) {
                return i;
            }
        }
    }
    return std::nullopt;
}

} // namespace

namespace AccessKeys {

void assign(QWidget *container)
{
    QSet<QChar> taken;
    const auto give = [&taken](QWidget *widget, const QString &text, auto setText) {
        widget->setAccessibleName(text);
        QString marked = text;
        marked.replace(u'&', QLatin1String("&&"));
        if (const auto at = choose(marked, taken)) {
            taken.insert(marked.at(*at).toLower());
            marked.insert(*at, u'&');
        }
        setText(marked);
    };
    // Buttons first: pressing is what a key is most wanted for.
    for (auto *button : container->findChildren<QPushButton *>()) {
        give(button, button->text(), [button](const QString &t) { button->setText(t); });
    }
    for (auto *label : container->findChildren<QLabel *>()) {
        if (label->buddy()) {
            give(label, label->text(), [label](const QString &t) { label->setText(t); });
        }
    }
}

} // namespace AccessKeys
