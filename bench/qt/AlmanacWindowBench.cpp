// The almanac window on screen, offscreen: opening it on a month, turning
// to the next month, and drawing the day chart and the sky path, each down
// to its pixels.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "qt/AlmanacWindow.h"
#include "qt/MainWindowView.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "tessaly_window_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

// The window as the program starts it, without a settings file of the
// user's: the place is the window's initial one.
struct Window : HeadlessForm {
  qtview::MainWindowView view{form};
  Window() {
    clock.set(6, 12, 2026, 21, 30, 0);
    form.Form_Load();
    view.show();
  }
  // In the main window or in the almanac's, a window of its own.
  template <typename T>
  T* find(const char* name) const {
    if (T* found = view.findChild<T*>(name)) return found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() != "AlmanacWindow") continue;
      if (auto* itself = qobject_cast<T*>(window); itself && window->objectName() == name) return itself;
      if (T* found = window->findChild<T*>(name)) return found;
    }
    return nullptr;
  }
};

void BM_OpenOnMonth(benchmark::State& state) {
  application();
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<Window>();
    state.ResumeTiming();
    window->find<QAction>("meMonthTable")->trigger();
    benchmark::DoNotOptimize(window->find<QWidget>("AlmanacWindow")->grab());
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenOnMonth)->Unit(benchmark::kMillisecond);

void BM_NextMonth(benchmark::State& state) {
  application();
  Window window;
  window.find<QAction>("meMonthTable")->trigger();
  auto* next = window.find<QPushButton>("NextMonth");
  auto* table = window.find<QTableWidget>("MonthTable");
  for (auto _ : state) {
    next->click();
    benchmark::DoNotOptimize(table->grab());
  }
}
BENCHMARK(BM_NextMonth)->Unit(benchmark::kMillisecond);

// One drawing of a widget of the day tab, the day chart or the sky path.
void BM_DrawDayWidget(benchmark::State& state, const char* name) {
  application();
  Window window;
  window.find<QAction>("meDayChart")->trigger();
  auto* widget = window.find<QWidget>(name);
  for (auto _ : state) benchmark::DoNotOptimize(widget->grab());
}
BENCHMARK_CAPTURE(BM_DrawDayWidget, DayChart, "DayChart")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawDayWidget, SkyPath, "SkyPath")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly
