#include "configureerror.h"

namespace {

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

QString describe(const ConfigureError::Reason &reason)
{
    return std::visit(Overloaded{
                          [](const ConfigureError::BinaryMissing &missing) {
                              return QLatin1String("Agent binary not found at ") + missing.path +
                                     QLatin1String(". Re-install the package and try again.");
                          },
                          [](const ConfigureError::OsascriptFailed &failed) {
                              const QString &output = failed.standardError;
                              // The host's marks of a dismissed administrator dialog.
                              if (output.contains(QLatin1String("User canceled")) ||
                                  output.contains(QLatin1String("(-128)"))) {
                                  return QStringLiteral("Authorization canceled.");
                              }
                              return QLatin1String("Configuration command failed:\n") +
                                     (output.isEmpty() ? QStringLiteral("(no error output)")
                                                       : output);
                          },
                      },
                      reason);
}

} // namespace

ConfigureError::ConfigureError(Reason reason)
    : m_reason(std::move(reason))
    , m_what(describe(m_reason).toUtf8())
{}

ConfigureError ConfigureError::osascriptFailed(qint32 code, const QString &standardError)
{
    return ConfigureError(OsascriptFailed{code, standardError});
}

ConfigureError ConfigureError::binaryMissing(const QString &path)
{
    return ConfigureError(BinaryMissing{path});
}

QString ConfigureError::errorDescription() const
{
    return describe(m_reason);
}

const char *ConfigureError::what() const noexcept
{
    return m_what.constData();
}

MessageError::MessageError(const QString &message)
    : std::runtime_error(message.toStdString())
{}

QString MessageError::message() const
{
    return QString::fromStdString(what());
}
