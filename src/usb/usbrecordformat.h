#pragma once

// The record of "usb\quest\usb_les.dat", written by the content tool and read
// by the USB packet exercise: 506 bytes.
//   0        not used (0)
//   1..500   task text, Windows-1251, up to the first zero byte
//   501      token PID       502 device address (7 bits)    503 endpoint (4 bits)
//   504      data PID        505 data byte
namespace UsbRecordFormat {

constexpr int kSize = 506;
constexpr int kTextOffset = 1;
constexpr int kTextLength = 500;
constexpr int kPidOffset = 501;
constexpr int kAddressOffset = 502;
constexpr int kEndpointOffset = 503;
constexpr int kDataPidOffset = 504;
constexpr int kDataOffset = 505;

constexpr int kAddressBits = 7;
constexpr int kEndpointBits = 4;
constexpr int kMaxAddress = (1 << kAddressBits) - 1;
constexpr int kMaxEndpoint = (1 << kEndpointBits) - 1;

} // namespace UsbRecordFormat
