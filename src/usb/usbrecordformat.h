#pragma once

#include "platform/taskrecordlayout.h"

// The record of "usb\quest\usb_les.dat", written by the content tool and read
// by the USB packet exercise: 506 bytes.
//   0        not used (0)
//   1..500   task text, Windows-1251, up to the first zero byte
//   501      token PID       502 device address (7 bits)    503 endpoint (4 bits)
//   504      data PID        505 data byte
struct UsbRecordFormat : TaskRecordLayout<506, 500> {
    // One byte each, in this order.
    enum Offset : int { kPidOffset = kAnswerOffset, kAddressOffset, kEndpointOffset, kDataPidOffset, kDataOffset };

    static constexpr int kAddressBits = 7;
    static constexpr int kEndpointBits = 4;
    static constexpr int kMaxAddress = (1 << kAddressBits) - 1;
    static constexpr int kMaxEndpoint = (1 << kEndpointBits) - 1;
};
