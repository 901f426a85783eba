// The seven shared routines forward to the host's service table with the first element of the
// first gauge's list, whichever header they are called through.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "loaded_module.h"

namespace {

struct ServiceCall {
  int slot;
  PELEMENT_HEADER element;
  UINTPTR argument;
  bool operator==(const ServiceCall&) const = default;
};

std::vector<ServiceCall> calls;

void record(int slot, PELEMENT_HEADER element, UINTPTR argument = 0) {
  calls.push_back({slot, element, argument});
}

// A service table whose list services record their calls; every other slot is empty.
PANELS recordingTable() {
  PANELS table{};
  table.element_list_query = [](PELEMENT_HEADER e) { record(24, e); };
  table.element_list_install = [](PELEMENT_HEADER e, PVOID file) {
    record(25, e, reinterpret_cast<UINTPTR>(file));
  };
  table.element_list_initialize = [](PELEMENT_HEADER e) { record(26, e); };
  table.element_list_update = [](PELEMENT_HEADER e) { record(27, e); };
  table.element_list_generate = [](PELEMENT_HEADER e, UINT32 phase) { record(28, e, phase); };
  table.element_list_plot = [](PELEMENT_HEADER e) { record(29, e); };
  table.element_list_kill = [](PELEMENT_HEADER e) { record(31, e); };
  return table;
}

class SharedRoutines : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_MODULE_LOADED(module);
    calls.clear();
  }
  void TearDown() override { module.imports->panels.pointer = nullptr; }

  static void runAllRoutines(const GAUGEHDR& gauge, PVOID resourceFile, UINT32 phase) {
    gauge.query_routine();
    gauge.install_routine(resourceFile);
    gauge.initialize_routine();
    gauge.update_routine();
    gauge.generate_routine(phase);
    gauge.draw_routine();
    gauge.kill_routine();
  }

  LoadedModule& module = LoadedModule::get();
};

TEST_F(SharedRoutines, ForwardTheFirstGaugesFirstElementThroughEveryHeader) {
  PANELS table = recordingTable();
  module.imports->panels.pointer = &table;
  const PELEMENT_HEADER rpmBackground = module.gauges()[0]->elements_list[0];
  int resourceFile = 0;
  for (const GAUGEHDR* gauge : module.gauges()) {
    SCOPED_TRACE(gauge->gauge_name);
    calls.clear();
    runAllRoutines(*gauge, &resourceFile, 7);
    const std::vector<ServiceCall> expected = {
        {24, rpmBackground, 0}, {25, rpmBackground, reinterpret_cast<UINTPTR>(&resourceFile)},
        {26, rpmBackground, 0}, {27, rpmBackground, 0},
        {28, rpmBackground, 7}, {29, rpmBackground, 0},
        {31, rpmBackground, 0}};
    EXPECT_EQ(calls, expected);
  }
}

TEST_F(SharedRoutines, ReadTheServiceTableAfreshAtEveryCall) {
  PANELS first = recordingTable();
  PANELS second = recordingTable();
  second.element_list_update = [](PELEMENT_HEADER e) { record(1027, e); };
  const GAUGEHDR& gauge = *module.gauges()[5];
  module.imports->panels.pointer = &first;
  gauge.update_routine();
  module.imports->panels.pointer = &second;
  gauge.update_routine();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].slot, 27);
  EXPECT_EQ(calls[1].slot, 1027);
}

TEST_F(SharedRoutines, DoNothingWithoutATableOrWithEmptySlots) {
  module.imports->panels.pointer = nullptr;
  runAllRoutines(*module.gauges()[10], nullptr, 1);
  PANELS empty{};
  module.imports->panels.pointer = &empty;
  runAllRoutines(*module.gauges()[10], nullptr, 1);
  EXPECT_TRUE(calls.empty());
}

// A host written against the 32-bit records reads a module variable's value 4 + pointer + 4
// bytes in, and the service slots by their index; the records keep both on this target too.
TEST(RecordLayout, ModuleVariableValueAndServiceSlotsSitWhereTheHostLooks) {
  MODULE_VAR var{};
  unsigned char* bytes = reinterpret_cast<unsigned char*>(&var);
  const double altitude = 1234.5;
  std::memcpy(bytes + 4 + sizeof(void*) + 4, &altitude, sizeof altitude);
  EXPECT_EQ(var.var_value.n, altitude);
  EXPECT_EQ(sizeof(MODULE_VAR), 4 + sizeof(void*) + 4 + 8 + 8);
  if constexpr (sizeof(void*) == 4) {
    EXPECT_EQ(sizeof(MODULE_VAR), 28u);
  }

  PANELS table{};
  void* slots[PANELS_SLOT_COUNT];
  table.lookup_var = [](PMODULE_VAR) {};
  table.trigger_key_event = [](ID32, UINT32) { return 1; };
  std::memcpy(slots, &table, sizeof slots);
  EXPECT_EQ(slots[40], reinterpret_cast<void*>(table.lookup_var));
  EXPECT_EQ(slots[36], reinterpret_cast<void*>(table.trigger_key_event));
}

}  // namespace
