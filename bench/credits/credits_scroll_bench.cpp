// What the credits page costs while its roll scrolls: the process's CPU time over a stretch of
// scrolling offscreen, as a share of one core, and the pace the roll actually kept.
//   credits_scroll_bench [SECONDS]   (10 unless given; each layout in turn)
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "pages/credits_dlg.h"
#include "platform/screen.h"

namespace {

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double WallSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Measure(int screenWidth, int seconds) {
  platform::setScreenWidthOverride(screenWidth);
  TCreditsDLG page(nullptr);
  page.show();
  // The page's first painting is not part of the scroll.
  QTimer::singleShot(500, qApp, &QApplication::quit);
  QApplication::exec();
  // Pixels scrolled, summed over every look so that a wrap of the roll counts too.
  const int rollHeight = page.SourceImage->picture().height();
  long long pixels = 0;
  int last = 0;
  const auto lookAtRoll = [&] {
    const int now = page.DestImage->offset();
    pixels += (now - last + rollHeight) % rollHeight;
    last = now;
  };
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, lookAtRoll);
  look.start(250);

  const double cpu0 = ProcessCpuSeconds();
  const double wall0 = WallSeconds();
  QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), page.Image1->mapToGlobal(QPointF(20, 20)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(page.Image1, &move);
  QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, qApp, &QApplication::quit);
  QApplication::exec();
  lookAtRoll();
  const double wall = WallSeconds() - wall0;
  const double cpu = ProcessCpuSeconds() - cpu0;
  std::printf("box %dx%d: %.2f %% of one core (%.3f s CPU in %.2f s), %.1f pixels/s\n",
              page.DestImage->width(), page.DestImage->height(), 100.0 * cpu / wall, cpu, wall,
              static_cast<double>(pixels) / wall);
  page.ReturnBtnClick();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  if (seconds <= 0) {
    std::fprintf(stderr, "usage: credits_scroll_bench [SECONDS]\n");
    return 2;
  }
  for (const int screenWidth : {600, 800}) Measure(screenWidth, seconds);
  return 0;
}
