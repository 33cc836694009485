#include "wave_check.h"

#include <QFile>
#include <QtEndian>

namespace platform {

namespace {

quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }

}  // namespace

bool isPlayablePcmWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    char head[12];
    if (file.read(head, 12) != 12 || qstrncmp(head, "RIFF", 4) != 0 || qstrncmp(head + 8, "WAVE", 4) != 0)
        return false;
    bool pcmFormat = false;
    // Walk the chunks up to the samples; a sane file has only a few before them.
    for (int chunk = 0; chunk < 32; ++chunk) {
        char header[8];
        if (file.read(header, 8) != 8)
            return false;
        const quint32 length = le32(header + 4);
        const qint64 body = file.pos();
        if (body + length > size)
            return false;  // cut short
        if (qstrncmp(header, "fmt ", 4) == 0) {
            char fmt[16];
            if (length < 16 || file.read(fmt, 16) != 16)
                return false;
            const quint16 tag = le16(fmt), channels = le16(fmt + 2), bits = le16(fmt + 14);
            const quint32 rate = le32(fmt + 4);
            pcmFormat = tag == 1 && channels >= 1 && channels <= 2 && (bits == 8 || bits == 16)
                        && rate >= 8000 && rate <= 192000;
        } else if (qstrncmp(header, "data", 4) == 0) {
            return pcmFormat && length > 0;
        }
        if (!file.seek(body + length + (length & 1)))
            return false;
    }
    return false;
}

}  // namespace platform
