#include "shell/hint_timing.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

#include "shell/program_state.h"

namespace hints {
namespace {

// Qt asks the style how long to wait before a tool tip appears.
class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return programState.HintPause;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Qt would keep a tip up for a time that grows with its length; ours stay for a fixed time.
class HintDuration : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->toolTip().isEmpty()) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(),
                       programState.HintHidePause);
    return true;
  }
};

}  // namespace

void SetHintTiming(int pauseMs, int hidePauseMs) {
  programState.HintPause = pauseMs;
  programState.HintHidePause = hidePauseMs;
  static bool installed = false;
  if (installed || !qApp) return;
  installed = true;
  QApplication::setStyle(new HintStyle);
  qApp->installEventFilter(new HintDuration(qApp));
}

int HintPause() {
  return programState.HintPause;
}
int HintHidePause() {
  return programState.HintHidePause;
}

}  // namespace hints
