#include "configstate.h"
#include "contentview.h"
#include "fakeagent.h"
#include "translations.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

using Text = std::pair<QString, QString>; // context, source

// Answers nothing, notes every lookup.
class RecordingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        lookups.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable QSet<Text> lookups;
};

QList<Text> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QList<Text> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.name() == "source"_L1) {
            texts.append({context, xml.readElementText()});
        } else if (xml.name() != "TS"_L1 && xml.name() != "context"_L1 &&
                   xml.name() != "message"_L1) {
            xml.skipCurrentElement();
        }
    }
    return texts;
}

// Shows every phase once, the failure with a message of its own.
void walkEveryPhase(ContentView &view, const QString &failureMessage)
{
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(!std::holds_alternative<ConfigState::Checking>(view.state().phase()));
    const ConfigState::Phase phases[] = {
        ConfigState::Checking{}, ConfigState::AlreadyConfigured{},
        ConfigState::Form{},     ConfigState::Submitting{},
        ConfigState::Success{},  ConfigState::Failure{failureMessage}};
    for (const auto &phase : phases) {
        view.state().setPhase(phase);
        QCoreApplication::processEvents();
    }
}

void removeInstalledTranslators()
{
    qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowTextIsInTheTemplate()
    {
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        const QString failure = u"Failure %1 <b>message</b>"_s;
        {
            ContentView view(std::make_shared<FakeAgent>(), [] {});
            ContentView::tr("Ovata Device Agent — Configuration"); // the window title
            walkEveryPhase(view, failure);
        }
        QCoreApplication::removeTranslator(&recorder);

        const QList<Text> inTemplate = readTs(QStringLiteral(OVATA_TEMPLATE_TS));
        const QSet<Text> templateSet(inTemplate.cbegin(), inTemplate.cend());
        QCOMPARE(templateSet.size(), inTemplate.size()); // no text twice
        QSet<Text> ours;
        for (const auto &lookup : std::as_const(recorder.lookups)) {
            QVERIFY2(!lookup.second.contains(u"Failure"_s), "a run-time message was looked up");
            if (lookup.first.startsWith(u'Q')) {
                continue; // Qt's own
            }
            ours.insert(lookup);
            QVERIFY2(templateSet.contains(lookup),
                     qPrintable(lookup.first + u": "_s + lookup.second +
                                u" is missing from the template"_s));
        }
        // And nothing stale: each template text is one the window asks for.
        QCOMPARE(ours.size(), templateSet.size());
    }

    void germanIsCompleteAndKeepsThePunctuation()
    {
        Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany));
        const auto cleanup = qScopeGuard(&removeInstalledTranslators);
        QVERIFY(!qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly).isEmpty());

        const QList<Text> texts = readTs(QStringLiteral(OVATA_TEMPLATE_TS));
        QVERIFY(!texts.isEmpty());
        for (const auto &[context, source] : texts) {
            const QString german = QCoreApplication::translate(context.toUtf8().constData(),
                                                               source.toUtf8().constData());
            QVERIFY2(german != source, qPrintable(source + u" is not translated"_s));
            for (const QChar mark : {u'—', u'…'}) {
                QCOMPARE(german.count(mark), source.count(mark));
            }
        }

        ContentView view(std::make_shared<FakeAgent>(), [] {});
        view.show();
        QTRY_VERIFY(view.defaultButton());
        QCOMPARE(view.defaultButton()->text(), u"Speichern und registrieren"_s);
    }

    void otherLanguagesFallBackToEnglish()
    {
        Translations::install(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        const auto cleanup = qScopeGuard(&removeInstalledTranslators);
        ContentView view(std::make_shared<FakeAgent>(), [] {});
        view.show();
        QTRY_VERIFY(view.defaultButton());
        QCOMPARE(view.defaultButton()->text(), u"Save and Enroll"_s);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
