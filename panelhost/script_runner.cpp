#include "panelhost/script_runner.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "panelhost/element_state.h"
#include "panelhost/number_text.h"

namespace panelhost {
namespace {

using Args = std::vector<ScriptWord>;
using Error = ScriptRunner::Error;

// Longer holds and runs than this are taken for typing mistakes.
constexpr std::int64_t kMaxCycles = 10'000'000;

Error fail(std::string reason) {
  return reason;
}

std::optional<ID32> tokenArg(const ScriptWord& word) {
  auto value = parseInteger(word.text);
  if (!value || *value < 0 || *value > 0xFFFFFFFFll) return std::nullopt;
  return static_cast<ID32>(*value);
}

std::optional<int> intArg(const ScriptWord& word) {
  auto value = parseInteger(word.text);
  if (!value || *value < -1'000'000 || *value > 1'000'000) return std::nullopt;
  return static_cast<int>(*value);
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool sameNumber(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  if (std::isinf(a) || std::isinf(b)) return a == b;
  return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

std::optional<double> numberArg(const ScriptWord& word) {
  if (word.text == "nan") return std::nan("");
  if (word.text == "inf") return INFINITY;
  if (word.text == "-inf") return -INFINITY;
  return parseNumber(word.text);
}

// The value word of an expectation and how it compares: "=" unless "<" or ">" precedes it.
struct Expected {
  std::string relation;
  ScriptWord value;
};

std::optional<Expected> expectedArg(const Args& args, std::size_t first) {
  if (args.size() == first + 1) return Expected{"=", args[first]};
  const std::string& relation = args[first].text;
  if (relation != "<" && relation != ">") return std::nullopt;
  return Expected{relation, args[first + 1]};
}

// Nothing when `actual` stands in the relation to the wanted number, else the reason.
Error compare(double actual, const Expected& expected) {
  auto number = numberArg(expected.value);
  if (!number) return fail("bad value " + expected.value.text);
  const bool holds = expected.relation == "<"   ? actual < *number
                     : expected.relation == ">" ? actual > *number
                                                : sameNumber(actual, *number);
  if (holds) return std::nullopt;
  const std::string wanted = expected.relation == "=" ? "" : expected.relation + " ";
  return fail("value was " + formatNumber(actual) + ", expected " + wanted + formatNumber(*number));
}

// "D" or "D:axis" -> depth and axis (nothing for the element's first axis).
struct DepthArg {
  int depth = 0;
  std::optional<std::string> axis;
};

std::optional<DepthArg> depthArg(const ScriptWord& word) {
  const auto colon = word.text.find(':');
  auto depth = intArg(ScriptWord{word.text.substr(0, colon), false});
  if (!depth || *depth < 0) return std::nullopt;
  DepthArg out{*depth, std::nullopt};
  if (colon != std::string::npos) out.axis = word.text.substr(colon + 1);
  return out;
}

struct ElementView {
  PELEMENT_HEADER element = nullptr;
  const ElementValues* values = nullptr;
  int axis = 0;
};

}  // namespace

struct ScriptRunner::Command {
  const char* name;
  std::size_t minArgs;
  std::size_t maxArgs;
  Error (ScriptRunner::*run)(const Args&);
  const char* usage;
};

const std::vector<ScriptRunner::Command>& ScriptRunner::commands() {
  static const std::vector<Command> table = {
      {"load", 1, 1, &ScriptRunner::load, "load CFG"},
      {"module", 1, 1, &ScriptRunner::module, "module PATH"},
      {"set", 2, 2, &ScriptRunner::set, "set TOKEN VALUE"},
      {"release", 1, 1, &ScriptRunner::release, "release TOKEN"},
      {"get", 1, 1, &ScriptRunner::get, "get TOKEN"},
      {"update", 0, 1, &ScriptRunner::update, "update [N]"},
      {"click", 3, 4, &ScriptRunner::click, "click GAUGE X Y [left|right]"},
      {"hold", 4, 4, &ScriptRunner::hold, "hold GAUGE X Y N"},
      {"drag", 3, 3, &ScriptRunner::drag, "drag GAUGE X Y"},
      {"value", 2, 2, &ScriptRunner::value, "value GAUGE DEPTH"},
      {"events", 0, 0, &ScriptRunner::events, "events"},
      {"sounds", 0, 0, &ScriptRunner::sounds, "sounds"},
      {"help", 3, 3, &ScriptRunner::help, "help GAUGE X Y"},
      {"render", 2, 3, &ScriptRunner::render, "render GAUGE|panel FILE.png [full]"},
      {"expect-value", 3, 4, &ScriptRunner::expectValue, "expect-value GAUGE DEPTH [<|>] VALUE"},
      {"expect-token", 2, 3, &ScriptRunner::expectToken, "expect-token TOKEN [<|>] VALUE"},
      {"expect-event", 2, 2, &ScriptRunner::expectEvent, "expect-event 0xID VALUE"},
      {"aircraft", 1, 1, &ScriptRunner::aircraft, "aircraft cruise|cold"},
      {"control", 2, 2, &ScriptRunner::control, "control NAME VALUE"},
  };
  return table;
}

ScriptRunner::ScriptRunner(PanelCore& host, std::ostream& out, std::ostream& err,
                           std::filesystem::path scriptFolder)
    : host_(host),
      renderer_(dynamic_cast<PanelRenderer*>(&host)),
      out_(out),
      err_(err),
      scriptFolder_(std::move(scriptFolder)) {}

int ScriptRunner::run(std::istream& script) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (Error error = execute(line)) {
      out_ << "fail " << number << ": " << *error << "\n";
      out_.flush();
      return 1;
    }
  }
  out_.flush();
  return 0;
}

Error ScriptRunner::execute(std::string_view line) {
  std::string why;
  auto words = splitScriptLine(line, &why);
  if (!words) return fail(why);
  if (words->empty()) return std::nullopt;
  const std::string name = words->front().text;
  const Args args(words->begin() + 1, words->end());
  auto command = std::find_if(commands().begin(), commands().end(),
                              [&](const Command& c) { return name == c.name; });
  if (command == commands().end()) return fail("unknown command " + name);
  if (args.size() < command->minArgs || args.size() > command->maxArgs)
    return fail(std::string("usage: ") + command->usage);
  Error error = (this->*command->run)(args);
  auto serviceErrors = host_.takeServiceErrors();
  if (!error && !serviceErrors.empty()) error = serviceErrors.front();
  return error;
}

std::filesystem::path ScriptRunner::resolve(const std::string& path) const {
  const std::filesystem::path given(path);
  std::error_code ec;
  if (given.is_absolute() || scriptFolder_.empty() || std::filesystem::exists(given, ec))
    return given;
  const auto beside = scriptFolder_ / given;
  return std::filesystem::exists(beside, ec) ? beside : given;
}

Error ScriptRunner::load(const Args& args) {
  std::string error;
  std::vector<std::string> warnings;
  const bool loaded = host_.loadPanel(resolve(args[0].text), error, warnings);
  for (const std::string& warning : warnings) err_ << "warning: " << warning << "\n";
  if (!loaded) return fail(error);
  return std::nullopt;
}

Error ScriptRunner::module(const Args& args) {
  std::string error;
  if (!host_.loadModule(resolve(args[0].text), error)) return fail(error);
  return std::nullopt;
}

Error ScriptRunner::set(const Args& args) {
  auto token = tokenArg(args[0]);
  auto value = numberArg(args[1]);
  if (!token) return fail("bad token " + args[0].text);
  if (!value) return fail("bad value " + args[1].text);
  host_.vars().pin(*token, *value);
  return std::nullopt;
}

Error ScriptRunner::release(const Args& args) {
  auto token = tokenArg(args[0]);
  if (!token) return fail("bad token " + args[0].text);
  host_.vars().release(*token);
  return std::nullopt;
}

Error ScriptRunner::get(const Args& args) {
  auto token = tokenArg(args[0]);
  if (!token) return fail("bad token " + args[0].text);
  const double value = host_.vars().value(*token);
  const bool integer = host_.vars().kind(*token) == VarKind::Integer;
  out_ << "get " << formatHex(*token) << " "
       << (integer ? formatHex(toUint32(value)) : formatNumber(value)) << "\n";
  return std::nullopt;
}

Error ScriptRunner::update(const Args& args) {
  std::int64_t count = 1;
  if (!args.empty()) {
    auto n = parseInteger(args[0].text);
    if (!n || *n < 0 || *n > kMaxCycles) return fail("bad cycle count " + args[0].text);
    count = *n;
  }
  host_.runCycles(static_cast<int>(count));
  return std::nullopt;
}

namespace {

struct GaugePoint {
  Gauge* gauge = nullptr;
  Point point;
};

std::variant<GaugePoint, std::string> gaugePoint(PanelCore& host, const Args& args) {
  Gauge* gauge = host.findGauge(args[0].text);
  if (!gauge) return "no gauge " + args[0].text;
  auto x = intArg(args[1]);
  auto y = intArg(args[2]);
  if (!x || !y) return "bad point " + args[1].text + " " + args[2].text;
  return GaugePoint{gauge, Point(*x, *y)};
}

}  // namespace

Error ScriptRunner::click(const Args& args) {
  auto target = gaugePoint(host_, args);
  if (auto* error = std::get_if<std::string>(&target)) return fail(*error);
  const std::string button = args.size() > 3 ? args[3].text : "left";
  if (button != "left" && button != "right") return fail("bad button " + button);
  const auto& [gauge, point] = std::get<GaugePoint>(target);
  host_.click(*gauge, point, button == "left" ? MOUSE_LEFT_SINGLE : kMouseRightSingle);
  return std::nullopt;
}

Error ScriptRunner::hold(const Args& args) {
  auto target = gaugePoint(host_, args);
  if (auto* error = std::get_if<std::string>(&target)) return fail(*error);
  auto cycles = parseInteger(args[3].text);
  if (!cycles || *cycles < 1 || *cycles > kMaxCycles)
    return fail("bad cycle count " + args[3].text);
  const auto& [gauge, point] = std::get<GaugePoint>(target);
  host_.hold(*gauge, point, static_cast<int>(*cycles));
  return std::nullopt;
}

Error ScriptRunner::drag(const Args& args) {
  auto target = gaugePoint(host_, args);
  if (auto* error = std::get_if<std::string>(&target)) return fail(*error);
  const auto& [gauge, point] = std::get<GaugePoint>(target);
  if (!host_.drag(*gauge, point))
    return fail("no mouse area of " + gauge->name + " takes a drag there");
  return std::nullopt;
}

namespace {

std::variant<ElementView, std::string> elementView(PanelCore& host, const Args& args) {
  Gauge* gauge = host.findGauge(args[0].text);
  if (!gauge) return "no gauge " + args[0].text;
  auto depth = depthArg(args[1]);
  if (!depth) return "bad depth " + args[1].text;
  PELEMENT_HEADER element = elementAtDepth(gauge->background(), depth->depth);
  const ElementValues* values = element ? host.valuesOf(element) : nullptr;
  if (!element || !values)
    return gauge->name + " has no element at depth " + std::to_string(depth->depth);
  int axis = values->primaryAxis;
  if (depth->axis) {
    const int count = axisCount(element->element_type);
    axis = -1;
    for (int i = 0; i < count; ++i)
      if (*depth->axis == axisName(element->element_type, i)) axis = i;
    if (axis < 0) return "element has no axis " + *depth->axis;
  }
  return ElementView{element, values, axis};
}

std::string shownValue(const ElementView& view) {
  if (view.element->element_type == ELEMENT_TYPE_STRING) return quoted(view.values->text);
  return formatNumber(view.values->value[static_cast<std::size_t>(view.axis)]);
}

}  // namespace

Error ScriptRunner::value(const Args& args) {
  auto view = elementView(host_, args);
  if (auto* error = std::get_if<std::string>(&view)) return fail(*error);
  const ElementView& element = std::get<ElementView>(view);
  out_ << "value " << host_.findGauge(args[0].text)->name << " " << args[1].text << " "
       << shownValue(element) << (isHidden(*element.element) ? " hidden" : " shown") << "\n";
  return std::nullopt;
}

Error ScriptRunner::expectValue(const Args& args) {
  auto view = elementView(host_, args);
  if (auto* error = std::get_if<std::string>(&view)) return fail(*error);
  const ElementView& element = std::get<ElementView>(view);
  auto expected = expectedArg(args, 2);
  if (!expected) return fail("bad relation " + args[2].text);
  const ScriptWord& wanted = expected->value;
  if (wanted.quoted) {
    if (expected->relation != "=") return fail("texts compare only for equality");
    if (element.element->element_type != ELEMENT_TYPE_STRING)
      return fail("element at depth " + args[1].text + " shows no text");
    if (element.values->text != wanted.text)
      return fail("value was " + quoted(element.values->text) + ", expected " +
                  quoted(wanted.text));
    return std::nullopt;
  }
  return compare(element.values->value[static_cast<std::size_t>(element.axis)], *expected);
}

Error ScriptRunner::expectToken(const Args& args) {
  auto token = tokenArg(args[0]);
  if (!token) return fail("bad token " + args[0].text);
  auto expected = expectedArg(args, 1);
  if (!expected) return fail("bad relation " + args[1].text);
  if (Error error = compare(host_.vars().value(*token), *expected))
    return fail("token " + formatHex(*token) + ": " + *error);
  return std::nullopt;
}

Error ScriptRunner::aircraft(const Args& args) {
  auto start = aircraftStartNamed(args[0].text);
  if (!start) return fail("no aircraft start " + args[0].text + " (cruise or cold)");
  host_.aircraft().reset(*start);
  return std::nullopt;
}

Error ScriptRunner::control(const Args& args) {
  auto control = controlNamed(args[0].text);
  if (!control) return fail("no control " + args[0].text);
  auto value = numberArg(args[1]);
  if (!value) return fail("bad value " + args[1].text);
  if (!setControl(host_.aircraft(), *control, *value))
    return fail("control " + args[0].text + " takes a finite number, not " + args[1].text);
  const double kept = controlValue(host_.aircraft(), *control);
  const bool clamped = *value < controlLow(*control) || *value > kControlHigh;
  if (clamped && clampedControls_.insert(*control).second)
    err_ << "warning: " << args[0].text << " " << args[1].text << " is outside "
         << formatNumber(controlLow(*control)) << ".." << formatNumber(kControlHigh) << ", kept at "
         << formatNumber(kept) << "\n";
  return std::nullopt;
}

Error ScriptRunner::events(const Args&) {
  for (const KeyEvent& event : host_.takeEvents())
    out_ << "event " << formatHex(event.id) << " " << event.value << "\n";
  return std::nullopt;
}

// The last event with the id since the last `events` must carry the value.
Error ScriptRunner::expectEvent(const Args& args) {
  auto id = tokenArg(args[0]);
  auto value = parseInteger(args[1].text);
  if (!id) return fail("bad event id " + args[0].text);
  if (!value || *value < INT32_MIN || *value > UINT32_MAX) return fail("bad value " + args[1].text);
  const auto wanted = static_cast<UINT32>(*value);
  const auto& events = host_.events();
  auto last =
      std::find_if(events.rbegin(), events.rend(), [&](const KeyEvent& e) { return e.id == *id; });
  if (last == events.rend()) return fail("no event " + formatHex(*id));
  if (last->value != wanted)
    return fail("event " + formatHex(*id) + " had value " + std::to_string(last->value) +
                ", expected " + std::to_string(wanted));
  return std::nullopt;
}

Error ScriptRunner::sounds(const Args&) {
  for (const SoundEvent& sound : host_.takeSounds()) {
    if (sound.play) {
      out_ << "play " << sound.id << " " << sound.flags << "\n";
    } else {
      out_ << "stop " << sound.id << "\n";
    }
  }
  return std::nullopt;
}

Error ScriptRunner::help(const Args& args) {
  auto target = gaugePoint(host_, args);
  if (auto* error = std::get_if<std::string>(&target)) return fail(*error);
  const auto& [gauge, point] = std::get<GaugePoint>(target);
  const HelpAt help = host_.help(*gauge, point);
  out_ << "help " << gauge->name << " " << formatHex(help.helpId) << " " << help.cursor << "\n";
  return std::nullopt;
}

Error ScriptRunner::render(const Args& args) {
  const bool full = args.size() == 3;
  if (full && args[2].text != "full") return fail("unknown render mode " + args[2].text);
  const Gauge* gauge = nullptr;
  if (args[0].text != "panel") {
    gauge = host_.findGauge(args[0].text);
    if (!gauge) return fail("no gauge " + args[0].text);
  }
  if (!renderer_) return fail("this panel host does not draw; render with the Linux panelhost");
  return renderer_->renderToFile(gauge, args[1].text, full);
}

}  // namespace panelhost
