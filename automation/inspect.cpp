#include "automation/inspect.h"

#include <QMetaProperty>
#include <QVariant>
#include <array>

#include "automation/escape.h"

namespace automation {

namespace {

bool isNamedControl(const QWidget* widget, const QWidget* form) {
  const QString name = widget->objectName();
  return widget->window() == form && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void collect(QWidget* parent, QWidget* form, std::vector<QWidget*>* out) {
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow()) continue;
    if (isNamedControl(widget, form)) out->push_back(widget);
    collect(widget, form, out);
  }
}

// The first of the Qt properties that the control has, as a string.
std::optional<QString> firstProperty(const QWidget* control,
                                     std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const QVariant value = control->property(name);
    if (value.isValid()) return value.toString();
  }
  return std::nullopt;
}

QString yesNo(bool value) {
  return value ? QStringLiteral("true") : QStringLiteral("false");
}

const QStringList kTrueWords = {QStringLiteral("true"), QStringLiteral("yes"), QStringLiteral("on"),
                                QStringLiteral("1")};
const QStringList kFalseWords = {QStringLiteral("false"), QStringLiteral("no"),
                                 QStringLiteral("off"), QStringLiteral("0")};

// "true" or "false" for a truth word, else nothing.
std::optional<QString> truthWord(const QString& value) {
  if (kTrueWords.contains(value, Qt::CaseInsensitive)) return QStringLiteral("true");
  if (kFalseWords.contains(value, Qt::CaseInsensitive)) return QStringLiteral("false");
  return std::nullopt;
}

// The control's own Qt property of that name, if it has one.
std::optional<QMetaProperty> qtProperty(const QWidget* control, const QString& name) {
  const QMetaObject* meta = control->metaObject();
  const int index = meta->indexOfProperty(name.toLatin1().constData());
  if (index < 0) return std::nullopt;
  return meta->property(index);
}

bool isTruth(const QMetaProperty& property) {
  return property.metaType() == QMetaType::fromType<bool>();
}

struct CursorName {
  Qt::CursorShape shape;
  const char* name;
};
constexpr std::array<CursorName, 6> kCursorNames = {{{Qt::ArrowCursor, "arrow"},
                                                     {Qt::PointingHandCursor, "hand"},
                                                     {Qt::IBeamCursor, "ibeam"},
                                                     {Qt::WaitCursor, "wait"},
                                                     {Qt::CrossCursor, "cross"},
                                                     {Qt::ForbiddenCursor, "forbidden"}}};

QString cursorName(Qt::CursorShape shape) {
  for (const CursorName& entry : kCursorNames) {
    if (entry.shape == shape) return QString::fromLatin1(entry.name);
  }
  return QStringLiteral("shape%1").arg(static_cast<int>(shape));
}

QString geometryText(const QRect& r) {
  return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString shownText(const QWidget* control) {
  return firstProperty(control, {"caption", "text", "plainText", "currentText"})
      .value_or(QString());
}

}  // namespace

std::vector<QWidget*> controlsOf(QWidget* form) {
  std::vector<QWidget*> controls;
  if (form != nullptr) collect(form, form, &controls);
  return controls;
}

QWidget* findControl(QWidget* form, const QString& name) {
  for (QWidget* control : controlsOf(form)) {
    if (control->objectName() == name) return control;
  }
  return nullptr;
}

QString formName(const QWidget* form) {
  if (form == nullptr) return QStringLiteral("(none)");
  return form->objectName().isEmpty() ? QString::fromLatin1(form->metaObject()->className())
                                      : form->objectName();
}

std::optional<QString> readProperty(const QWidget* control, const QString& property) {
  if (property == QLatin1String("visible")) return yesNo(control->isVisible());
  if (property == QLatin1String("enabled")) return yesNo(control->isEnabled());
  if (property == QLatin1String("hint")) return control->toolTip();
  if (property == QLatin1String("cursor")) return cursorName(control->cursor().shape());
  if (property == QLatin1String("geometry")) return geometryText(control->geometry());
  if (property == QLatin1String("text"))
    return firstProperty(control, {"text", "plainText", "caption", "currentText"});
  if (property == QLatin1String("caption")) return firstProperty(control, {"caption", "text"});
  if (property == QLatin1String("index"))
    return firstProperty(control, {"itemIndex", "currentIndex"});
  if (property == QLatin1String("checked")) {
    const QVariant value = control->property("checked");
    if (!value.isValid()) return std::nullopt;
    return yesNo(value.toBool());
  }
  const std::optional<QMetaProperty> own = qtProperty(control, property);
  if (!own || !own->isReadable()) return std::nullopt;
  const QVariant value = own->read(control);
  return isTruth(*own) ? yesNo(value.toBool()) : value.toString();
}

QString normaliseExpected(const QString& property, const QString& value) {
  if (property == QLatin1String("visible") || property == QLatin1String("enabled") ||
      property == QLatin1String("checked")) {
    if (const std::optional<QString> truth = truthWord(value)) return *truth;
  }
  if (property == QLatin1String("geometry")) return QString(value).remove(QLatin1Char(' '));
  return value;
}

QString normaliseExpected(const QWidget* control, const QString& property, const QString& value) {
  const std::optional<QMetaProperty> own = qtProperty(control, property);
  if (own && isTruth(*own)) return truthWord(value).value_or(value);
  return normaliseExpected(property, value);
}

bool writeProperty(QWidget* control, const QString& property, const QString& value, QString* why) {
  const std::optional<QMetaProperty> own = qtProperty(control, property);
  if (!own || !own->isWritable()) {
    *why = QStringLiteral("%1 has no property %2 that can be set")
               .arg(control->objectName(), quoted(property));
    return false;
  }
  QVariant converted;
  if (isTruth(*own)) {
    if (const std::optional<QString> truth = truthWord(value))
      converted = *truth == QLatin1String("true");
  } else {
    QVariant text(value);
    if (text.convert(own->metaType())) converted = text;
  }
  if (!converted.isValid() || !own->write(control, converted)) {
    *why = QStringLiteral("%1 %2 cannot be %3").arg(control->objectName(), property, quoted(value));
    return false;
  }
  return true;
}

QString dumpLine(const QWidget* control) {
  return QStringLiteral("%1 %2 %3 %4 %5 %6")
      .arg(control->objectName(), QString::fromLatin1(control->metaObject()->className()),
           geometryText(control->geometry()),
           control->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"),
           control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
           quoted(shownText(control)));
}

}  // namespace automation
