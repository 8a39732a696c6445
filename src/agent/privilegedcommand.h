// The one text that crosses into the privileged world: the agent's configure
// command line, each value quoted as one POSIX shell word. The root helper
// reads back exactly this form.
#pragma once

#include <QString>
#include <QStringList>

namespace PrivilegedCommand {

// One shell word: every ' becomes '\'' and the whole is put in single quotes.
QString shellQuoted(const QString &text);

// The eight words: the four values quoted, the flags bare.
QStringList configureWords(const QString &agentPath, const QString &token, const QString &baseURL,
                           const QString &upnOverride);

// The words joined by single blanks.
QString configureCommandLine(const QString &agentPath, const QString &token, const QString &baseURL,
                             const QString &upnOverride);

} // namespace PrivilegedCommand
