#pragma once

#include <QGroupBox>

class PcTimer;
class QCheckBox;
class QLabel;
class QLineEdit;

// One channel of the timer: its control word with every field decoded, its
// count, GATE, the latch and read commands, and what the counter holds now.
class ChannelPanel : public QGroupBox {
    Q_OBJECT
public:
    ChannelPanel(PcTimer &timer, int channel, QWidget *parent = nullptr);

    // Shows the counter's present state; called after every change of the timer.
    void refresh();

    // Writes the typed control word to 43h; false (with a message) when it is not a byte.
    bool writeControlWord();
    // Writes the typed count in the bytes the channel's format asks for.
    bool loadCount();
    void latch();
    void readByte();

    // The bytes a count takes in the channel's present format (LSB, MSB or both).
    static QList<uint8_t> countBytes(int count, int access, bool bcd);

Q_SIGNALS:
    // A port access in the lab's notation ("OUT 43h, 36h", "IN 40h -> 12h"), or a warning.
    void logged(const QString &line);
    void timerChanged();

private:
    void decodeTyped();

    PcTimer &m_timer;
    int m_channel;
    QLineEdit *m_controlEdit;
    QLabel *m_decoded;
    QLineEdit *m_countEdit;
    QCheckBox *m_gate;
    QLabel *m_state;
    QLabel *m_readResult;
};
