#include "app/CliRows.h"

#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "almanac/EventRow.h"
#include "almanac/MomentRange.h"
#include "app/CliProgress.h"

namespace tessaly::cli {
namespace {

// How many chunks workers may run ahead of the writer, so that a slow reader
// does not make the whole output pile up.
constexpr std::size_t kChunksAhead = 8;

struct Chunk {
  std::string text;
  std::uint64_t rows = 0;
  std::optional<std::string> message;  // the rows stop before a refused one
};

// The rows of the dates from `first` to `last`, each handed to `row` as
// soon as it is made; false from `row` stops them.
template <typename RowDone>
std::optional<std::string> rowsOfDates(const AlmanacPlan& plan, const Zone& zone,
                                       almanac::RowCalculator& calculator, const RowOutput& output,
                                       date::local_days first, date::local_days last, std::string& text,
                                       RowDone row) {
  if (plan.events) {
    almanac::EventRow event;
    for (date::local_days day = first; day <= last; day += date::days{1}) {
      if (auto message = almanac::eventRow(calculator, zone, day, plan.timeOfDay, event)) return message;
      if (event.skipped) continue;
      output.eventText(event, text);
      if (!row()) break;
    }
    return std::nullopt;
  }
  almanac::MomentRange range(zone, plan.first, plan.last, plan.timeOfDay, plan.step);
  range.narrow(range.indexOn(first), last == plan.last ? UINT64_MAX : range.indexOn(last + date::days{1}));
  LocalMoment moment;
  while (range.next(moment)) {
    if (auto message = calculator.calculate(moment)) return message;
    if (plan.namedZone) calculator.showPhasesIn(zone);
    output.momentText(calculator.fields(), text);
    if (!row()) break;
  }
  return std::nullopt;
}

std::uint64_t rowsOf(const AlmanacPlan& plan, const Zone& zone) {
  const auto days = static_cast<std::uint64_t>((plan.last - plan.first).count() + 1);
  if (plan.events) return days;
  return almanac::MomentRange(zone, plan.first, plan.last, plan.timeOfDay, plan.step).size();
}

class Workers {
 public:
  Workers(const RowsRun& run, const RowOutput& output, std::uint64_t rows)
      : run_(run), output_(output) {
    const auto days = static_cast<std::uint64_t>((run.plan.last - run.plan.first).count() + 1);
    daysPerChunk_ = std::max<std::uint64_t>(1, run.rowsPerChunk * days / std::max<std::uint64_t>(rows, 1));
    chunks_.resize(static_cast<std::size_t>((days + daysPerChunk_ - 1) / daysPerChunk_));
    for (unsigned i = 0; i < run.workers; ++i) threads_.emplace_back([this] { work(); });
  }
  ~Workers() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    changed_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  std::size_t size() const { return chunks_.size(); }

  // Waits for the chunk, the next one to write, and takes it.
  Chunk take(std::size_t index) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return chunks_[index].has_value(); });
    Chunk chunk = std::move(*chunks_[index]);
    chunks_[index].reset();
    written_ = index + 1;
    changed_.notify_all();
    return chunk;
  }

 private:
  void work() {
    const std::unique_ptr<Zone> zone = run_.zone.copy();
    almanac::RowCalculator calculator(run_.source);
    if (!run_.reads.empty()) calculator.readOnly(run_.reads);
    for (;;) {
      std::size_t index;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || next_ >= chunks_.size() || next_ < written_ + kChunksAhead; });
        if (stop_ || next_ >= chunks_.size()) return;
        index = next_++;
      }
      const date::local_days first = run_.plan.first + date::days{static_cast<std::int64_t>(index * daysPerChunk_)};
      const date::local_days last = std::min(run_.plan.last, first + date::days{static_cast<std::int64_t>(daysPerChunk_ - 1)});
      Chunk chunk;
      chunk.message = rowsOfDates(run_.plan, *zone, calculator, output_, first, last, chunk.text, [&] {
        ++chunk.rows;
        return true;
      });
      {
        const std::lock_guard lock(mutex_);
        chunks_[index] = std::move(chunk);
      }
      changed_.notify_all();
    }
  }

  const RowsRun& run_;
  const RowOutput& output_;
  std::uint64_t daysPerChunk_;
  std::vector<std::optional<Chunk>> chunks_;
  std::size_t next_ = 0, written_ = 0;
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::thread> threads_;  // last: they start once the rest is ready
};

}  // namespace

unsigned usableCores() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
}

std::optional<std::string> writeRows(const RowsRun& run, almanac::RowCalculator& calculator, RowOutput& output,
                                     std::ostream& out) {
  if (!out) return std::nullopt;
  const std::uint64_t rows = rowsOf(run.plan, run.zone);
  Progress progress(rows);
  if (rows <= run.parallelFrom || run.workers < 2 || output.paged()) {
    std::string text;
    return rowsOfDates(run.plan, run.zone, calculator, output, run.plan.first, run.plan.last, text, [&] {
      output.writeRow(text);
      text.clear();
      progress.rowDone();
      return static_cast<bool>(out);
    });
  }
  Workers workers(run, output, rows);
  for (std::size_t i = 0; i < workers.size(); ++i) {
    Chunk chunk = workers.take(i);
    output.writeRows(chunk.text);
    for (std::uint64_t r = 0; r < chunk.rows; ++r) progress.rowDone();
    if (chunk.message) return chunk.message;
    if (!out) break;
  }
  return std::nullopt;
}

}  // namespace tessaly::cli
