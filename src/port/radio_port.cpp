// SPDX-License-Identifier: GPL-3.0-or-later
#include "port/radio_port.h"

#include "core/link/port_access.h"
#include "core/link/timed_read.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace cps {

namespace {

QString SystemName(const std::string& name) { return QString::fromStdString(name); }

#if defined(Q_OS_UNIX)
// The device's owner, group and mode, and what the account has of them.
std::optional<DeviceAccess> AccessOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  DeviceAccess a;
  a.mode = st.st_mode & 07777;
  if (const passwd* pw = ::getpwuid(st.st_uid)) a.owner = pw->pw_name;
  else a.owner = std::to_string(st.st_uid);
  if (const group* g = ::getgrgid(st.st_gid)) a.group = g->gr_name;
  a.userIsOwner = ::geteuid() == st.st_uid;
  std::vector<gid_t> session(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
  const int n = ::getgroups(static_cast<int>(session.size()), session.data());
  session.resize(static_cast<std::size_t>(std::max(n, 0)));
  a.sessionHasGroup = ::getegid() == st.st_gid || std::find(session.begin(), session.end(), st.st_gid) != session.end();
  a.userInGroup = a.sessionHasGroup;
  if (const passwd* me = ::getpwuid(::geteuid())) {
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(me->pw_name, me->pw_gid, groups.data(), &count) < 0) {
      groups.resize(static_cast<std::size_t>(count));
      ::getgrouplist(me->pw_name, me->pw_gid, groups.data(), &count);
    }
    groups.resize(static_cast<std::size_t>(std::max(count, 0)));
    if (std::find(groups.begin(), groups.end(), st.st_gid) != groups.end()) a.userInGroup = true;
  }
  return a;
}
#endif

std::string OpenFailureReason(const std::string& name, QSerialPort::SerialPortError error, const QString& text) {
  if (name.empty()) return "No port is chosen (Setting, Port).";
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return "The port " + name + " does not exist (no such device).";
    case QSerialPort::PermissionError: {
#if defined(Q_OS_UNIX)
      // Qt reports a busy port and a forbidden one alike; the file's access
      // rights tell them apart.
      if (::access(name.c_str(), R_OK | W_OK) != 0) {
        if (const auto access = AccessOf(name)) return PermissionAdvice(name, *access);
        return "Permission denied for " + name + ".";
      }
#endif
      return "The port " + name + " is busy: another program is using it.";
    }
    case QSerialPort::OpenError:
      return "The port " + name + " is already open in this program.";
    default:
      return "The port " + name + " cannot be opened: " + text.toStdString();
  }
}

class QtRadioPort : public SerialPort, private ByteSource {
 public:
  QtRadioPort(std::unique_ptr<QSerialPort> port, const SerialFlagAccess& flags) : port_(std::move(port)) {
    clock_.start();
#if defined(Q_OS_UNIX)
    lowLatency_.emplace(static_cast<int>(port_->handle()), flags);
#else
    (void)flags;
#endif
  }
  ~QtRadioPort() override {
    Drain(200);
    lowLatency_.reset();  // the old flags go back before the port closes
    port_->close();
  }

  void SetReadTimeouts(const ReadTimeouts& timeouts) override { timeouts_ = timeouts; }

  void DiscardInput() override {
    // Output first leaves the port; only then the input is thrown away
    // (clearing the output too would lose bytes not yet on the line).
    Drain(WriteTimeoutMs(port_->bytesToWrite()));
#if defined(Q_OS_UNIX)
    ::tcdrain(static_cast<int>(port_->handle()));
#endif
    port_->clear(QSerialPort::Input);
  }

  bool Write(std::span<const std::uint8_t> bytes) override {
    const qint64 n = port_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size())) return false;
    return Drain(WriteTimeoutMs(port_->bytesToWrite()));
  }

  std::size_t Read(std::uint8_t* out, std::size_t n) override { return ReadWithTimeouts(*this, out, n, timeouts_); }

  void Pause(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  std::string FailureText() const override {
    const QSerialPort::SerialPortError e = port_->error();
    if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError) return {};
    return port_->errorString().toStdString();
  }
  std::string LowLatencyText() const override {
    return lowLatency_ ? lowLatency_->text() : SerialPort::LowLatencyText();
  }

 private:
  long long TakeArrived(std::uint8_t* out, std::size_t n) override {
    const qint64 r = port_->read(reinterpret_cast<char*>(out), static_cast<qint64>(n));
    // A port that failed (an adapter pulled out) ends the read at once.
    if (r == 0 && port_->error() != QSerialPort::NoError && port_->error() != QSerialPort::TimeoutError) return -1;
    return r;
  }
  void WaitForBytes(int ms) override { port_->waitForReadyRead(ms); }
  long long NowMs() override { return clock_.elapsed(); }

  // The write time-outs: 50 ms per byte plus 50 ms.
  static int WriteTimeoutMs(qint64 bytes) { return static_cast<int>(50 * bytes + 50); }
  bool Drain(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (port_->bytesToWrite() > 0) {
      const qint64 left = timeoutMs - clock.elapsed();
      if (left <= 0 || !port_->waitForBytesWritten(static_cast<int>(left))) return port_->bytesToWrite() == 0;
    }
    return true;
  }

  std::unique_ptr<QSerialPort> port_;
  ReadTimeouts timeouts_;
  QElapsedTimer clock_;
  std::optional<LowLatencyRequest> lowLatency_;
};

}  // namespace

Result<std::unique_ptr<SerialPort>> OpenRadioPort(const std::string& name, int baud) {
  return OpenRadioPortWith(name, baud, SystemSerialFlags());
}

Result<std::unique_ptr<SerialPort>> OpenRadioPortWith(const std::string& name, int baud,
                                                      const SerialFlagAccess& flags) {
  if (name.empty()) return Error{OpenFailureReason(name, QSerialPort::DeviceNotFoundError, {})};
  // The port only blocks (waitFor...), but Qt wants an event dispatcher in
  // the thread that opens it; a plain worker thread gets one here.
  if (QCoreApplication::instance() && !QAbstractEventDispatcher::instance()) QEventLoop ensureDispatcher;
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(SystemName(name));
  if (!port->open(QIODevice::ReadWrite)) return Error{OpenFailureReason(name, port->error(), port->errorString())};
  // Only the open is checked: a port that takes no configuration shows up
  // as a communication error later. (Qt has no driver queue sizes.)
  port->setBaudRate(baud);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  auto radioPort = std::make_unique<QtRadioPort>(std::move(port), flags);
  radioPort->SetReadTimeouts(ReadTimeouts{});
  return std::unique_ptr<SerialPort>(std::move(radioPort));
}

bool CanOpenPort(const std::string& name) { return PortOpenProblem(name).empty(); }

std::string PortOpenProblem(const std::string& name) {
  if (name.empty()) return OpenFailureReason(name, QSerialPort::DeviceNotFoundError, {});
  QSerialPort port;
  port.setPortName(SystemName(name));
  if (!port.open(QIODevice::ReadWrite)) return OpenFailureReason(name, port.error(), port.errorString());
  port.close();
  return {};
}

std::vector<SerialDevice> ListSerialDevices() {
  std::vector<SerialDevice> devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#if defined(Q_OS_WIN)
    const QString path = info.portName();
#else
    const QString path = info.systemLocation();
#endif
    QString description = info.description();
    if (!info.manufacturer().isEmpty() && !description.contains(info.manufacturer()))
      description = info.manufacturer() + " " + description;
    devices.push_back({path.toStdString(), description.trimmed().toStdString()});
  }
  std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) { return a.path < b.path; });
  return devices;
}

}  // namespace cps
