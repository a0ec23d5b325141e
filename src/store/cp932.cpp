// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/cp932.h"

#include "store/errors.h"

#include <memory>
#include <unicode/ucnv.h>

namespace k9::cp932 {
namespace {

struct ConverterDeleter {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterDeleter>;

// One converter per thread; ICU converters are stateful and not shareable.
UConverter* converter(bool strict) {
    thread_local Converter strictConv;
    thread_local Converter lenientConv;
    Converter& slot = strict ? strictConv : lenientConv;
    if (!slot) {
        UErrorCode err = U_ZERO_ERROR;
        slot.reset(ucnv_open("windows-31j", &err));
        if (U_FAILURE(err) || !slot)
            throw EncodingError(QStringLiteral("文字コード変換(CP932)を準備できません。"));
        // The yen sign U+00A5 and similar characters map to their CP932 look-alikes.
        ucnv_setFallback(slot.get(), true);
        if (strict) {
            ucnv_setFromUCallBack(slot.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
            ucnv_setToUCallBack(slot.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &err);
        }
    }
    ucnv_reset(slot.get());
    return slot.get();
}

bool isAsciiOnly(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

int charWidth(char32_t cp) {
    if (cp < 0x80)
        return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F)
        return 1; // half-width katakana
    if (cp == 0xA5 || cp == 0x203E)
        return 1; // yen sign and overline map to single bytes
    return 2;
}

} // namespace

QByteArray encode(const QString& text) {
    if (isAsciiOnly(text))
        return text.toLatin1();
    QString bad;
    if (!canEncode(text, &bad))
        throw EncodingError(unencodableMessage(bad));
    UConverter* conv = converter(true);
    UErrorCode err = U_ZERO_ERROR;
    QByteArray out(text.size() * 2 + 4, Qt::Uninitialized);
    int32_t n = ucnv_fromUChars(conv, out.data(), out.size(), reinterpret_cast<const UChar*>(text.utf16()),
                                text.size(), &err);
    if (U_FAILURE(err))
        throw EncodingError(unencodableMessage(bad));
    out.resize(n);
    return out;
}

QString decode(const QByteArray& bytes) {
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    UConverter* conv = converter(false);
    UErrorCode err = U_ZERO_ERROR;
    QString out(bytes.size() + 2, Qt::Uninitialized);
    int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), out.size(), bytes.constData(),
                              bytes.size(), &err);
    if (U_FAILURE(err))
        return QString::fromLocal8Bit(bytes);
    out.resize(n);
    return out;
}

bool canEncode(const QString& text, QString* bad) {
    if (isAsciiOnly(text))
        return true;
    UConverter* conv = converter(true);
    char buf[8];
    const auto ucs4 = text.toUcs4();
    for (char32_t cp : ucs4) {
        if (cp < 0x80)
            continue;
        QString one = QString::fromUcs4(&cp, 1);
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(conv);
        ucnv_fromUChars(conv, buf, sizeof buf, reinterpret_cast<const UChar*>(one.utf16()), one.size(), &err);
        if (U_FAILURE(err)) {
            if (bad)
                *bad = one;
            return false;
        }
    }
    return true;
}

int byteWidth(const QString& text) {
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        width += charWidth(cp);
    }
    return width;
}

QString truncate(const QString& text, int maxBytes) {
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        qsizetype len = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            len = 2;
        }
        width += charWidth(cp);
        if (width > maxBytes)
            return text.left(i);
        i += len - 1;
    }
    return text;
}

QString unencodableMessage(const QString& badCharacter) {
    return QStringLiteral("「%1」はこのシステムで扱えない文字です。別の文字に置き換えてください。").arg(badCharacter);
}

} // namespace k9::cp932
