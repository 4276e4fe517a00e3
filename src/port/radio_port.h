// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real serial port: OpenRadioPort over QSerialPort, and the list of
// serial devices for the port dialog.
#include <memory>
#include <string>
#include <vector>

#include "core/base/result.h"
#include "core/link/serial_port.h"
#include "port/low_latency.h"

namespace cps {

// Opens `name` for one exchange: read and write, exclusive, 8 data bits, no
// parity, one stop bit, `baud`, the link's read time-outs. Only the open is
// checked; the error is the reason to show under "Cound not open the port."
// (no such device, in use by another program, or no permission, with the
// hint about the device's group). Usable from any thread; the port belongs
// to the calling thread.
// On a USB serial adapter the port also asks for low latency while it is
// open (see low_latency.h).
Result<std::unique_ptr<SerialPort>> OpenRadioPort(const std::string& name, int baud);
// The same with another access to the driver's serial flags (tests).
Result<std::unique_ptr<SerialPort>> OpenRadioPortWith(const std::string& name, int baud,
                                                      const SerialFlagAccess& flags);

// Whether `name` opens now (opened and closed at once, not configured).
bool CanOpenPort(const std::string& name);
// Why `name` does not open now, as OpenRadioPort would say it (busy, no
// permission with the advice that would help, no such device); empty when
// it opens.
std::string PortOpenProblem(const std::string& name);

struct SerialDevice {
  std::string path;         // "/dev/ttyUSB0", or "COM3" on Windows
  std::string description;  // e.g. the USB adapter's name; may be empty
};
// The serial devices the system knows, sorted by path.
std::vector<SerialDevice> ListSerialDevices();

}  // namespace cps
