// Fuzz target: any text parses into sealed blocks and reasons without failing; every block it
// trusts is written again and read back the same, and a block made of the input's bytes as
// names and texts reads back the same too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "installer/record/install_record.h"

namespace ir = installrecord;

namespace {

void expectRoundTrip(const ir::Block& block) {
  const ir::ParsedLog again = ir::parseLog(ir::headerText() + ir::blockText(block));
  if (!again.untrusted.empty() || again.blocks.size() != 1 || !(again.blocks[0] == block))
    std::abort();
}

// The input cut at NUL bytes into a path, a text and a pattern.
ir::Block madeOf(std::string_view bytes) {
  const std::size_t first = bytes.find('\0');
  const std::size_t second = bytes.find('\0', first == std::string_view::npos ? first : first + 1);
  ir::Record record;
  record.kind = ir::Kind::WorldVisEntry;
  record.path = std::string(bytes.substr(0, first));
  if (first != std::string_view::npos)
    record.text = std::string(bytes.substr(first + 1, second - first - 1));
  if (second != std::string_view::npos) record.pattern = std::string(bytes.substr(second + 1));
  ir::Block block{"FUZZ", {record}};
  record.kind = ir::Kind::FileCreated;
  record.place =
      !record.path.empty() && record.path[0] == '/' ? ir::Place::Host : ir::Place::Simulator;
  record.identity = {bytes.size(), -static_cast<std::int64_t>(bytes.size()),
                     ir::contentHash(bytes)};
  record.text.clear();
  record.pattern.clear();
  block.records.push_back(record);
  return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const ir::Block& block : ir::parseLog(text).blocks) expectRoundTrip(block);
  const ir::Block made = madeOf(text);
  if (ir::validPath(ir::Place::Simulator, made.records[0].path) && !made.records[0].text.empty())
    expectRoundTrip(made);
  return 0;
}
