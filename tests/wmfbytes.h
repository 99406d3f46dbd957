#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QtEndian>

// Builds Windows metafiles record by record for the player's tests, damaged
// ones included: every field is written as given.
class WmfBytes {
public:
    // A placeable metafile with the given frame and units per inch.
    explicit WmfBytes(const QRect &frame = QRect(0, 0, 100, 100), int unitsPerInch = 96, int objects = 16)
        : m_frame(frame)
        , m_inch(unitsPerInch)
        , m_objects(objects)
    {}
    static WmfBytes withoutPlaceableHeader(int objects = 16)
    {
        WmfBytes bytes(QRect(), 0, objects);
        bytes.m_placeable = false;
        return bytes;
    }

    WmfBytes &record(quint16 function, const QList<int> &words)
    {
        put32(m_records, quint32(3 + words.size()));
        put16(m_records, function);
        for (int word : words)
            put16(m_records, quint16(word));
        return *this;
    }
    // A record whose size field claims sizeWords, followed by the given words.
    WmfBytes &rawRecord(quint32 sizeWords, quint16 function, const QList<int> &words)
    {
        put32(m_records, sizeWords);
        put16(m_records, function);
        for (int word : words)
            put16(m_records, quint16(word));
        return *this;
    }
    static QList<int> text(const QByteArray &bytes)
    {
        QList<int> words;
        for (qsizetype i = 0; i < bytes.size(); i += 2)
            words.append(quint8(bytes[i]) | (i + 1 < bytes.size() ? quint8(bytes[i + 1]) << 8 : 0));
        return words;
    }
    static QList<int> color(int r, int g, int b) { return {r | (g << 8), b}; }

    // Common records, parameters in the order the format stores them.
    WmfBytes &pen(int style, int width, QList<int> rgb) { return record(0x02FA, QList<int>{style, width, 0} + rgb); }
    WmfBytes &brush(int style, QList<int> rgb, int hatch = 0)
    {
        return record(0x02FC, QList<int>{style} + rgb + QList<int>{hatch});
    }
    WmfBytes &select(int slot) { return record(0x012D, {slot}); }
    WmfBytes &remove(int slot) { return record(0x01F0, {slot}); }
    WmfBytes &rectangle(int left, int top, int right, int bottom) { return record(0x041B, {bottom, right, top, left}); }

    QByteArray bytes(bool endOfFile = true) const
    {
        QByteArray out;
        if (m_placeable) {
            QByteArray head;
            put32(head, 0x9AC6CDD7);
            put16(head, 0);
            put16(head, quint16(m_frame.left()));
            put16(head, quint16(m_frame.top()));
            put16(head, quint16(m_frame.left() + m_frame.width()));
            put16(head, quint16(m_frame.top() + m_frame.height()));
            put16(head, quint16(m_inch));
            put32(head, 0);
            quint16 sum = 0;
            for (int i = 0; i < 10; ++i)
                sum ^= qFromLittleEndian<quint16>(head.constData() + 2 * i);
            put16(head, sum);
            out += head;
        }
        QByteArray records = m_records;
        if (endOfFile) {
            put32(records, 3);
            put16(records, 0);
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x0300);
        put32(out, quint32(9 + records.size() / 2));
        put16(out, quint16(m_objects));
        put32(out, 0);
        put16(out, 0);
        return out + records;
    }

private:
    static void put16(QByteArray &out, quint16 value)
    {
        out.append(char(value & 0xFF));
        out.append(char(value >> 8));
    }
    static void put32(QByteArray &out, quint32 value)
    {
        put16(out, quint16(value & 0xFFFF));
        put16(out, quint16(value >> 16));
    }

    QRect m_frame;
    int m_inch;
    int m_objects;
    bool m_placeable = true;
    QByteArray m_records;
};
