// Keys that must not act although Qt would let them: a repeat of a held
// key pressing a button again, and Alt with a letter typing that letter into
// a field. On X11 a repeat arrives as a release and a press with the same
// timestamp, and Qt marks it as a repeat only when both are already queued,
// so under load some repeats look like new presses; the timestamp tells.
#pragma once

#include <QObject>

class QWidget;

class StrayKeys final : public QObject
{
public:
    // Watches the keys that reach `window` and its children, for as long as
    // the window lives. `altLettersAreKeys`: Alt with a letter is an access
    // key and never text.
    StrayKeys(QWidget &window, bool altLettersAreKeys);

    // Puts this filter in front of the application's others again. Qt's
    // AT-SPI bridge holds every key event back and sends a copy later, with
    // no timestamp and never marked as a repeat, so this must see the
    // original first.
    void putFirst();

    // How many presses of other keys than Return and Escape have reached
    // the window: what was typed since a moment.
    int otherPresses() const { return m_otherPresses; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget &m_window;
    bool m_altLettersAreKeys;
    int m_otherPresses = 0;
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
};
