// Window texts are looked up for translation, every one of them is in the
// template and translated, and the run-time message never is.
#include "configstate.h"
#include "configureerror.h"
#include "contentview.h"
#include "fakeagent.h"
#include "translations.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <system_error>

using namespace Qt::StringLiterals;

namespace {

// Answers nothing, notes every lookup of ours.
class RecordingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (context[0] != 'Q') {
            lookups.insert(QString::fromUtf8(context) + u'|' + QString::fromUtf8(source));
        }
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> lookups;
};

QSet<QString> templateTexts()
{
    QFile file(QStringLiteral(OVATA_TEMPLATE_TS));
    file.open(QIODevice::ReadOnly);
    QSet<QString> texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"source"_s) {
            texts.insert(context + u'|' + xml.readElementText());
        } else if (!xml.isStartElement()) {
            xml.readNext();
        }
    }
    return texts;
}

// Every failure the application words itself, made as a run would make it.
void makeEveryOwnErrorText()
{
    using namespace HostOutcome;
    using Value = ConfigureError::ValueUnsendable;
    QList<ConfigureError::Reason> reasons{CommandFailed{{true, 9}, {}}, PromptDismissed{},
                                          NotAuthorized{}, ConfigureError::FolderUnnamed{}};
    for (const auto why :
         {PromptUnavailable::Why::NoAuthenticationAgent, PromptUnavailable::Why::PolkitUnreachable,
          PromptUnavailable::Why::PkexecNotSetuid, PromptUnavailable::Why::PkexecMissing,
          PromptUnavailable::Why::HelperMissing, PromptUnavailable::Why::HelperRefused}) {
        reasons.append(PromptUnavailable{why, {}});
    }
    for (const auto field :
         {Value::Field::Token, Value::Field::BaseURL, Value::Field::UpnOverride}) {
        for (const auto why : {Value::Why::HoldsNul, Value::Why::TooLong}) {
            reasons.append(Value{field, why});
        }
    }
    for (const auto &reason : reasons) {
        ConfigureError error(reason);
        Q_UNUSED(error);
    }
    ConfigureError::binaryMissing(u"/x"_s);
    // The system scripting host's texts read as macOS has them, untranslated.
    ConfigureError{ConfigureError::OsascriptFailed{1, {}}};
    // The state's own: a blank token, a failure without words, no thread.
    const auto agent = std::make_shared<FakeAgent>();
    agent->setFailure([] { throw 0; });
    const auto noThread = [](BackgroundJobs::Job) {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    for (const auto &state : {ConfigState::create(agent), ConfigState::create(agent, noThread)}) {
        state->submit();
        state->setToken(u"T"_s);
        state->submit();
    }
    BackgroundJobs::waitForAll();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowTextIsTranslated()
    {
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        {
            ContentView view(std::make_shared<FakeAgent>(), [] {});
            ContentView::tr("Ovata Device Agent — Configuration"); // the window title
            view.show();
            QTRY_VERIFY(view.defaultButton());
            const ConfigState::Phase phases[] = {
                ConfigState::Checking{}, ConfigState::AlreadyConfigured{},
                ConfigState::Submitting{}, ConfigState::Success{},
                ConfigState::Failure{u"Failure %1 <b>message</b>"_s}};
            for (const ConfigState::Phase &phase : phases) {
                view.state().setPhase(phase);
                QCoreApplication::processEvents();
            }
            view.state().setPhase(ConfigState::Submitting{});
            QCoreApplication::processEvents();
            view.close(); // asked to close while saving: it says why it stays
            ContentView mac(
                std::make_shared<FakeAgent>(), [] {}, DesktopConventions::macOS());
            mac.state().setPhase(ConfigState::AlreadyConfigured{});
            QCoreApplication::processEvents();
        }
        makeEveryOwnErrorText();
        QCoreApplication::removeTranslator(&recorder);
        // Exactly the template's texts, and never the run-time message.
        QCOMPARE(recorder.lookups, templateTexts());

        Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany));
        for (const QString &text : templateTexts()) {
            const QString context = text.section(u'|', 0, 0);
            const QString source = text.section(u'|', 1);
            const QString german = QCoreApplication::translate(context.toUtf8().constData(),
                                                               source.toUtf8().constData());
            QVERIFY2(german != source, qPrintable(source + u" is not translated"_s));
            for (const QChar mark : {u'—', u'…'}) {
                QCOMPARE(german.count(mark), source.count(mark));
            }
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
