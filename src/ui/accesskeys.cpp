#include "ui/accesskeys.h"

#include "ui/translations.h"

#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <optional>

namespace {

// Typed with Alt on every keyboard layout: Qt matches them from a
// non-Latin layout too.
bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Where the key goes in `text`: word starts first.
std::optional<qsizetype> choose(const QString &text, const QSet<QChar> &taken)
{
    const auto wordStart = [&text](qsizetype i) { return i == 0 || !text.at(i - 1).isLetter(); };
    for (const bool startsOnly : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (isAsciiLetter(text.at(i)) && (!startsOnly || wordStart(i)) &&
                !taken.contains(text.at(i).toLower())) {
                return i;
            }
        }
    }
    return std::nullopt;
}

std::optional<QChar> letterForParentheses(const QString &english, const QSet<QChar> &taken)
{
    if (const auto at = choose(english, taken)) {
        return english.at(*at).toUpper();
    }
    for (char16_t c = u'a'; c <= u'z'; ++c) {
        if (!taken.contains(QChar(c))) {
            return QChar(c).toUpper();
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
        } else if (const auto key = letterForParentheses(Translations::sourceOf(text), taken)) {
            taken.insert(key->toLower());
            marked += QStringLiteral("(&%1)").arg(*key);
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
