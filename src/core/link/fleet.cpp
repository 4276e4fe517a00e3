// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/fleet.h"

#include <algorithm>
#include <chrono>

#include "core/codec/digit_codes.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/schema/schema.h"

namespace cps {

namespace {
constexpr long long kHighestRadioId = 8999999;
}

Result<std::vector<std::string>> FleetRadioIds(long long first, std::size_t count) {
  const long long last = first + static_cast<long long>(count) - 1;
  if (first < 1 || last > kHighestRadioId)
    return Error{"radio ids " + std::to_string(first) + " to " + std::to_string(last) +
                 " do not fit: a dPMR radio id lies between 1 and 8999999"};
  std::vector<std::string> ids;
  for (long long id = first; id <= last; ++id) {
    const std::string text = FitText(std::to_string(id), '0', 7, true);
    if (!IsValidSevenDigitId(text))
      return Error{"radio id " + text + " is not a valid dPMR ID (the radio would get 0000001): choose another range"};
    ids.push_back(text);
  }
  return ids;
}

Status GiveRadioId(RadioImage& image, const std::string& id) {
  // Only the id field's own rule: its leave rule on the text, then its save.
  // Opening and closing the whole page would also apply the page's other
  // rules to values the file holds out of range.
  const PageSchema& page = DpmrBasicPageSchema();
  const auto field = std::find_if(page.fields.begin(), page.fields.end(),
                                  [](const Field& f) { return f.key == "radio_id"; });
  if (field == page.fields.end()) return Error{"the dPMR page has no radio id"};
  const std::string stored = field->onLeave ? field->onLeave(id) : id;
  if (stored != id) return Error{"radio id " + id + " is stored as " + stored};
  RadioImage edited = image;
  field->save(edited, ControlValue::Text(id));
  if (field->load(edited).text != id) return Error{"radio id " + id + " is stored as " + field->load(edited).text};
  image = edited;
  return Status::Ok();
}

TransferFleet::~TransferFleet() {
  Cancel();
  Join();
}

bool TransferFleet::Start(TransferDirection direction, const std::vector<FleetRadio>& radios,
                          TransferOptions options, Callbacks callbacks) {
  if (Busy()) return false;
  Join();
  workers_.clear();
  {
    std::lock_guard lock(mutex_);
    outcomes_.assign(radios.size(), {});
  }
  cancel_ = false;
  for (std::size_t i = 0; i < radios.size(); ++i) workers_.push_back(std::make_unique<TransferWorker>());
  for (std::size_t i = 0; i < radios.size(); ++i) {
    TransferCallbacks each;
    if (callbacks.portOpened) each.portOpened = [cb = callbacks.portOpened, i] { cb(i); };
    if (callbacks.progress) each.progress = [cb = callbacks.progress, i](int p) { cb(i, p); };
    if (callbacks.verifying) each.verifying = [cb = callbacks.verifying, i] { cb(i); };
    if (callbacks.readCompleted)
      each.readCompleted = [cb = callbacks.readCompleted, i](const RadioImage& read) { cb(i, read); };
    auto started = std::make_shared<std::chrono::steady_clock::time_point>();
    TransferWorker::Job job = [this, port = radios[i].port, direction, each, options, started](
                                  RadioImage& image, const std::atomic<bool>&) {
      *started = std::chrono::steady_clock::now();
      // One flag for the whole fleet: a "Stop" before a radio's worker has
      // started still reaches it.
      return RunTransfer(openPort_, port, baud_, direction, image, cancel_, each, options);
    };
    auto finished = [this, i, started, done = callbacks.finished](const TransferResult& r) {
      FleetOutcome o;
      o.result = r;
      o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - *started).count();
      o.finished = true;
      {
        std::lock_guard lock(mutex_);
        outcomes_[i] = o;
      }
      if (done) done(i, o);
    };
    workers_[i]->Start(radios[i].image, std::move(job), std::move(finished));
  }
  return true;
}

void TransferFleet::Cancel() { cancel_ = true; }

bool TransferFleet::Busy() const {
  for (const auto& w : workers_)
    if (w->Busy()) return true;
  return false;
}

void TransferFleet::Join() {
  for (auto& w : workers_) w->Join();
}

std::vector<FleetOutcome> TransferFleet::outcomes() const {
  std::lock_guard lock(mutex_);
  return outcomes_;
}

}  // namespace cps
