// SPDX-FileCopyrightText: 2026 Ka ludnik team
// SPDX-License-Identifier: MIT
#include "gifwriter.h"

#include "bytes.h"

#include <algorithm>
#include <vector>

namespace pictures {
namespace {

constexpr int maxCodes = 4096; // GIF codes are at most 12 bits wide

// Packs codes of varying width, least significant bit first, as GIF wants them.
class BitWriter {
public:
    void put(int code, int width)
    {
        m_pending |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_pending & 0xff));
            m_pending >>= 8;
            m_count -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_pending & 0xff));
        m_pending = 0;
        m_count = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_pending = 0;
    int m_count = 0;
};

// Plain LZW as GIF decoders expect it: starts with a clear code, widens codes exactly when the
// decoder will, and starts over with a clear code before the table would overflow.
class LzwEncoder {
public:
    explicit LzwEncoder(int minCodeSize)
        : m_minCodeSize(minCodeSize), m_clear(1 << minCodeSize), m_end(m_clear + 1),
          m_next(std::size_t(maxCodes) * std::size_t(m_clear))
    {
    }

    QByteArray encode(const uchar *symbols, qsizetype count)
    {
        reset();
        writeCode(m_clear);
        if (count > 0) {
            int prefix = symbols[0];
            for (qsizetype i = 1; i < count; ++i) {
                const int symbol = symbols[i];
                quint16 &extended = m_next[std::size_t(prefix) * m_clear + symbol];
                if (extended != 0) {
                    prefix = extended;
                    continue;
                }
                writeCode(prefix);
                // Like giflib, never hand out code 4095: some decoders choke on a full table.
                if (m_nextCode < maxCodes - 1) {
                    extended = quint16(m_nextCode++);
                } else {
                    writeCode(m_clear);
                    reset();
                }
                prefix = symbol;
            }
            writeCode(prefix);
        }
        writeCode(m_end);
        return m_bits.finish();
    }

private:
    void reset()
    {
        std::fill(m_next.begin(), m_next.end(), quint16(0));
        m_width = m_minCodeSize + 1;
        m_nextCode = m_end + 1;
    }

    // The decoder adds a table entry for every code it reads after the first, one step behind
    // us, so the width grows once the entries added before this code fill the current width.
    void writeCode(int code)
    {
        m_bits.put(code, m_width);
        if (m_nextCode >= (1 << m_width) && m_width < 12)
            ++m_width;
    }

    const int m_minCodeSize;
    const int m_clear;
    const int m_end;
    std::vector<quint16> m_next; // code of prefix + symbol, 0 while unknown
    int m_width = 0;
    int m_nextCode = 0;
    BitWriter m_bits;
};

} // namespace

QByteArray encodeGif(const QImage &image, int transparentIndex)
{
    if (image.format() != QImage::Format_Indexed8 || image.isNull())
        return {};
    const QList<QRgb> colours = image.colorTable();
    if (colours.isEmpty() || colours.size() > 256 || transparentIndex >= colours.size())
        return {};

    int paletteBits = 1;
    while ((1 << paletteBits) < colours.size())
        ++paletteBits;

    QByteArray out("GIF89a");
    putLe16(out, quint32(image.width()));
    putLe16(out, quint32(image.height()));
    // Global palette present, its size and the colour resolution both as paletteBits.
    out.append(char(0x80 | ((paletteBits - 1) << 4) | (paletteBits - 1)));
    out.append(char(0)); // background colour index
    out.append(char(0)); // no pixel aspect ratio
    for (int i = 0; i < (1 << paletteBits); ++i) {
        const QRgb colour = i < colours.size() ? colours.at(i) : qRgb(0, 0, 0);
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }

    if (transparentIndex >= 0) {
        out.append(char(0x21)); // extension
        out.append(char(0xf9)); // graphic control
        out.append(char(4));
        out.append(char(0x01)); // no disposal, no user input, transparent colour given
        putLe16(out, 0);        // no delay
        out.append(char(transparentIndex));
        out.append(char(0));
    }

    out.append(char(0x2c)); // image descriptor
    putLe16(out, 0);
    putLe16(out, 0);
    putLe16(out, quint32(image.width()));
    putLe16(out, quint32(image.height()));
    out.append(char(0)); // no local palette, not interlaced

    QByteArray indices;
    indices.reserve(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        indices.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width());

    // Codes start one bit wider than the palette index, but GIF forbids fewer than 2 bits.
    const int minCodeSize = std::max(2, paletteBits);
    out.append(char(minCodeSize));
    const QByteArray data =
        LzwEncoder(minCodeSize)
            .encode(reinterpret_cast<const uchar *>(indices.constData()), indices.size());
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.mid(at, length));
    }
    out.append(char(0)); // end of image data
    out.append(char(0x3b));
    return out;
}

} // namespace pictures
