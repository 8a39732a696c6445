#include "boundedcapture.h"

#include <QProcess>
#include <QStringDecoder>

namespace {

// The length of the sequence a UTF-8 lead byte starts, or 1 for anything else.
int sequenceLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

} // namespace

BoundedCapture::BoundedCapture(qsizetype limit)
    : m_limit(limit)
{}

void BoundedCapture::append(const QByteArray &chunk)
{
    const qsizetype room = m_limit - m_data.size();
    if (chunk.size() > room) {
        m_truncated = true;
    }
    if (room > 0) {
        m_data.append(chunk.left(room));
    }
}

QByteArray BoundedCapture::bytes() const
{
    if (!m_truncated) {
        return m_data;
    }
    // Drop a character the cut went through.
    qsizetype lead = m_data.size();
    for (int back = 1; back <= 3 && lead > 0; ++back) {
        --lead;
        const auto byte = static_cast<unsigned char>(m_data.at(lead));
        if ((byte & 0xC0) != 0x80) {
            if (lead + sequenceLength(byte) > m_data.size()) {
                return m_data.left(lead);
            }
            break;
        }
    }
    return m_data;
}

void captureStandardErrorUntilExit(QProcess &process, BoundedCapture &capture)
{
    process.setReadChannel(QProcess::StandardError);
    while (process.state() != QProcess::NotRunning) {
        if (!process.waitForReadyRead(-1) && process.state() != QProcess::NotRunning) {
            // The child closed its error stream but lives on.
            process.waitForFinished(50);
        }
        capture.append(process.readAllStandardError());
    }
    capture.append(process.readAllStandardError());
}

std::optional<QString> decodeUtf8Strictly(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}
