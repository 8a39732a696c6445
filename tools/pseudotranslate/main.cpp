// Writes the pseudo-language the tests read, from the template: every text
// in accented letters, each word 40 % longer, between brackets, with its
// %1 and line breaks kept. A text never marked for translation stays plain
// English in it, and one cut at a large font loses its bracket.
//   pseudotranslate <template .ts> <output .ts>
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

// The language no user has: CLDR's pseudo-locale of accented English,
// which QLocale does not know, so only a test loads it.
constexpr auto language = "en_XA";

QString pseudo(const QString &source)
{
    // Qt reads the layout direction from this one; it is no text.
    if (source == QLatin1String("QT_LAYOUT_DIRECTION")) {
        return QStringLiteral("LTR");
    }
    static const QString lower = QStringLiteral("àƀçðéƒĝĥîĵķļṁñöþǫŕšţûṽŵẋýž");
    static const QString upper = QStringLiteral("ÀƁÇÐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");
    const auto isLetter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size();) {
        const QChar c = source.at(i);
        if (c == u'%' && i + 1 < source.size() &&
            (source.at(i + 1).isDigit() || source.at(i + 1) == u'n')) {
            out += source.mid(i, 2);
            i += 2;
            continue;
        }
        if (!isLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < source.size() && isLetter(source.at(end))) {
            ++end;
        }
        // Doubles letters spread over the word until it is 40 % longer.
        const qsizetype length = end - i;
        const qsizetype extra = (length * 2 + 4) / 5;
        for (qsizetype k = 0; k < length; ++k) {
            const char letter = source.at(i + k).toLatin1();
            const QChar shown = letter >= 'a' ? lower.at(letter - 'a') : upper.at(letter - 'A');
            out += shown;
            if (k * extra / length != (k + 1) * extra / length) {
                out += shown;
            }
        }
        i = end;
    }
    return out + u']';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: pseudotranslate <template .ts> <output .ts>\n", stderr);
        return 2;
    }
    QFile input(arguments.at(1));
    QFile output(arguments.at(2));
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)) {
        std::fputs("pseudotranslate: cannot open the files\n", stderr);
        return 1;
    }
    QXmlStreamReader in(&input);
    QXmlStreamWriter out(&output);
    out.setAutoFormatting(true);
    out.writeStartDocument();
    out.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    QString source;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && in.name() == QLatin1String("source")) {
            source = in.readElementText();
            out.writeTextElement(QStringLiteral("source"), source);
        } else if (in.isStartElement() && in.name() == QLatin1String("translation")) {
            in.skipCurrentElement();
            out.writeTextElement(QStringLiteral("translation"), pseudo(source));
        } else if (in.isStartElement()) {
            out.writeStartElement(in.name().toString());
            out.writeAttributes(in.attributes());
            if (in.name() == QLatin1String("TS")) {
                out.writeAttribute(QStringLiteral("language"), QLatin1String(language));
            }
        } else if (in.isEndElement()) {
            out.writeEndElement();
        } else if (in.isCharacters() && !in.isWhitespace()) {
            out.writeCharacters(in.text().toString());
        }
    }
    out.writeEndDocument();
    if (in.hasError()) {
        std::fprintf(stderr, "pseudotranslate: %s\n", qPrintable(in.errorString()));
        return 1;
    }
    return 0;
}
