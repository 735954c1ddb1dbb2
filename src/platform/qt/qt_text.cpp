#include "platform/qt/qt_text.h"

#include <QStringDecoder>

namespace platform::qt {

QString ToQString(const std::string& text) {
    bool ascii = true;
    for (unsigned char c : text)
        if (c >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString result = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError())
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return result;
}

std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace platform::qt
