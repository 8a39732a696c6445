#include "agent/strictutf8.h"

#include <QStringDecoder>

std::optional<QString> decodeUtf8Strictly(const QByteArray &bytes)
{
    // Stateless: an unfinished sequence at the end is an error, not kept
    // for a next chunk that never comes.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}
